#include "sheet/sheet_export.h"

#include <QFileInfo>
#include <QStringList>
#include <array>
#include <string_view>
#include <utility>

#include "fileio/save_file.h"

namespace quorvane {

namespace {

struct SuffixFormat {
    const char* suffix;
    const char* format;
};
// In the order the messages list them.
constexpr std::array<SuffixFormat, 8> kSuffixFormats{{
    {"pdf", "pdf"},
    {"svg", "svg"},
    {"png", "png"},
    {"jpg", "jpg"},
    {"jpeg", "jpg"},
    {"bmp", "bmp"},
    {"tif", "tif"},
    {"tiff", "tif"},
}};

}  // namespace

std::optional<QByteArray> SheetFormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const SuffixFormat& known : kSuffixFormats) {
        if (suffix.compare(QLatin1String(known.suffix), Qt::CaseInsensitive) == 0) {
            return QByteArray(known.format);
        }
    }
    return std::nullopt;
}

QString SheetSuffixes() {
    QStringList suffixes;
    for (const SuffixFormat& known : kSuffixFormats) {
        suffixes << QLatin1Char('.') + QLatin1String(known.suffix);
    }
    return suffixes.join(QStringLiteral(", "));
}

std::optional<SheetExportFailure> SheetPathRefusal(const QString& path) {
    using Kind = SheetExportFailure::Kind;
    const std::optional<QByteArray> format = SheetFormatOfPath(path);
    if (!format) {
        const QString suffix = QFileInfo(path).suffix();
        // The suffix and the list in one arg(): a "%2" in the suffix stays as it is.
        return SheetExportFailure{
            Kind::Format,
            suffix.isEmpty()
                ? QStringLiteral("the name has no suffix to give the sheet's format; use one of %1")
                      .arg(SheetSuffixes())
                : QStringLiteral("no sheet format goes by the suffix '%1'; use one of %2")
                      .arg(suffix, SheetSuffixes())};
    }
    if (std::optional<QString> problem = SheetFormatProblem(*format)) {
        return SheetExportFailure{Kind::Format, std::move(*problem)};
    }
    return std::nullopt;
}

std::optional<SheetExportFailure> ExportTrainSheet(const Scheme& scheme, const QString& path,
                                                   const SheetOptions& options) {
    using Kind = SheetExportFailure::Kind;
    if (std::optional<SheetExportFailure> refusal = SheetPathRefusal(path)) {
        return refusal;
    }
    AtomicFileWriter file(path);
    if (std::optional<SaveFailure> failure = file.Open()) {
        return SheetExportFailure{Kind::CannotOpen, std::move(failure->reason)};
    }
    QByteArray bytes;
    if (std::optional<QString> error =
            DrawTrainSheet(scheme, *SheetFormatOfPath(path), options, bytes)) {
        return SheetExportFailure{Kind::CannotDraw, std::move(*error)};
    }
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (std::optional<SaveFailure> failure = file.Write(view)) {
        return SheetExportFailure{Kind::CannotWrite, std::move(failure->reason)};
    }
    if (std::optional<SaveFailure> failure = file.Commit()) {
        return SheetExportFailure{Kind::CannotWrite, std::move(failure->reason)};
    }
    return std::nullopt;
}

}  // namespace quorvane
