#include "qpainter/qpainter_surface.h"

#include <QRect>

namespace quorvane {

QPainterSurface::QPainterSurface(QPainter& painter, int width, int height)
    : PainterSurface(SurfacePolicy::Sheet()), painter_(painter), width_(width), height_(height) {}

void QPainterSurface::Resize(int width, int height) {
    width_ = width;
    height_ = height;
}

void QPainterSurface::FillWhite() {
    painter_.fillRect(QRect(0, 0, width_, height_), Qt::white);
}

}  // namespace quorvane
