#include "qpainter/qimage_surface.h"

#include <QColor>
#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace quorvane {
namespace {

// 96 dots per inch, so that 8 point is 11 pixels whatever the screen.
constexpr int kDotsPerMeter = 3780;

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// At ratio r, r × r image pixels to a logical pixel; the resolution stays
// at 96 dots per inch of logical pixels, so that fonts keep their size.
QImage WhiteImage(int width, int height, double ratio) {
    QImage image(static_cast<int>(std::ceil(width * ratio)),
                 static_cast<int>(std::ceil(height * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

// Enough for every stamp a refresh draws, and some layouts over.
constexpr std::size_t kMaxStamps = 4096;
// Labels and car numbers are a few characters; longer texts go to QPainter.
constexpr std::size_t kMaxStampedText = 32;

// Pixels that a shape's outline may reach beyond its vertices.
int OutlineMargin(int penWidth) {
    return std::max(penWidth, 1) + 2;
}

QFont MakeFont(const TextStyle& style) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setPointSize(style.pointSize);
    font.setBold(style.bold);
    return font;
}

}  // namespace

QImageSurface::QImageSurface(int width, int height, Rendering rendering, double devicePixelRatio)
    : rendering_(rendering),
      ratio_(std::max(devicePixelRatio, 1.0)),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      image_(WhiteImage(width_, height_, ratio_)),
      font_(MakeFont(fontStyle_)) {}

QImageSurface::~QImageSurface() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

const QImage& QImageSurface::Image() {
    if (painter_.isActive()) {
        painter_.end();
    }
    return image_;
}

void QImageSurface::SetDevicePixelRatio(double ratio) {
    ratio = std::max(ratio, 1.0);
    if (ratio == ratio_) {
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    ratio_ = ratio;
    image_ = WhiteImage(width_, height_, ratio_);
    stamps_.clear();
}

int QImageSurface::StampScale() const {
    const double whole = std::round(ratio_);
    return whole == ratio_ ? static_cast<int>(whole) : 0;
}

void QImageSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_) {
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    width_ = width;
    height_ = height;
    QImage resized = WhiteImage(width, height, ratio_);
    {
        QPainter copy(&resized);
        copy.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

QPainter& QImageSurface::Painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        // At ratio 1 aliased drawing covers the pixel right of and below each
        // coordinate; half a logical pixel further covers the same area above it.
        if (ratio_ != 1) {
            painter_.translate(0.5, 0.5);
        }
        painter_.setBackground(Qt::white);
        painter_.setBrush(ToQColor(brushColour_));
        penApplied_ = false;
        fontApplied_ = false;
    }
    return painter_;
}

// A one-pixel pen leaves out the end point of a line, as the line-to of the
// platforms the coordinates come from does; wider pens have round ends. Above
// ratio 1 the one-pixel pen is a logical pixel wide, not one of the image's.
void QImageSurface::ApplyPen() {
    QPainter& painter = Painter();
    if (!penApplied_) {
        const bool thin = penWidth_ <= 1;
        const double thinWidth = ratio_ == 1 ? 0 : 1;
        painter.setPen(QPen(ToQColor(penColour_), thin ? thinWidth : penWidth_, Qt::SolidLine,
                            thin ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
        penApplied_ = true;
    }
}

void QImageSurface::BeginKey(char drawing, bool withColours) {
    key_.clear();
    key_ += drawing;
    if (withColours) {
        AppendToKey(penColour_);
        AppendToKey(penWidth_);
        AppendToKey(brushColour_);
    }
}

template <typename T>
void QImageSurface::AppendToKey(const T& value) {
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename Draw>
bool QImageSurface::DrawStamped(Point at, Point extentTopLeft, Point extentBottomRight,
                                const Draw& draw) {
    const int scale = StampScale();
    if (rendering_ != Rendering::Stamped || scale == 0) {
        return false;
    }
    auto found = stamps_.find(key_);
    if (found == stamps_.end()) {
        if (stamps_.size() >= kMaxStamps) {
            stamps_.clear();
        }
        found = stamps_.emplace(key_, MakeStamp(at, extentTopLeft, extentBottomRight, draw)).first;
    }
    const std::optional<Stamp>& stamp = found->second;
    const Point onImage{at.x * scale, at.y * scale};
    if (!stamp || !stamp->FitsIn(image_, onImage)) {
        return false;
    }
    stamp->StampOn(image_, onImage);
    return true;
}

// The same calls on a Plain surface, once over black and once over white,
// tell the pixels the drawing sets from those it leaves or blends.
template <typename Draw>
std::optional<Stamp> QImageSurface::MakeStamp(Point at, Point extentTopLeft,
                                              Point extentBottomRight, const Draw& draw) {
    const int width = extentBottomRight.x - extentTopLeft.x + 1;
    const int height = extentBottomRight.y - extentTopLeft.y + 1;
    QImageSurface scratch(width, height, Rendering::Plain, ratio_);
    scratch.SetPenColour(penColour_);
    scratch.SetPenWidth(penWidth_);
    scratch.SetBrushColour(brushColour_);
    const Point anchor{-extentTopLeft.x, -extentTopLeft.y};
    const Point shift{anchor.x - at.x, anchor.y - at.y};
    std::array<QImage, 2> renders;
    for (int i = 0; i < 2; ++i) {
        scratch.Image();  // ends the painter, so that the image may be filled
        scratch.image_.fill(i == 0 ? Qt::black : Qt::white);
        draw(scratch, shift);
        renders[static_cast<std::size_t>(i)] = scratch.Image();
    }
    const int scale = StampScale();
    return Stamp::FromRenders(renders[0], renders[1], {anchor.x * scale, anchor.y * scale});
}

void QImageSurface::LineTo(Point to) {
    const Point from = position_;
    const Point delta{to.x - from.x, to.y - from.y};
    BeginKey('L', true);
    AppendToKey(delta);
    const int m = OutlineMargin(penWidth_);
    if (DrawStamped(from, {std::min(delta.x, 0) - m, std::min(delta.y, 0) - m},
                    {std::max(delta.x, 0) + m, std::max(delta.y, 0) + m},
                    [from, to](QImageSurface& surface, Point shift) {
                        surface.MoveTo({from.x + shift.x, from.y + shift.y});
                        surface.LineTo({to.x + shift.x, to.y + shift.y});
                    })) {
        position_ = to;
        return;
    }
    ApplyPen();
    painter_.drawLine(position_.x, position_.y, to.x, to.y);
    position_ = to;
}

void QImageSurface::SetPenColour(Rgb colour) {
    penColour_ = colour;
    penApplied_ = false;
}

void QImageSurface::SetPenWidth(int width) {
    penWidth_ = width;
    penApplied_ = false;
}

void QImageSurface::SetBrushColour(Rgb colour) {
    brushColour_ = colour;
    if (painter_.isActive()) {
        painter_.setBrush(ToQColor(colour));
    }
}

void QImageSurface::Polygon(std::span<const Point> points) {
    if (!points.empty()) {
        const Point at = points.front();
        BeginKey('P', true);
        Point low{0, 0};
        Point high{0, 0};
        for (const Point& p : points) {
            const Point relative{p.x - at.x, p.y - at.y};
            AppendToKey(relative);
            low = {std::min(low.x, relative.x), std::min(low.y, relative.y)};
            high = {std::max(high.x, relative.x), std::max(high.y, relative.y)};
        }
        const int m = OutlineMargin(penWidth_);
        if (DrawStamped(at, {low.x - m, low.y - m}, {high.x + m, high.y + m},
                        [points](QImageSurface& surface, Point shift) {
                            std::vector<Point> moved(points.begin(), points.end());
                            for (Point& p : moved) {
                                p = {p.x + shift.x, p.y + shift.y};
                            }
                            surface.Polygon(moved);
                        })) {
            return;
        }
    }
    ApplyPen();
    polygon_.clear();
    for (const Point& p : points) {
        polygon_.emplace_back(p.x, p.y);
    }
    painter_.drawPolygon(polygon_.data(), static_cast<int>(polygon_.size()));
}

void QImageSurface::Ellipse(Point topLeft, Point bottomRight) {
    const Point size{bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
    BeginKey('E', true);
    AppendToKey(size);
    const int m = OutlineMargin(penWidth_);
    if (DrawStamped(topLeft, {std::min(size.x, 0) - m, std::min(size.y, 0) - m},
                    {std::max(size.x, 0) + m, std::max(size.y, 0) + m},
                    [topLeft, bottomRight](QImageSurface& surface, Point shift) {
                        surface.Ellipse({topLeft.x + shift.x, topLeft.y + shift.y},
                                        {bottomRight.x + shift.x, bottomRight.y + shift.y});
                    })) {
        return;
    }
    ApplyPen();
    // QPainter's outline covers one pixel more than the box is wide.
    painter_.drawEllipse(
        QRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x - 1, bottomRight.y - topLeft.y - 1));
}

void QImageSurface::FillWhite() {
    if (rendering_ == Rendering::Stamped) {
        std::memset(image_.bits(), 0xff, static_cast<std::size_t>(image_.sizeInBytes()));
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    image_.fill(Qt::white);
}

void QImageSurface::Text(Point topLeft, std::string_view text, const TextStyle& style) {
    // Text is black on white whatever the pen and brush. The extent allows
    // two ems a character and an em around, in pixels at 96 dots per inch.
    if (text.size() <= kMaxStampedText) {
        BeginKey('T', false);
        AppendToKey(style.pointSize);
        AppendToKey(style.bold);
        AppendToKey(style.opaqueBackground);
        key_.append(text);
        const int em = std::clamp(style.pointSize, 1, 100) * 2;
        const int length = static_cast<int>(text.size());
        if (DrawStamped(topLeft, {-em, -em}, {em * (2 * length + 1), em * 3},
                        [topLeft, text, style](QImageSurface& surface, Point shift) {
                            surface.Text({topLeft.x + shift.x, topLeft.y + shift.y}, text, style);
                        })) {
            return;
        }
    }
    QPainter& painter = Painter();
    if (style.pointSize != fontStyle_.pointSize || style.bold != fontStyle_.bold) {
        fontStyle_ = style;
        font_ = MakeFont(style);
        fontApplied_ = false;
    }
    if (!fontApplied_) {
        painter.setFont(font_);
        fontAscent_ = painter.fontMetrics().ascent();
        fontApplied_ = true;
    }
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        text_.resize(static_cast<qsizetype>(text.size()));
        for (std::size_t i = 0; i < text.size(); ++i) {
            text_[static_cast<qsizetype>(i)] = QChar(static_cast<unsigned char>(text[i]));
        }
    } else {
        text_ = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    painter.setBackgroundMode(style.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setPen(Qt::black);
    penApplied_ = false;
    painter.drawText(topLeft.x, topLeft.y + fontAscent_, text_);
}

}  // namespace quorvane
