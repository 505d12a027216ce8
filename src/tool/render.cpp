#include "tool/render.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "fileio/desktop_language.h"
#include "fileio/save_file.h"
#include "model/parameter_entry.h"
#include "qpainter/render_image.h"
#include "schemefile/scheme_reader.h"
#include "sheet/sheet_export.h"
#include "sheet/train_sheet.h"
#include "tool/tool.h"

namespace quorvane {

namespace {

struct Failure {
    int code;
    std::string message;
};

// A 1-based number an option gives, and its text for messages.
struct Index {
    int value;
    std::string text;
};

// The number an option gives, if it is given. Digits too many for an int
// stand for a number beyond every scheme, so that they are reported as out
// of range, as written.
std::optional<Index> Number(const QCommandLineParser& parser, const QString& option) {
    if (!parser.isSet(option)) {
        return std::nullopt;
    }
    const QString text = parser.value(option);
    bool ok = false;
    int value = text.toInt(&ok);
    if (!ok && !text.isEmpty() &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) {
        ok = true;
        value = INT_MAX;
    }
    if (!ok) {
        throw Failure{kToolUsage, "--" + option.toStdString() + " takes a number, not '" +
                                      AsWritten(text.toStdString()) + "'"};
    }
    return Index{value, text.toStdString()};
}

// The device pixel ratio the picture is drawn at: 1 to 8, fractions too.
constexpr double kMaxScale = 8;
double Scale(const QCommandLineParser& parser, const QString& option) {
    if (!parser.isSet(option)) {
        return 1;
    }
    bool ok = false;
    const double value = parser.value(option).toDouble(&ok);
    if (!ok || !(value >= 1 && value <= kMaxScale)) {
        throw Failure{kToolUsage, "--scale takes a number from 1 to 8, not '" +
                                      parser.value(option).toStdString() + "'"};
    }
    return value;
}

// The sheet's language (as the editor decides it when not given), page
// size and orientation.
SheetOptions SheetOptionsOf(const QCommandLineParser& parser, const QString& lang,
                            const QString& pageSize, const QString& landscape) {
    SheetOptions options;
    options.language = DesktopLanguage();
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value != QLatin1String("ru") && value != QLatin1String("en")) {
            throw Failure{kToolUsage, "--lang takes ru or en, not '" + value.toStdString() + "'"};
        }
        options.language = value == QLatin1String("ru") ? Language::Russian : Language::English;
    }
    if (parser.isSet(pageSize)) {
        const QString value = parser.value(pageSize);
        if (value.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) {
            options.pageSize = QPageSize::A4;
        } else if (value.compare(QLatin1String("A3"), Qt::CaseInsensitive) == 0) {
            options.pageSize = QPageSize::A3;
        } else if (value.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) {
            options.pageSize = QPageSize::Letter;
        } else {
            throw Failure{kToolUsage,
                          "--page-size takes A4, A3 or Letter, not '" + value.toStdString() + "'"};
        }
    }
    options.landscape = parser.isSet(landscape);
    return options;
}

void InRange(const Index& index, int last, const std::string& what) {
    if (index.value < 1 || index.value > last) {
        throw Failure{kToolFailed, what + " " + AsWritten(index.text) + " is outside 1.." +
                                       std::to_string(last)};
    }
}

QImage CarPicture(const Scheme& scheme, const std::optional<Index>& car,
                  const std::optional<Index>& walk, double scale) {
    if (!walk) {
        InRange(*car, scheme.state.carCount, "car");
        return RenderCarView(CarViewOf(scheme, car->value - 1), scale);
    }
    // The walk that Set builds on the file's layout; the scheme stays as loaded.
    WalkOrder order;
    const int length = BuildWalk(scheme, order);
    InRange(*walk, length, "walk position");
    const WalkEntry at = order[static_cast<std::size_t>(walk->value - 1)];
    if (car && car->value != at.car + 1) {
        throw Failure{kToolFailed, "walk position " + AsWritten(walk->text) + " is on car " +
                                       std::to_string(at.car + 1) + ", not car " +
                                       AsWritten(car->text)};
    }
    return RenderCarView(CarViewOf(scheme, at.car, at.axle), scale);
}

