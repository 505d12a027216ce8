#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The name a scheme takes from the file it is saved to: the file name without
// its folder, less its last four characters ("train.sch" gives "train",
// "train.text" gives "train."). Four characters or fewer give an empty name.
// The path is in the scheme's single-byte code page, one byte a character.
std::string SchemeNameFromFileName(std::string_view path);

}  // namespace quorvane
