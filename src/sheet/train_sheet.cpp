#include "sheet/train_sheet.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "fileio/language_text.h"
#include "fileio/scheme_text.h"
#include "model/parameter_entry.h"
#include "qpainter/qpainter_surface.h"
#include "sheet/wheel_numbers.h"

namespace quorvane {

namespace {

// Sizes in units of 1/96 inch, the car view's own pixels.
constexpr double kUnitsPerInch = 96;
constexpr double kMarginMm = 10;
constexpr int kPageHeader = 46;  // the name, the file, the date and the page number
constexpr int kGap = 12;         // between the pieces of a page
constexpr int kHeading = 26;     // the line above a car
constexpr int kRow = 23;         // 6.1 mm: room to write a figure in
constexpr int kLegendLine = 16;
constexpr int kCellPadding = 4;
constexpr int kImagePadding = 16;  // around a single picture
// Longer texts are cut before they are measured into their cell.
constexpr std::size_t kLongestShown = 200;

// The strip wraps between cars, midway between one body and the next, so
// that a row of it holds whole pictograms with their buffers and marks.
constexpr int kStripRowHeight = kStripMarksBottom - kStripMarksTop;
constexpr int kStripCut = kStripBodyLeft - (kStripPitch - kStripBodyWidth) / 2;
constexpr int kDiagramHeight = kNumbersAbove + kCarViewHeight + kNumbersBelow;

// %3 and %4: the counted cars and axles, "3 cars".
constexpr TextPair kTitle{"%1 — тип схемы %2, %3, %4", "%1 — scheme type %2, %3, %4"};
constexpr TextPair kNotSaved{"не сохранена", "not saved"};
constexpr TextPair kPrinted{"%1 · напечатано %2", "%1 · printed %2"};
constexpr TextPair kPage{"стр. %1 из %2", "page %1 of %2"};
// %6 and %7: the counted axles and bogies, "2 axles, 1 bogie".
constexpr TextPair kCarHeading{"Вагон %1 из %2 — серия %3, номер %4 — %5 — %6, %7",
                               "Car %1 of %2 — series %3, number %4 — %5 — %6, %7"};
constexpr TextPair kDirect{"прямой", "direct"};
constexpr TextPair kInverted{"обратный", "inverted"};
constexpr TextPair kContinued{" (продолжение)", " (continued)"};
constexpr std::array<TextPair, 5> kLegend{{
    {"Красная точка: начало порядка колёс в вагоне.",
     "Red dot: where the order of the wheels starts on the car."},
    {"Синие стрелки и красные линии: порядок, в котором перечислены колёса.",
     "Blue arrows and red lines: the order in which the wheels are listed."},
    {"L / R: левое / правое колесо оси. Число у колеса: его номер в порядке замера.",
     "L / R: the left / right wheel of the axle. The number at a wheel: its place in the "
     "order of measurement."},
    {"Галочка под вагоном: все колёсные пары заполнены; стрелка над ним: вагон обратный.",
     "Tick under a car: every wheel set entered; arrow over it: the car stands reversed."},
    {"Числа под вагоном, например 6·3: осей · тележек вагона.",
     "Figures under a car, e.g. 6·3: axles · bogies of the car."},
}};

struct Column {
    TextPair name;
    double share;  // of the page's width
};
constexpr std::array<Column, 7> kColumns{{
    {{"№", "No."}, 0.08},
    {{"ось", "axle"}, 0.07},
    {{"сторона", "side"}, 0.09},
    {{"имя оси", "axle name"}, 0.18},
    {{"колёсная пара", "wheel-set name"}, 0.22},
    {{"пробег", "run"}, 0.14},
    {{"замер", "measured"}, 0.22},
}};

// A text of the scheme, cut to what a cell could show; "–" when empty.
QString Shown(std::string_view schemeText) {
    if (schemeText.empty()) {
        return QStringLiteral("–");
    }
    return SheetText(DecodeSchemeText(schemeText.substr(0, kLongestShown)));
}

QFont SheetFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A part of a page that is never split: the strip with the legend, or a
// car with its diagram and its table, or (for a car no page can hold) some
// of its table's rows under its heading.
struct Piece {
    enum class Kind : std::uint8_t { Strip, Car } kind;
    int car = 0;
    int firstRow = 0;
    int rows = 0;
    bool continued = false;  // a car's rows after those of an earlier page
    int height = 0;
};

class Sheet {
public:
    // width: of the page's printable area; pageHeight: its height, or
    // INT_MAX for one page as high as it takes.
    Sheet(const Scheme& scheme, const SheetOptions& options, int width, int pageHeight)
        : scheme_(scheme), options_(options), width_(width) {
        diagramScale_ = std::min(1.0, width / static_cast<double>(kCarViewWidth));
        Layout(pageHeight);
    }

