// Whether two paths name one file, so that an output never replaces an input.
#pragma once

#include <QString>

namespace quorvane {

// True when both paths are there and name the same file (device and inode,
// links followed): a link, a hard link or another spelling of the path.
bool IsSameFile(const QString& a, const QString& b);

}  // namespace quorvane
