#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace quorvane {

struct SaveFailure {
    bool opening = false;  // the file could not even be opened for writing
    QString reason;
};

// Writes the bytes to path through a temporary file in the same folder that
// replaces the old file only once it is complete and flushed, so a failure
// leaves an existing file whole.
std::optional<SaveFailure> SaveFileAtomically(const QString& path, std::string_view bytes);

}  // namespace quorvane
