// The car diagram: the current car's axles as bars with a wheel at each end,
// labelled with axle number and side letter, grouped by bogie.
#pragma once

#include "drawing/drawing_surface.h"
#include "model/rgb.h"
#include "model/scheme.h"

namespace quorvane {

inline constexpr int kWheelWidth = 40;
inline constexpr int kShiftUnit = 13;  // pixels per bogie number

// Pixels from one axle to the next; depends only on the number of axles (n >= 1).
constexpr int AxlePitch(int axleCount) {
    return (axleCount + kWheelWidth) / axleCount + kWheelWidth;
}

// axleShift[i] = the 1-based bogie of axle slot i, 0 from the axle count on.
// Bogies share the axles evenly, the surplus going to the front bogies. Counts
// outside the layout limits (only a malformed file brings them) stay within
// the 16 entries: a bogie count of 0 or less leaves every shift 0.
void ComputeAxleShifts(SchemeState& state, int axleCount, int bogieCount);

// Fills the surface white and draws the current car's axles, left to right,
// from (originX, originY). Stores the car's shifts in state.axleShift first;
// the marks read them. An axle count above 16 draws 16 axles, below 1 none.
void DrawCar(DrawingSurface& surface, Scheme& scheme, int originX, int originY, int axleCount,
             int wheelDepth, int axleLength);

// One axle bar whose reference point is (x, y), the upper end of the axle.
void DrawAxle(DrawingSurface& surface, int x, int y, int width, int length, Rgb fill);

// One wheel whose reference point (x, y) is where it meets the axle, then its
// label: axle index + 1 and the side letter, which follows the current car's
// orientation. The upper wheel's flange hangs down towards the axle.
void DrawUpperWheel(DrawingSurface& surface, const Scheme& scheme, int x, int y, int width,
                    int depth, Rgb fill, int axleIndex);
void DrawLowerWheel(DrawingSurface& surface, const Scheme& scheme, int x, int y, int width,
                    int depth, Rgb fill, int axleIndex);

}  // namespace quorvane
