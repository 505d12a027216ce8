// Shows a drawing surface and reports mouse presses and pointer moves in
// its coordinates.
#pragma once

#include <QPoint>
#include <QWidget>

namespace quorvane {

class QImageSurface;

class SurfaceView final : public QWidget {
    Q_OBJECT

public:
    SurfaceView(QImageSurface& surface, QWidget* parent);

    // Takes the surface's size and repaints; call after drawing on it.
    void Refresh();

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    void moved(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImageSurface& surface_;
};

}  // namespace quorvane
