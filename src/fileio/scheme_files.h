// Loading a scheme file and saving one: the one way the editor and
// quorvane-tool read and write schemes, so that both take the same files
// and write the same bytes.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "model/scheme.h"

namespace quorvane {

struct SchemeLoadResult {
    std::unique_ptr<Scheme> scheme;  // null when the file was refused
    QString reason;                  // why: "line 3, column 7: …", or the reason alone
};

// The scheme in the file at path, read whole and checked before anything is
// handed over. previousSchemeType stands where the file's order names no
// type: the type of the scheme that was open, or that of a new one.
SchemeLoadResult LoadSchemeFile(const QString& path, int previousSchemeType = kNewSchemeType);

struct SchemeSaveFailure {
    enum class Kind {
        NameNotStorable,    // the file's name holds what a name line cannot
        SchemeNotStorable,  // a text holds what the format cannot store
        CannotOpen,         // nothing was written
        CannotWrite,        // the write failed; the old file stands
    };
    Kind kind;
    QString reason;
};

struct SchemeSaveResult {
    std::string name;  // the name line written: the file's name without its suffix
    std::optional<SchemeSaveFailure> failure;  // set: nothing was replaced
};

// Writes the scheme to path under the name its file's name gives, whole or
// not at all: an existing file is replaced only once the new one is complete.
SchemeSaveResult SaveSchemeFile(const Scheme& scheme, const QString& path);

}  // namespace quorvane
