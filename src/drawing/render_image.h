// Pictures of a scheme without a window: the car view and the train strip
// drawn on a fresh image. Needs a QGuiApplication (offscreen will do).
#pragma once

#include <QImage>

#include "model/scheme.h"

namespace quorvane {

// The current car with its marks, 800 × 147, as the window shows it. Writes
// the car's axleShift like every car diagram does.
QImage RenderCarView(Scheme& scheme);

// The strip of the whole train with hoveredCar (or -1) highlighted, on a
// surface that starts at the window's 800 × 102.
QImage RenderTrainStrip(const Scheme& scheme, int hoveredCar);

}  // namespace quorvane