    int PageCount() const { return static_cast<int>(pages_.size()); }

    int Height(int page) const {
        int height = kPageHeader;
        for (const Piece& piece : pages_[static_cast<std::size_t>(page)]) {
            height += kGap + piece.height;
        }
        return height;
    }

    QString Title() const { return SheetTitle(scheme_); }

    void PaintPage(QPainter& painter, int page) const {
        PaintPageHeader(painter, page);
        int y = kPageHeader;
        for (const Piece& piece : pages_[static_cast<std::size_t>(page)]) {
            y += kGap;
            if (piece.kind == Piece::Kind::Strip) {
                PaintStrip(painter, y);
            } else {
                PaintCar(painter, piece, y);
            }
            y += piece.height;
        }
    }

private:
    int Cars() const { return std::clamp(scheme_.state.carCount, 0, kMaxCars); }
    int StripRowCars() const { return std::max(1, width_ / kStripPitch); }
    int DiagramHeight() const {
        return static_cast<int>(std::ceil(kDiagramHeight * diagramScale_));
    }

    void Layout(int pageHeight) {
        const int room = pageHeight == INT_MAX ? INT_MAX : pageHeight - kPageHeader;
        pages_.emplace_back();
        int used = 0;
        auto place = [&](const Piece& piece) {
            if (!pages_.back().empty() && (room - used < kGap + piece.height)) {
                pages_.emplace_back();
                used = 0;
            }
            pages_.back().push_back(piece);
            used += kGap + piece.height;
        };
        const int stripRows = (Cars() + StripRowCars() - 1) / StripRowCars();
        place({.kind = Piece::Kind::Strip,
               .height =
                   stripRows * kStripRowHeight + static_cast<int>(kLegend.size()) * kLegendLine});
        for (int c = 0; c < Cars(); ++c) {
            const int rows = static_cast<int>(NumberedWheelsOf(scheme_, c).size());
            const int whole = kHeading + DiagramHeight() + kRow * (rows + 1);
            if (room == INT_MAX || kGap + whole <= room) {
                place({.kind = Piece::Kind::Car, .car = c, .rows = rows, .height = whole});
                continue;
            }
            // No page holds it: it starts a page, and its rows go on over the next.
            int first = 0;
            bool continued = false;
            while (first < rows) {
                const int fixed = kGap + kHeading + (continued ? 0 : DiagramHeight()) + kRow;
                const int fit = std::max(1, (room - fixed) / kRow);
                const int taken = std::min(fit, rows - first);
                if (!pages_.back().empty()) {
                    pages_.emplace_back();
                    used = 0;
                }
                place({.kind = Piece::Kind::Car,
                       .car = c,
                       .firstRow = first,
                       .rows = taken,
                       .continued = continued,
                       .height = fixed - kGap + kRow * taken});
                first += taken;
                continued = true;
            }
        }
    }

