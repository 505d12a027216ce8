#include "drawing/qimage_surface.h"

#include <QColor>
#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <algorithm>

namespace quorvane {
namespace {

// 96 dots per inch, so that 8 point is 11 pixels whatever the screen.
constexpr int kDotsPerMeter = 3780;

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QImage WhiteImage(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

QFont MakeFont(const TextStyle& style) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setPointSize(style.pointSize);
    font.setBold(style.bold);
    return font;
}

}  // namespace

QImageSurface::QImageSurface(int width, int height)
    : image_(WhiteImage(width, height)), font_(MakeFont(fontStyle_)) {}

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

void QImageSurface::Resize(int width, int height) {
    if (width == image_.width() && height == image_.height()) {
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    QImage resized = WhiteImage(width, height);
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
        painter_.setBackground(Qt::white);
        painter_.setBrush(ToQColor(brushColour_));
        penApplied_ = false;
        fontApplied_ = false;
    }
    return painter_;
}

// A one-pixel pen leaves out the end point of a line, as the line-to of the
// platforms the coordinates come from does; wider pens have round ends.
void QImageSurface::ApplyPen() {
    QPainter& painter = Painter();
    if (!penApplied_) {
        const bool thin = penWidth_ <= 1;
        painter.setPen(QPen(ToQColor(penColour_), thin ? 0 : penWidth_, Qt::SolidLine,
                            thin ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
        penApplied_ = true;
    }
}

void QImageSurface::LineTo(Point to) {
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
    ApplyPen();
    polygon_.clear();
    for (const Point& p : points) {
        polygon_.emplace_back(p.x, p.y);
    }
    painter_.drawPolygon(polygon_.data(), static_cast<int>(polygon_.size()));
}

void QImageSurface::Ellipse(Point topLeft, Point bottomRight) {
    ApplyPen();
    // QPainter's outline covers one pixel more than the box is wide.
    painter_.drawEllipse(
        QRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x - 1, bottomRight.y - topLeft.y - 1));
}

void QImageSurface::FillWhite() {
    Painter().fillRect(image_.rect(), Qt::white);
}

void QImageSurface::Text(Point topLeft, std::string_view text, const TextStyle& style) {
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
    text_.resize(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        text_[static_cast<qsizetype>(i)] = QChar(static_cast<unsigned char>(text[i]));
    }
    painter.setBackgroundMode(style.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setPen(Qt::black);
    penApplied_ = false;
    painter.drawText(topLeft.x, topLeft.y + fontAscent_, text_);
}

}  // namespace quorvane
