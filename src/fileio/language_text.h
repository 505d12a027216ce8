// A text of the program's own in the language it speaks: the one way from a
// TextPair to what Qt shows.
#pragma once

#include <QString>
#include <string_view>

#include "model/language.h"
#include "model/plural.h"

namespace quorvane {

inline QString InLanguage(const TextPair& text, Language language) {
    const std::string_view utf8 = text.In(language);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The noun alone in the count's form, for a count shown another way.
inline QString NounIn(long long count, const CountedNoun& noun, Language language) {
    const std::string_view utf8 = NounFor(count, noun, language);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A count with its noun in the count's form: "1 car", "5 вагонов".
inline QString CountedIn(long long count, const CountedNoun& noun, Language language) {
    return QString::fromStdString(Counted(count, noun, language));
}

}  // namespace quorvane
