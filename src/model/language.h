// The two languages of the editor's texts and of the sheets it prints.
#pragma once

#include <string_view>

namespace quorvane {

enum class Language { Russian, English };

// One text of the window in both languages, UTF-8.
struct TextPair {
    std::string_view russian;
    std::string_view english;

    constexpr std::string_view In(Language language) const {
        return language == Language::Russian ? russian : english;
    }
    constexpr bool empty() const { return russian.empty() && english.empty(); }
};

}  // namespace quorvane