    void PaintPageHeader(QPainter& painter, int page) const {
        const Language language = options_.language;
        painter.setPen(Qt::black);
        painter.setFont(SheetFont(16, true));
        // One arg() for all: a "%2" in the name must stay as it is.
        painter.drawText(QRect(0, 0, width_, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         InLanguage(kTitle, language)
                             .arg(Title(), QString::number(scheme_.state.schemeType),
                                  CountedIn(Cars(), kCars, language),
                                  CountedIn(AxlesInTrain(scheme_), kAxles, language)));
        painter.setFont(SheetFont(12, false));
        const QString file = options_.fileName.isEmpty() ? InLanguage(kNotSaved, language)
                                                         : SheetText(options_.fileName);
        painter.drawText(
            QRect(0, 22, width_, 18), Qt::AlignLeft | Qt::AlignVCenter,
            InLanguage(kPrinted, language).arg(file, options_.printed.toString(Qt::ISODate)));
        painter.drawText(QRect(0, 22, width_, 18), Qt::AlignRight | Qt::AlignVCenter,
                         InLanguage(kPage, language)
                             .arg(QString::number(page + 1), QString::number(PageCount())));
        painter.drawLine(0, kPageHeader - 4, width_, kPageHeader - 4);
    }

    void PaintStrip(QPainter& painter, int top) const {
        const int perRow = StripRowCars();
        int y = top;
        for (int first = 0; first < Cars(); first += perRow) {
            painter.save();
            painter.translate(-kStripCut, y - kStripMarksTop);
            QPainterSurface surface(painter, kStripPitch * perRow, kStripMarksBottom);
            // Every car grey: the sheet has no current car.
            DrawTrainStripCars(surface, scheme_, first, perRow, -1, -1);
            painter.restore();
            y += kStripRowHeight;
        }
        painter.setPen(Qt::black);
        painter.setFont(SheetFont(11, false));
        for (const TextPair& line : kLegend) {
            painter.drawText(QRect(0, y, width_, kLegendLine), Qt::AlignLeft | Qt::AlignVCenter,
                             InLanguage(line, options_.language));
            y += kLegendLine;
        }
    }

    void PaintCar(QPainter& painter, const Piece& piece, int top) const {
        const Language language = options_.language;
        const CarRecord& car = scheme_.cars[static_cast<std::size_t>(piece.car)];
        painter.setPen(Qt::black);
        painter.setFont(SheetFont(14, true));
        QString heading =
            InLanguage(kCarHeading, language)
                .arg(QString::number(piece.car + 1), QString::number(Cars()), Shown(car.series),
                     Shown(car.carNumber), InLanguage(car.inverted ? kInverted : kDirect, language),
                     CountedIn(car.axleCount, kAxles, language),
                     CountedIn(car.bogieCount, kBogies, language));
        if (piece.continued) {
            heading += InLanguage(kContinued, language);
        }
        const QFontMetrics headingMetrics(painter.font());
        painter.drawText(QRect(0, top, width_, kHeading), Qt::AlignLeft | Qt::AlignVCenter,
                         headingMetrics.elidedText(heading, Qt::ElideRight, width_));
        int y = top + kHeading;
        const std::vector<NumberedWheel> wheels = NumberedWheelsOf(scheme_, piece.car);
        if (!piece.continued) {
            painter.save();
            painter.translate(0, y);
            painter.scale(diagramScale_, diagramScale_);
            painter.translate(0, kNumbersAbove);
            QPainterSurface surface(painter, kCarViewWidth, kCarViewHeight);
            DrawCarView(surface, CarViewOf(scheme_, piece.car));
            DrawWheelNumbers(surface, car, wheels);
            painter.restore();
            y += DiagramHeight();
        }
        PaintTable(painter, car, wheels, piece, y);
    }

    void PaintTable(QPainter& painter, const CarRecord& car,
                    const std::vector<NumberedWheel>& wheels, const Piece& piece, int top) const {
        std::array<int, kColumns.size() + 1> edges{};
        double share = 0;
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            share += kColumns[i].share;
            edges[i + 1] = static_cast<int>(share * width_);
        }
        edges.back() = width_;
        auto row = [&](int y, const std::array<QString, kColumns.size()>& cells) {
            const QFontMetrics metrics(painter.font());
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const int cellWidth = edges[i + 1] - edges[i] - 2 * kCellPadding;
                painter.drawText(QRect(edges[i] + kCellPadding, y, cellWidth, kRow),
                                 Qt::AlignLeft | Qt::AlignVCenter,
                                 metrics.elidedText(cells[i], Qt::ElideRight, cellWidth));
            }
        };
        const int rows = piece.rows + 1;
        painter.fillRect(QRect(0, top, width_, kRow), QColor(230, 230, 230));
        painter.setPen(Qt::black);
        painter.setFont(SheetFont(12, true));
        std::array<QString, kColumns.size()> names;
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            names[i] = InLanguage(kColumns[i].name, options_.language);
        }
        row(top, names);
        painter.setFont(SheetFont(12, false));
        for (int r = 0; r < piece.rows; ++r) {
            const NumberedWheel& wheel = wheels[static_cast<std::size_t>(piece.firstRow + r)];
            const AxleSlot& axle = car.axles[static_cast<std::size_t>(wheel.entry.axle)];
            row(top + kRow * (r + 1),
                {QString::number(wheel.position), QString::number(wheel.entry.axle + 1),
                 wheel.entry.side == kLeftSide ? QStringLiteral("L") : QStringLiteral("R"),
                 Shown(axle.axleName),
                 Shown(axle.sides[static_cast<std::size_t>(wheel.entry.nameSide)].wheelSetName),
                 Shown(axle.run), QString()});
        }
        for (int r = 0; r <= rows; ++r) {
            painter.drawLine(0, top + kRow * r, width_, top + kRow * r);
        }
        for (const int x : edges) {
            painter.drawLine(x, top, x, top + kRow * rows);
        }
    }

