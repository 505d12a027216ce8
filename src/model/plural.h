// A count with its noun in the count's plural form: "1 car", "2 cars";
// "1 вагон", "2 вагона", "5 вагонов", "21 вагон", "11 вагонов".
#pragma once

#include <string>
#include <string_view>

#include "model/language.h"

namespace quorvane {

enum class PluralForm { One, Few, Many };

// Russian takes its form from the last two digits; English has no "few".
constexpr PluralForm PluralFormOf(long long count, Language language) {
    const long long n = count < 0 ? -count : count;
    if (language == Language::English) {
        return n == 1 ? PluralForm::One : PluralForm::Many;
    }
    const long long last = n % 10;
    const long long lastTwo = n % 100;
    if (last == 1 && lastTwo != 11) {
        return PluralForm::One;
    }
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        return PluralForm::Few;
    }
    return PluralForm::Many;
}

// A noun's forms in one language, UTF-8; in English few is the same as many.
struct NounForms {
    std::string_view one;
    std::string_view few;
    std::string_view many;
};

// A counted noun in both languages.
struct CountedNoun {
    NounForms russian;
    NounForms english;
};

constexpr std::string_view NounFor(long long count, const CountedNoun& noun, Language language) {
    const NounForms& forms = language == Language::Russian ? noun.russian : noun.english;
    switch (PluralFormOf(count, language)) {
    case PluralForm::One:
        return forms.one;
    case PluralForm::Few:
        return forms.few;
    case PluralForm::Many:
        break;
    }
    return forms.many;
}

// "21 вагон", "2 cars".
inline std::string Counted(long long count, const CountedNoun& noun, Language language) {
    std::string text = std::to_string(count);
    text += ' ';
    text += NounFor(count, noun, language);
    return text;
}

// The nouns the texts count.
inline constexpr CountedNoun kCars{{"вагон", "вагона", "вагонов"}, {"car", "cars", "cars"}};
inline constexpr CountedNoun kAxles{{"ось", "оси", "осей"}, {"axle", "axles", "axles"}};
inline constexpr CountedNoun kBogies{{"тележка", "тележки", "тележек"},
                                     {"bogie", "bogies", "bogies"}};

}  // namespace quorvane
