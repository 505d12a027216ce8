#include "tool/train_sheet.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "drawing/car_view.h"
#include "drawing/qimage_surface.h"
#include "drawing/render_image.h"
#include "drawing/train_strip.h"
#include "fileio/scheme_text.h"
#include "model/parameter_entry.h"

namespace quorvane {

namespace {

// Sizes in pixels at 96 dots per inch, the car view's own scale.
constexpr int kDotsPerInch = 96;
constexpr int kDotsPerMeter = 3780;
constexpr int kImagePadding = 16;     // around a single-picture sheet
constexpr double kPageMarginMm = 10;  // around the content of a page
constexpr int kGap = 12;              // between blocks
constexpr int kTitleHeight = 28;
constexpr int kHeaderHeight = 22;  // the line above a car view

// The strip wraps between cars, midway between one body and the next, so
// that a row of it holds whole pictograms with their buffers and marks.
constexpr int kRowCars = kCarViewWidth / kStripPitch;
constexpr int kRowTop = kStripMarksTop;
constexpr int kRowHeight = kStripMarksBottom - kStripMarksTop;
constexpr int kCutX = kStripBodyLeft - (kStripPitch - kStripBodyWidth) / 2;

// A piece of the sheet that never splits across pages.
struct Block {
    enum class Kind : std::uint8_t { Title, Strip, Car } kind;
    int car = 0;  // of a Car block
    int height = 0;
};

QString Shown(std::string_view schemeText) {
    const QString text = DecodeSchemeText(schemeText);
    return text.isEmpty() ? QStringLiteral("–") : text;
}

QFont SheetFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

class Sheet {
public:
    explicit Sheet(const Scheme& scheme) : scheme_(scheme) {
        const int cars = scheme.state.carCount;
        const int stripRows = (cars + kRowCars - 1) / kRowCars;
        blocks_.push_back({.kind = Block::Kind::Title, .car = 0, .height = kTitleHeight});
        blocks_.push_back({.kind = Block::Kind::Strip, .car = 0, .height = stripRows * kRowHeight});
        for (int c = 0; c < cars; ++c) {
            blocks_.push_back(
                {.kind = Block::Kind::Car, .car = c, .height = kHeaderHeight + kCarViewHeight});
        }
        // Every car grey: the sheet has no current car.
        strip_ = RenderTrainStrip(scheme, -1, -1);
    }

    int Height() const {
        int height = 0;
        for (const Block& block : blocks_) {
            height += block.height + kGap;
        }
        return height - kGap;
    }

    QString Title() const { return DecodeSchemeText(scheme_.fileName); }

    // Blocks flow onto pages of the given height, each new page started by
    // newPage.
    template <typename NewPage>
    void Paint(QPainter& painter, int left, int pageHeight, NewPage newPage) {
        int y = 0;
        for (const Block& block : blocks_) {
            if (y > 0 && y + kGap + block.height > pageHeight) {
                newPage();
                y = 0;
            } else if (y > 0) {
                y += kGap;
            }
            switch (block.kind) {
                case Block::Kind::Title:
                    PaintTitle(painter, left, y);
                    break;
                case Block::Kind::Strip:
                    PaintStrip(painter, left, y);
                    break;
                case Block::Kind::Car:
                    PaintCar(painter, block.car, left, y);
                    break;
            }
            y += block.height;
        }
    }

private:
    void PaintTitle(QPainter& painter, int left, int top) const {
        const int cars = scheme_.state.carCount;
        const int axles = AxlesInTrain(scheme_);
        painter.setFont(SheetFont(18));
        // One arg() for all: a "%2" in the name must stay as it is.
        painter.drawText(
            QRect(left, top, kCarViewWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("%1 — scheme type %2, %3 %4, %5 axles")
                .arg(Title(), QString::number(scheme_.state.schemeType), QString::number(cars),
                     cars == 1 ? QStringLiteral("car") : QStringLiteral("cars"),
                     QString::number(axles)));
    }

    void PaintStrip(QPainter& painter, int left, int top) const {
        for (int first = 0, row = 0; first < scheme_.state.carCount; first += kRowCars, ++row) {
            const int cars = std::min(kRowCars, scheme_.state.carCount - first);
            // A copy, not a source rectangle: the SVG generator ignores those.
            painter.drawImage(
                QPoint(left, top + row * kRowHeight),
                strip_.copy(kCutX + first * kStripPitch, kRowTop, cars * kStripPitch, kRowHeight));
        }
    }

    void PaintCar(QPainter& painter, int c, int left, int top) {
        const CarRecord& car = scheme_.cars[static_cast<std::size_t>(c)];
        painter.setFont(SheetFont(14));
        painter.drawText(QRect(left, top, kCarViewWidth, kHeaderHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Car %1 — series %2, number %3%4")
                             .arg(QString::number(c + 1), Shown(car.series), Shown(car.carNumber),
                                  car.inverted ? QStringLiteral(", inverted") : QString()));
        DrawCarView(carView_, CarViewOf(scheme_, c));
        painter.drawImage(QPoint(left, top + kHeaderHeight), carView_.Image());
    }

    const Scheme& scheme_;
    // One surface for every car, so that the stamps of one serve the next.
    QImageSurface carView_{kCarViewWidth, kCarViewHeight};
    std::vector<Block> blocks_;
    QImage strip_;
};

bool WritePdf(Sheet& sheet, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                    QPageLayout::Millimeter));
    writer.setTitle(sheet.Title());
    writer.setCreator(QStringLiteral("Quorvane"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    // JPEG would blur the one-pixel lines of the diagrams.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const int left = std::max(0, (writer.width() - kCarViewWidth) / 2);
    sheet.Paint(painter, left, writer.height(), [&] { writer.newPage(); });
    return painter.end();
}

QSize ImageSize(const Sheet& sheet) {
    return {kCarViewWidth + 2 * kImagePadding, sheet.Height() + 2 * kImagePadding};
}

bool WriteSvg(Sheet& sheet, QIODevice& device) {
    const QSize size = ImageSize(sheet);
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(kDotsPerInch);
    generator.setTitle(sheet.Title());
    QPainter painter;
    if (!painter.begin(&generator)) {
        return false;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.translate(0, kImagePadding);
    sheet.Paint(painter, kImagePadding, INT_MAX, [] {});
    return painter.end();
}

bool WriteImage(Sheet& sheet, QIODevice& device, const QByteArray& format, QString& error) {
    QImage image(ImageSize(sheet), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(0, kImagePadding);
        sheet.Paint(painter, kImagePadding, INT_MAX, [] {});
    }
    QImageWriter writer(&device, format);
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return true;
}

}  // namespace

std::optional<QString> DrawTrainSheet(const Scheme& scheme, const QByteArray& format,
                                      QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Sheet sheet(scheme);
    QString error = QStringLiteral("the sheet cannot be drawn");
    const bool drawn = format == "pdf"   ? WritePdf(sheet, buffer)
                       : format == "svg" ? WriteSvg(sheet, buffer)
                                         : WriteImage(sheet, buffer, format, error);
    if (!drawn) {
        return error;
    }
    return std::nullopt;
}

}  // namespace quorvane
