// The car diagram with its scheme-type marks, as the window shows the current
// car on every refresh.
#pragma once

#include "drawing/drawing_surface.h"
#include "model/scheme.h"

namespace quorvane {

inline constexpr int kCarViewWidth = 800;
inline constexpr int kCarViewHeight = 147;

// Where the view puts the car: axle positions counted from x 0, the upper
// wheel row at y 40, the lower one 70 below it, wheel treads 6 deep.
inline constexpr int kCarViewOriginX = 0;
inline constexpr int kCarViewOriginY = 40;
inline constexpr int kCarViewAxleLength = 70;
inline constexpr int kCarViewWheelDepth = 6;

// DrawCar of the current car, then its marks for the scheme's type.
void DrawCarView(DrawingSurface& surface, Scheme& scheme);

}  // namespace quorvane
