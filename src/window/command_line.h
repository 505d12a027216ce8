// The editor's command line: quorvane [--lang ru|en] [FILE.sch].
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "model/language.h"

namespace quorvane {

struct StartOptions {
    std::optional<Language> language;  // --lang; nothing: the desktop's
    QString file;                      // opened at start when not empty
};

struct CommandLine {
    std::optional<StartOptions> start;  // nothing: print and exit
    QString output;                     // for standard output (help, version)
    QString error;                      // for standard error
    int exitCode = 0;
};

// arguments[0] is the program.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace quorvane
