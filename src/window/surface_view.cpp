#include "window/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "qpainter/qimage_surface.h"

namespace quorvane {

SurfaceView::SurfaceView(QImageSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(surface_.Width(), surface_.Height());
}

void SurfaceView::Refresh() {
    setFixedSize(surface_.Width(), surface_.Height());
    update();
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    // The image may hold more pixels than the widget (a device pixel ratio
    // above 1); drawn at its logical size, the painter clipped to the event.
    static_cast<void>(event);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), surface_.Image());
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

}  // namespace quorvane