    const Scheme& scheme_;
    const SheetOptions& options_;
    int width_;
    double diagramScale_ = 1;
    std::vector<std::vector<Piece>> pages_;
};

}  // namespace

QString SheetText(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        // A surrogate is whole only as a high one followed by a low one.
        const bool pair = QChar::isHighSurrogate(ch) && i + 1 < text.size() &&
                          QChar::isLowSurrogate(text[i + 1].unicode());
        if (pair) {
            ++i;
        } else if ((ch < 0x20 && ch != u'\t') || QChar::isSurrogate(ch) || ch == 0xFFFE ||
                   ch == 0xFFFF) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

QString SheetTitle(const Scheme& scheme) {
    return SheetText(DecodeSchemeText(scheme.fileName));
}

QPageLayout SheetPageLayout(const SheetOptions& options) {
    return QPageLayout(QPageSize(options.pageSize),
                       options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

namespace {

// The width of the page's printable area, in units.
int PrintableWidth(const SheetOptions& options) {
    return SheetPageLayout(options).paintRectPixels(static_cast<int>(kUnitsPerInch)).width();
}

bool WriteSvg(const Scheme& scheme, const SheetOptions& options, QIODevice& device) {
    const Sheet sheet(scheme, options, PrintableWidth(options), INT_MAX);
    const QSize size(PrintableWidth(options) + 2 * kImagePadding,
                     sheet.Height(0) + 2 * kImagePadding);
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(static_cast<int>(kUnitsPerInch));
    // Qt writes the title into the SVG as it is given, markup and all.
    generator.setTitle(sheet.Title().toHtmlEscaped());
    QPainter painter;
    if (!painter.begin(&generator)) {
        return false;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.translate(kImagePadding, kImagePadding);
    sheet.PaintPage(painter, 0);
    return painter.end();
}

// The pictures a sheet is made as, and the Debian package that brings the
// writer of each (PNG and BMP are built into Qt).
struct PictureFormat {
    const char* name;  // QImageWriter's
    const char* shown;
    const char* package;
    int largest;  // pixels each way, 0: no bound a sheet comes near
};
constexpr std::array<PictureFormat, 4> kPictureFormats{{
    {"png", "PNG", "libqt6gui6", 0},
    {"jpg", "JPEG", "libqt6gui6", 65500},
    {"bmp", "BMP", "libqt6gui6", 0},
    {"tif", "TIFF", "qt6-image-formats-plugins", 0},
}};

const PictureFormat* PictureFormatNamed(const QByteArray& format) {
    const auto* picture =
        std::find_if(kPictureFormats.begin(), kPictureFormats.end(),
                     [&](const PictureFormat& known) { return format == known.name; });
    return picture == kPictureFormats.end() ? nullptr : picture;
}

// "120 000 000": a count people read at a glance.
QString InThousands(qint64 count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QLatin1Char(' '));
    }
    return digits;
}

bool WriteImage(const Scheme& scheme, const SheetOptions& options, QIODevice& device,
                const PictureFormat& format, QString& error) {
    const Sheet sheet(scheme, options, PrintableWidth(options), INT_MAX);
    const double scale = std::max(options.scale, 1.0);
    const QSize size(PrintableWidth(options) + 2 * kImagePadding,
                     sheet.Height(0) + 2 * kImagePadding);
    const QSize pixels = (QSizeF(size) * scale).toSize();
    // Said before drawing: the writer itself would only say "Unknown error".
    if (format.largest > 0 && std::max(pixels.width(), pixels.height()) > format.largest) {
        error = QStringLiteral(
                    "the picture, %1 x %2 pixels, is larger than a %3 picture can be "
                    "(%4 pixels each way)")
                    .arg(pixels.width())
                    .arg(pixels.height())
                    .arg(QLatin1String(format.shown))
                    .arg(format.largest);
        return false;
    }
    if (static_cast<qint64>(pixels.width()) * pixels.height() > kLargestSheetPicture) {
        error = QStringLiteral(
                    "the picture would be %1 x %2 pixels, more than the %3 pixels a sheet "
                    "picture may have; make it as PDF, or at a smaller scale (--scale)")
                    .arg(pixels.width())
                    .arg(pixels.height())
                    .arg(InThousands(kLargestSheetPicture));
        return false;
    }
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        error = QStringLiteral("the picture, %1 x %2 pixels, is too large to be made")
                    .arg(pixels.width())
                    .arg(pixels.height());
        return false;
    }
    const int dotsPerMeter = static_cast<int>(std::lround(kUnitsPerInch / 0.0254 * scale));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        painter.translate(kImagePadding, kImagePadding);
        sheet.PaintPage(painter, 0);
    }
    QImageWriter writer(&device, format.name);
    if (QByteArrayView(format.name) == "tif") {
        writer.setCompression(1);  // LZW: the sheet is mostly white
    }
    if (!writer.write(image)) {
        error = QStringLiteral("the picture cannot be made as %1: %2")
                    .arg(QLatin1String(format.shown), writer.errorString());
        return false;
    }
    return true;
}

}  // namespace

