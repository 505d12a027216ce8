#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace quorvane {

// Writes the bytes to path through a temporary file in the same folder that
// replaces the old file only once it is complete and flushed, so a failure
// leaves an existing file whole. Gives the reason of a failure, or nothing.
std::optional<QString> SaveFileAtomically(const QString& path, std::string_view bytes);

}  // namespace quorvane
