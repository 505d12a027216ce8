// Pictures of a scheme without a window: the car view and the train strip
// drawn on a fresh image. Needs a QGuiApplication (offscreen will do).
#pragma once

#include <QImage>

#include "drawing/car_view.h"

namespace quorvane {

// The car view, 800 × 147, as the window shows it.
QImage RenderCarView(const CarView& view);

// The strip of the scheme's train with currentCar green and hoveredCar
// highlighted (each -1 for none), on a surface that starts at the window's
// 800 × 102.
QImage RenderTrainStrip(const Scheme& scheme, int currentCar, int hoveredCar);

}  // namespace quorvane
