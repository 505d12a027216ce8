// How large a scheme file may be. The reader refuses a larger file before it
// reads it, so the writer never writes one: a save must not replace a good
// file by one that cannot be opened.
#pragma once

#include <cstddef>

namespace quorvane {

inline constexpr std::size_t kMaxSchemeFileSize = 16 * 1024 * 1024;

}  // namespace quorvane
