#include "fileio/scheme_files.h"

#include <QFile>
#include <utility>

#include "fileio/save_file.h"
#include "fileio/scheme_text.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {

SchemeLoadResult LoadSchemeFile(const QString& path, int previousSchemeType) {
    ReadResult read = ReadSchemeFile(QFile::encodeName(path).toStdString(), previousSchemeType);
    if (!read.scheme) {
        return {nullptr, QString::fromStdString(read.error.Message())};
    }
    return {std::move(read.scheme), QString()};
}

SchemeSaveResult SaveSchemeFile(const Scheme& scheme, const QString& path) {
    using Kind = SchemeSaveFailure::Kind;
    std::optional<std::string> name = SchemeNameOfPath(path);
    if (!name) {
        return {{},
                SchemeSaveFailure{Kind::NameNotStorable,
                                  QStringLiteral("the file name holds a character that "
                                                 "Windows-1251 cannot store")}};
    }
    const WriteResult written = WriteScheme(scheme, *name);
    if (!written.ok) {
        return {{},
                SchemeSaveFailure{Kind::SchemeNotStorable, QString::fromStdString(written.error)}};
    }
    if (std::optional<SaveFailure> failure = SaveFileAtomically(path, written.bytes)) {
        return {{},
                SchemeSaveFailure{failure->opening ? Kind::CannotOpen : Kind::CannotWrite,
                                  std::move(failure->reason)}};
    }
    return {std::move(*name), std::nullopt};
}

}  // namespace quorvane
