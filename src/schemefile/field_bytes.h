// The bytes that end a field of a scheme file: its closing bar, or a line end
// where the bar is missing. No text of a scheme can hold them, so the writer
// refuses a text with one and the editor turns them away as they are typed.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace quorvane {

inline constexpr std::array<bool, 256> kFieldEnds = [] {
    std::array<bool, 256> ends{};
    ends['|'] = ends['\r'] = ends['\n'] = true;
    return ends;
}();

inline bool IsFieldEnd(char ch) {
    return kFieldEnds[static_cast<unsigned char>(ch)];
}

// A lambda, not the function itself: g++ calls a function passed by
// pointer for every byte, which made this check half the cost of a save.
inline bool IsStorableText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char ch) { return IsFieldEnd(ch); });
}

}  // namespace quorvane
