// quorvane-tool: checks, dumps, writes, lists and draws scheme files for the
// programs and people around the editor.
#pragma once

#include <QStringList>
#include <iosfwd>

namespace quorvane {

inline constexpr int kToolOk = 0;
inline constexpr int kToolFailed = 1;
inline constexpr int kToolUsage = 2;

// Runs one command line (arguments[0] is the program) and gives the exit code.
int RunTool(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace quorvane
