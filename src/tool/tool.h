// quorvane-tool: checks, dumps, writes, lists and draws scheme files for the
// programs and people around the editor.
#pragma once

#include <QString>
#include <QStringList>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "model/scheme.h"

namespace quorvane {

inline constexpr int kToolOk = 0;
inline constexpr int kToolFailed = 1;
inline constexpr int kToolUsage = 2;

// What -o takes to mean standard output.
inline constexpr char kStandardOutputName[] = "-";

// Runs one command line (arguments[0] is the program) and gives the exit code.
// What goes to out may fail to arrive; the caller checks out afterwards.
int RunTool(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

// For the commands: the scheme in file, loaded as the editor loads after
// New, or null once why it was refused is on err.
std::unique_ptr<Scheme> LoadOrReport(const QString& file, std::ostream& err);

// Why a command that reads input may not write output: the two name the
// same file, through a link or not. Nothing when it may.
std::optional<std::string> OutputOverInput(const QString& output, const QString& input);

}  // namespace quorvane
