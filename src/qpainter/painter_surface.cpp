#include "qpainter/painter_surface.h"

#include <QColor>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <algorithm>
#include <utility>

namespace quorvane {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

void ToQString(std::string_view text, QString& into) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        into.resize(static_cast<qsizetype>(text.size()));
        for (std::size_t i = 0; i < text.size(); ++i) {
            into[static_cast<qsizetype>(i)] = QChar(static_cast<unsigned char>(text[i]));
        }
    } else {
        into = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
}

}  // namespace

PainterSurface::PainterSurface(SurfacePolicy policy)
    : policy_(std::move(policy)), font_(FontOf(policy_, fontStyle_)) {}

void PainterSurface::SetPolicy(SurfacePolicy policy) {
    policy_ = std::move(policy);
    font_ = FontOf(policy_, fontStyle_);
    penApplied_ = false;
    fontApplied_ = false;
}

void PainterSurface::SetUpPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (policy_.halfPixelShift) {
        painter.translate(0.5, 0.5);
    }
    painter.setBackground(Qt::white);
    penApplied_ = false;
    brushApplied_ = false;
    fontApplied_ = false;
}

void PainterSurface::SetPenColour(Rgb colour) {
    penColour_ = colour;
    penApplied_ = false;
}

void PainterSurface::SetPenWidth(int width) {
    penWidth_ = width;
    penApplied_ = false;
}

void PainterSurface::SetBrushColour(Rgb colour) {
    brushColour_ = colour;
    brushApplied_ = false;
}

void PainterSurface::ApplyPenAndBrush(QPainter& painter) {
    if (!penApplied_ || policy_.stateEveryCall) {
        const bool thin = penWidth_ <= 1;
        painter.setPen(QPen(ToQColor(penColour_), thin ? policy_.thinPenWidth : penWidth_,
                            Qt::SolidLine, thin ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
        penApplied_ = true;
    }
    if (!brushApplied_ || policy_.stateEveryCall) {
        painter.setBrush(ToQColor(brushColour_));
        brushApplied_ = true;
    }
}

void PainterSurface::LineTo(Point to) {
    QPainter& painter = ActivePainter();
    ApplyPenAndBrush(painter);
    painter.drawLine(position_.x, position_.y, to.x, to.y);
    position_ = to;
}

void PainterSurface::Polygon(std::span<const Point> points) {
    QPainter& painter = ActivePainter();
    ApplyPenAndBrush(painter);
    polygon_.clear();
    for (const Point& p : points) {
        polygon_.emplace_back(p.x, p.y);
    }
    painter.drawPolygon(polygon_.data(), static_cast<int>(polygon_.size()));
}

void PainterSurface::Ellipse(Point topLeft, Point bottomRight) {
    QPainter& painter = ActivePainter();
    ApplyPenAndBrush(painter);
    // QPainter's outline covers one pixel more than the box is wide.
    painter.drawEllipse(
        QRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x - 1, bottomRight.y - topLeft.y - 1));
}

void PainterSurface::ApplyFont(QPainter& painter, const TextStyle& style) {
    if (style.pointSize != fontStyle_.pointSize || style.bold != fontStyle_.bold) {
        fontStyle_ = style;
        font_ = FontOf(policy_, style);
        fontApplied_ = false;
    }
    if (!fontApplied_ || policy_.stateEveryCall) {
        painter.setFont(font_);
        fontAscent_ = policy_.integerMetrics ? painter.fontMetrics().ascent()
                                             : QFontMetricsF(painter.font()).ascent();
        fontApplied_ = true;
    }
}

// Text is black whatever the pen, on white when opaque whatever the brush.
void PainterSurface::Text(Point topLeft, std::string_view text, const TextStyle& style) {
    QPainter& painter = ActivePainter();
    ApplyFont(painter, style);
    ToQString(text, text_);
    painter.setPen(Qt::black);
    penApplied_ = false;
    if (policy_.opaqueText == SurfacePolicy::OpaqueText::BackgroundMode) {
        painter.setBackgroundMode(style.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    } else if (style.opaqueBackground) {
        QSizeF cell;
        if (policy_.integerMetrics) {
            const QFontMetrics metrics = painter.fontMetrics();
            cell = QSizeF(metrics.horizontalAdvance(text_), metrics.height());
        } else {
            const QFontMetricsF metrics(painter.font());
            cell = QSizeF(metrics.horizontalAdvance(text_), metrics.height());
        }
        painter.fillRect(QRectF(QPointF(topLeft.x, topLeft.y), cell), Qt::white);
    }
    painter.drawText(QPointF(topLeft.x, topLeft.y + fontAscent_), text_);
}

}  // namespace quorvane
