// The captions of the window in Russian and English, and the title.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace quorvane {

inline constexpr int kRussian = 0;
inline constexpr int kEnglish = 1;

struct CaptionPair {
    std::array<std::string_view, 2> text;    // by language: UTF-8
    std::vector<std::string_view> controls;  // the controls that show it, in order
};

struct LabelTable {
    std::string_view title;
    std::vector<CaptionPair> pairs;
};

// The table as the program fills it at start: the title "Quorvane 2.0" and
// eighteen pairs.
const LabelTable& Labels();

}  // namespace quorvane
