// Pictures of a scheme without a window: the car view and the train strip
// drawn on a fresh image. Needs a QGuiApplication (offscreen will do).
#pragma once

#include <QImage>

#include "drawing/car_view.h"

namespace quorvane {

// The car view, 800 × 147 logical pixels, as the window shows it; at a
// device pixel ratio above 1 drawn with that many more pixels (an image of
// 1600 × 294 at ratio 2 that says it is of ratio 2).
QImage RenderCarView(const CarView& view, double devicePixelRatio = 1);

// The strip of the scheme's train with currentCar green and hoveredCar
// highlighted (each -1 for none), on a surface that starts at the window's
// 800 × 102.
QImage RenderTrainStrip(const Scheme& scheme, int currentCar, int hoveredCar,
                        double devicePixelRatio = 1);

}  // namespace quorvane
