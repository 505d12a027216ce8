// The car diagram: a car's axles as bars with a wheel at each end, labelled
// with axle number and side letter, grouped by bogie.
#pragma once

#include <array>
#include <cstdint>

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

// By axle slot: the 1-based bogie it belongs to, 0 from the axle count on.
// Each axle stands kShiftUnit pixels further right per bogie number, so that
// the car's bogies show as groups.
using AxleShifts = std::array<std::int32_t, kMaxAxles>;

// Bogies share the axles evenly, the surplus going to the front bogies. Counts
// outside the layout limits (only a malformed file brings them) stay within
// the 16 entries: a bogie count of 0 or less leaves every shift 0.
AxleShifts ComputeAxleShifts(int axleCount, int bogieCount);

// Fills the surface white and draws the car's axles, left to right, from
// (originX, originY), grouped by ComputeAxleShifts of the car's counts. The
// wheels of axle slot highlightedAxle are green (-1: none). An axle count
// above 16 draws 16 axles, below 1 none.
void DrawCar(DrawingSurface& surface, const CarRecord& car, int highlightedAxle, int originX,
             int originY, int axleCount, int wheelDepth, int axleLength);

// One axle bar whose reference point is (x, y), the upper end of the axle.
void DrawAxle(DrawingSurface& surface, int x, int y, int width, int length, Rgb fill);

// One wheel whose reference point (x, y) is where it meets the axle, then its
// label: axle index + 1 and the side letter, which follows the orientation
// of the car (invertedCar: it stands reversed). The upper wheel's flange
// hangs down towards the axle.
void DrawUpperWheel(DrawingSurface& surface, bool invertedCar, int x, int y, int width, int depth,
                    Rgb fill, int axleIndex);
void DrawLowerWheel(DrawingSurface& surface, bool invertedCar, int x, int y, int width, int depth,
                    Rgb fill, int axleIndex);

}  // namespace quorvane
