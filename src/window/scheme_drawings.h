// The window's two drawings: the car diagram of the current car and the
// strip of the whole train below it, each on a surface at the screen's
// pixel ratio, with the strip's hover highlight and what a click on either
// picks.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include "qpainter/qimage_surface.h"

class QAction;
class QScrollArea;
class QWidget;

namespace quorvane {

class SchemeDocument;
class SurfaceView;

class SchemeDrawings final : public QObject {
    Q_OBJECT

public:
    // The car diagram goes into carPanel, the strip into a scroll box in
    // stripPanel.
    SchemeDrawings(const SchemeDocument& document, QWidget& carPanel, QWidget& stripPanel);

    // Draws both anew, the current car's pictogram scrolled into view.
    void Refresh();
    // Draws both at a new device pixel ratio; nothing when it is the same.
    void MatchRatio(double ratio);
    // After a failed handler: the strip shows no known hover any more.
    void ForgetHover() { stripHovered_ = kStripUnknown; }

    // Menu entries of both drawings' context menus.
    void AddMenuActions(const QList<QAction*>& actions);
    // Menu entries of the strip's alone, which work on the car the click
    // picked; a separator follows them.
    void AddStripMenuActions(const QList<QAction*>& actions);

    SurfaceView& CarView() const { return *image1_; }
    // It takes the focus in the layout, where nothing is typed.
    SurfaceView& Strip() const { return *image2_; }

    // The handlers of the drawings' mouse events. Only the left button on
    // the car diagram picks an axle, the right one opening the menu; any
    // button on the strip picks a car, as it always did.
    void Image1MouseDown(QPoint at, Qt::MouseButton button);
    void Image2MouseDown(QPoint at);
    void Image2MouseMove(QPoint at);

signals:
    // A click on a wheel or its axle during the walk: the axle slot of the
    // current car.
    void axleClicked(int axle);
    // A click on a car of the strip.
    void carClicked(int car);

private:
    // Draws the strip with the given car hovered (-1 for none) and shows it.
    void DrawStrip(int hovered);

    const SchemeDocument& document_;
    QImageSurface carSurface_;
    QImageSurface stripSurface_;
    // The hovered car the strip shows; kStripUnknown after a draw that did
    // not finish or a handler that failed before its refresh.
    static constexpr int kStripUnknown = -2;
    int stripHovered_ = kStripUnknown;
    SurfaceView* image1_;
    QScrollArea* scrollBox1_;
    SurfaceView* image2_;
};

}  // namespace quorvane