std::optional<QString> SheetFormatProblem(const QByteArray& format) {
    if (format == "pdf" || format == "svg") {
        return std::nullopt;
    }
    const PictureFormat* picture = PictureFormatNamed(format);
    if (!picture) {
        return QStringLiteral("a sheet is not made in the format '%1'")
            .arg(QString::fromLatin1(format));
    }
    // Qt's image plugins are a package of their own; without them the
    // format is simply missing, and would otherwise fail only after drawing.
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        return QStringLiteral(
                   "this system has no writer for %1 pictures: Qt's image format "
                   "plugin for them is missing (Debian package %2)")
            .arg(QLatin1String(picture->shown), QLatin1String(picture->package));
    }
    return std::nullopt;
}

bool PrintTrainSheet(const Scheme& scheme, const SheetOptions& options, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double unit = device.logicalDpiX() / kUnitsPerInch;
    const Sheet sheet(scheme, options, static_cast<int>(device.width() / unit),
                      static_cast<int>(device.height() / unit));
    for (int page = 0; page < sheet.PageCount(); ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        painter.save();
        painter.scale(unit, unit);
        sheet.PaintPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

std::optional<QString> DrawTrainSheet(const Scheme& scheme, const QByteArray& format,
                                      const SheetOptions& options, QByteArray& bytes) {
    if (std::optional<QString> problem = SheetFormatProblem(format)) {
        return problem;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error = QStringLiteral("the sheet cannot be drawn");
    bool drawn = false;
    if (format == "pdf") {
        QPdfWriter writer(&buffer);
        writer.setTitle(SheetTitle(scheme));
        writer.setCreator(QStringLiteral("Quorvane"));
        drawn = writer.setPageLayout(SheetPageLayout(options)) &&
                PrintTrainSheet(scheme, options, writer);
    } else if (format == "svg") {
        drawn = WriteSvg(scheme, options, buffer);
    } else {
        drawn = WriteImage(scheme, options, buffer, *PictureFormatNamed(format), error);
    }
    if (!drawn) {
        bytes.clear();  // no piece of a sheet is taken for one
        return error;
    }
    return std::nullopt;
}

}  // namespace quorvane