QImage Strip(const Scheme& scheme, const std::optional<Index>& current,
             const std::optional<Index>& hover, double scale) {
    const int cars = scheme.state.carCount;
    if (current) {
        InRange(*current, cars, "car");
    }
    if (hover) {
        InRange(*hover, cars, "hovered car");
    }
    return RenderTrainStrip(scheme, current ? current->value - 1 : scheme.state.currentCar,
                            hover ? hover->value - 1 : -1, scale);
}

// Where the output goes, for messages.
std::string Shown(const QString& path) {
    return path == QLatin1String(kStandardOutputName) ? "standard output" : path.toStdString();
}

// The format the suffix of a car's or the strip's picture names, as
// QImageWriter calls it; PNG for standard output. (A sheet has its own rule.)
QByteArray OutputFormat(const QString& path) {
    if (path == QLatin1String(kStandardOutputName)) {
        return "png";
    }
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (QImageWriter::supportedImageFormats().contains(format)) {
        return format;
    }
    QStringList suffixes;
    for (const QByteArray& known : QImageWriter::supportedImageFormats()) {
        suffixes << QStringLiteral(".") + QString::fromLatin1(known);
    }
    throw Failure{kToolFailed, path.toStdString() + ": no picture format goes by the suffix '" +
                                   QFileInfo(path).suffix().toStdString() + "'; use one of " +
                                   suffixes.join(QStringLiteral(", ")).toStdString()};
}

QByteArray Encoded(const QImage& image, const QByteArray& format, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        throw Failure{kToolFailed, Shown(path) + ": the picture cannot be made as " +
                                       format.toUpper().toStdString() + ": " +
                                       writer.errorString().toStdString()};
    }
    return bytes;
}

[[noreturn]] void CannotWrite(const QString& path, const QString& reason) {
    throw Failure{kToolFailed, path.toStdString() + ": cannot be written: " + reason.toStdString()};
}

[[noreturn]] void SheetNotExported(const QString& path, const SheetExportFailure& failure) {
    using Kind = SheetExportFailure::Kind;
    if (failure.kind == Kind::CannotOpen || failure.kind == Kind::CannotWrite) {
        CannotWrite(path, failure.reason);
    }
    throw Failure{kToolFailed, path.toStdString() + ": " + failure.reason.toStdString()};
}

}  // namespace

