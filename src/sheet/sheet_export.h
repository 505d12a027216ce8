// Writing the measurement sheet to a file: the one way the editor's Export
// sheet and quorvane-tool render --sheet make one, with one rule for the
// formats, known by the suffix of the file's name before anything is drawn.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/scheme.h"
#include "sheet/train_sheet.h"

namespace quorvane {

// The format a sheet file is written in, by the suffix of its name: "pdf",
// "svg", or the QImageWriter name of a picture format ("png", "jpg", "bmp",
// "tif"); nothing for a suffix no sheet is made in.
std::optional<QByteArray> SheetFormatOfPath(const QString& path);

// The suffixes a sheet is made in, for messages:
// ".pdf, .svg, .png, .jpg, .jpeg, .bmp, .tif, .tiff".
QString SheetSuffixes();

struct SheetExportFailure {
    // Whatever stood at the path is left as it was, whichever the kind.
    enum class Kind {
        Format,       // by the name alone: no sheet format, or no writer for it here
        CannotOpen,   // the file cannot be opened for writing
        CannotDraw,   // the sheet cannot be drawn in the format (a picture too large)
        CannotWrite,  // the write failed (a full disk)
    };
    Kind kind;
    QString reason;  // English, for the tool and below the editor's own first line
};

// Why no sheet is made at path, known from its name alone: a Format failure
// that names the suffix and lists SheetSuffixes(). Nothing when it can be made.
std::optional<SheetExportFailure> SheetPathRefusal(const QString& path);

// Draws the sheet and writes it to path atomically: the file is opened before
// drawing (a missing folder shows at once) and replaced only once complete.
// Nothing on success.
std::optional<SheetExportFailure> ExportTrainSheet(const Scheme& scheme, const QString& path,
                                                   const SheetOptions& options);

}  // namespace quorvane
