#include "window/scheme_drawings.h"

#include <QAction>
#include <QFrame>
#include <QScrollArea>

#include "document/scheme_document.h"
#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "window/surface_view.h"

namespace quorvane {

SchemeDrawings::SchemeDrawings(const SchemeDocument& document, QWidget& carPanel,
                               QWidget& stripPanel)
    : QObject(&carPanel),
      document_(document),
      carSurface_(kCarViewWidth, kCarViewHeight),
      stripSurface_(kStripFitWidth, kStripFitHeight),
      image1_(new SurfaceView(carSurface_, &carPanel)),
      scrollBox1_(new QScrollArea(&stripPanel)),
      image2_(new SurfaceView(stripSurface_, nullptr)) {
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->move(2, 2);
    scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox1_->setGeometry(2, 2, 800, 102);
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    scrollBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setFocusPolicy(Qt::StrongFocus);
    scrollBox1_->setWidget(image2_);
}

void SchemeDrawings::AddMenuActions(const QList<QAction*>& actions) {
    for (SurfaceView* drawing : {image1_, image2_}) {
        drawing->setContextMenuPolicy(Qt::ActionsContextMenu);
        drawing->addActions(actions);
    }
}

void SchemeDrawings::AddStripMenuActions(const QList<QAction*>& actions) {
    image2_->setContextMenuPolicy(Qt::ActionsContextMenu);
    image2_->addActions(actions);
    auto* separator = new QAction(image2_);
    separator->setSeparator(true);
    image2_->addAction(separator);
}

void SchemeDrawings::Refresh() {
    const Scheme& s = document_.scheme();
    DrawStrip(-1);
    // The current car's pictogram, gaps included, always in view.
    scrollBox1_->ensureVisible(
        kStripBodyLeft + s.state.currentCar * kStripPitch + kStripBodyWidth / 2, kStripBodyTop,
        kStripPitch / 2 + kStripBodyLeft, 0);
    DrawCarView(carSurface_, CurrentCarView(s));
    image1_->Refresh();
}

void SchemeDrawings::MatchRatio(double ratio) {
    if (ratio == carSurface_.DevicePixelRatio() && ratio == stripSurface_.DevicePixelRatio()) {
        return;
    }
    carSurface_.SetDevicePixelRatio(ratio);
    stripSurface_.SetDevicePixelRatio(ratio);
    ForgetHover();
    Refresh();
}

void SchemeDrawings::Image1MouseDown(QPoint at, Qt::MouseButton button) {
    const Scheme& s = document_.scheme();
    if (button != Qt::LeftButton || s.mode != Mode::ParameterMode) {
        return;
    }
    const int axle = AxleAtCarViewPoint(CurrentCar(s), {at.x(), at.y()});
    if (axle >= 0) {
        emit axleClicked(axle);
    }
}

void SchemeDrawings::Image2MouseDown(QPoint at) {
    const int car = CarAtStripPoint(document_.scheme().state.carCount, at.x(), at.y());
    if (car >= 0) {
        emit carClicked(car);
    } else {
        Refresh();
    }
}

void SchemeDrawings::Image2MouseMove(QPoint at) {
    // The strip changes only where the pointer crosses into another car.
    const int car = CarAtStripPoint(document_.scheme().state.carCount, at.x(), at.y());
    if (car != stripHovered_) {
        DrawStrip(car);
    }
}

void SchemeDrawings::DrawStrip(int hovered) {
    const Scheme& s = document_.scheme();
    stripHovered_ = kStripUnknown;
    DrawTrainStrip(stripSurface_, s, s.state.currentCar, hovered);
    stripHovered_ = hovered;
    image2_->Refresh();
}

}  // namespace quorvane