int Render(const QStringList& words, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QString car = QStringLiteral("car");
    const QString walk = QStringLiteral("walk");
    const QString strip = QStringLiteral("strip");
    const QString sheet = QStringLiteral("sheet");
    const QString current = QStringLiteral("current");
    const QString hover = QStringLiteral("hover");
    const QString output = QStringLiteral("o");
    const QString scale = QStringLiteral("scale");
    const QString lang = QStringLiteral("lang");
    const QString pageSize = QStringLiteral("page-size");
    const QString landscape = QStringLiteral("landscape");
    parser.addOptions({{lang, QString(), QStringLiteral("LANG")},
                       {pageSize, QString(), QStringLiteral("SIZE")},
                       {landscape, QString()},
                       {car, QString(), QStringLiteral("N")},
                       {walk, QString(), QStringLiteral("K")},
                       {strip, QString()},
                       {sheet, QString()},
                       {current, QString(), QStringLiteral("N")},
                       {hover, QString(), QStringLiteral("M")},
                       {output, QString(), QStringLiteral("IMAGE")},
                       {scale, QString(), QStringLiteral("F")}});
    try {
        if (!parser.parse(QStringList{QStringLiteral("render")} + words)) {
            throw Failure{kToolUsage, parser.errorText().toStdString()};
        }
        if (parser.positionalArguments().isEmpty()) {
            throw Failure{kToolUsage, "render needs a FILE"};
        }
        const bool carView = parser.isSet(car) || parser.isSet(walk);
        const bool stripView = parser.isSet(strip);
        const bool sheetView = parser.isSet(sheet);
        if (carView + stripView + sheetView != 1 || !parser.isSet(output) ||
            parser.positionalArguments().size() != 1 ||
            (!stripView && (parser.isSet(current) || parser.isSet(hover))) ||
            (!sheetView &&
             (parser.isSet(lang) || parser.isSet(pageSize) || parser.isSet(landscape)))) {
            throw Failure{kToolUsage,
                          "render takes FILE --car N [--walk K] [--scale F] -o IMAGE, FILE "
                          "--strip [--current N] [--hover M] [--scale F] -o IMAGE, or FILE "
                          "--sheet [--lang ru|en] [--page-size A4|A3|Letter] [--landscape] "
                          "[--scale F] -o SHEET"};
        }
        const double ratio = Scale(parser, scale);
        const QString path = parser.value(output);
        const bool toStandardOutput = path == QLatin1String(kStandardOutputName);
        // A sheet's suffix is checked before the scheme is even loaded, as a
        // picture's is.
        QByteArray format = "png";
        if (sheetView && !toStandardOutput) {
            if (const std::optional<SheetExportFailure> refusal = SheetPathRefusal(path)) {
                SheetNotExported(path, *refusal);
            }
        } else {
            format = OutputFormat(path);
        }
        if (!toStandardOutput) {
            if (std::optional<std::string> refusal =
                    OutputOverInput(path, parser.positionalArguments()[0])) {
                throw Failure{kToolFailed, std::move(*refusal)};
            }
        }
        const std::unique_ptr<Scheme> scheme = LoadOrReport(parser.positionalArguments()[0], err);
        if (!scheme) {
            return kToolFailed;
        }
        if (sheetView) {
            SheetOptions options = SheetOptionsOf(parser, lang, pageSize, landscape);
            options.scale = ratio;
            options.fileName = QFileInfo(parser.positionalArguments()[0]).fileName();
            if (!toStandardOutput) {
                if (const std::optional<SheetExportFailure> failure =
                        ExportTrainSheet(*scheme, path, options)) {
                    SheetNotExported(path, *failure);
                }
                return kToolOk;
            }
            QByteArray bytes;
            if (const std::optional<QString> error =
                    DrawTrainSheet(*scheme, format, options, bytes)) {
                throw Failure{kToolFailed, Shown(path) + ": " + error->toStdString()};
            }
            out.write(bytes.constData(), bytes.size());
            return kToolOk;
        }
        // Opened before drawing: a folder that is missing or locked shows at once.
        AtomicFileWriter file(path);
        if (!toStandardOutput) {
            if (const std::optional<SaveFailure> failure = file.Open()) {
                CannotWrite(path, failure->reason);
            }
        }
        const QByteArray bytes =
            Encoded(carView ? CarPicture(*scheme, Number(parser, car), Number(parser, walk), ratio)
                            : Strip(*scheme, Number(parser, current), Number(parser, hover), ratio),
                    format, path);
        if (toStandardOutput) {
            out.write(bytes.constData(), bytes.size());
            return kToolOk;
        }
        const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        if (std::optional<SaveFailure> failure = file.Write(view)) {
            CannotWrite(path, failure->reason);
        }
        if (std::optional<SaveFailure> failure = file.Commit()) {
            CannotWrite(path, failure->reason);
        }
    } catch (const Failure& failure) {
        err << "quorvane-tool render: " << failure.message << '\n';
        if (failure.code == kToolUsage) {
            err << "Try 'quorvane-tool --help'.\n";
        }
        return failure.code;
    }
    return kToolOk;
}

}  // namespace quorvane
