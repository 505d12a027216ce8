// The window's texts beyond its captions: button tooltips, the hint of a
// refused character and the unsaved-work question, in Russian and English.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace quorvane {

using TextPair = std::array<std::string_view, 2>;  // by language, UTF-8

struct ButtonTip {
    std::string_view control;
    TextPair text;
};

// Every small picture button, with the action it runs.
std::span<const ButtonTip> ButtonTips();

inline constexpr TextPair kRefusalHint{
    "Символ \"|\", перевод строки и знаки вне Windows-1251 не сохраняются",
    "\"|\", line breaks and characters outside Windows-1251 cannot be stored",
};

inline constexpr TextPair kUnsavedQuestion{
    "В схеме есть несохранённые изменения. Сохранить их?",
    "The scheme has changes that are not saved. Save them?",
};

}  // namespace quorvane
