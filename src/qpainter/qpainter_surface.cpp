#include "qpainter/qpainter_surface.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <cmath>

namespace quorvane {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

QFont SurfaceFont(const QString& family, const TextStyle& style) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(style.pointSize * 96.0 / 72.0)));
    font.setBold(style.bold);
    return font;
}

QPainterSurface::QPainterSurface(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height) {}

void QPainterSurface::Resize(int width, int height) {
    width_ = width;
    height_ = height;
}

void QPainterSurface::ApplyPenAndBrush() {
    // A thin line is a unit wide, flat-ended as the raster surface's, which
    // leaves out its end point; wider ones have round ends.
    const bool thin = penWidth_ <= 1;
    painter_.setPen(QPen(ToQColor(penColour_), thin ? 1 : penWidth_, Qt::SolidLine,
                         thin ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(ToQColor(brushColour_));
}

void QPainterSurface::LineTo(Point to) {
    ApplyPenAndBrush();
    painter_.drawLine(position_.x, position_.y, to.x, to.y);
    position_ = to;
}

void QPainterSurface::Polygon(std::span<const Point> points) {
    ApplyPenAndBrush();
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points) {
        polygon << QPoint(p.x, p.y);
    }
    painter_.drawPolygon(polygon);
}

void QPainterSurface::Ellipse(Point topLeft, Point bottomRight) {
    ApplyPenAndBrush();
    painter_.drawEllipse(
        QRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x - 1, bottomRight.y - topLeft.y - 1));
}

void QPainterSurface::FillWhite() {
    painter_.fillRect(QRect(0, 0, width_, height_), Qt::white);
}

void QPainterSurface::Text(Point topLeft, std::string_view text, const TextStyle& style) {
    const QFont font = SurfaceFont(QStringLiteral("DejaVu Sans"), style);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF metrics(font, painter_.device());
    if (style.opaqueBackground) {
        painter_.fillRect(QRectF(QPointF(topLeft.x, topLeft.y),
                                 QSizeF(metrics.horizontalAdvance(shown), metrics.height())),
                          Qt::white);
    }
    painter_.drawText(QPointF(topLeft.x, topLeft.y + metrics.ascent()), shown);
}

}  // namespace quorvane
