// The position numbers of a car's wheels on its diagram: each file entry's
// place in the order of measurement, at the wheel whose label is the
// entry's axle and side letter ("3R"), in every scheme type and
// orientation. The table of the sheet and quorvane-tool plan number the
// wheels the same way.
#pragma once

#include <span>
#include <vector>

#include "drawing/drawing_surface.h"
#include "model/scheme.h"
#include "model/wheel_order.h"

namespace quorvane {

// One wheel of a car in the order of the file: its entry and its place in
// the whole train's order, from 1.
struct NumberedWheel {
    WheelEntry entry;
    int position = 0;
};

// The wheels of car c in the order the scheme type lists them.
std::vector<NumberedWheel> NumberedWheelsOf(const Scheme& scheme, int c);

// The rows above and below the car view where the numbers go, in the
// view's coordinates: the view's 147 rows lie between them.
inline constexpr int kNumbersAbove = 14;
inline constexpr int kNumbersBelow = 14;

// Draws each wheel's number centred over its wheel: above the view for the
// upper row, below it for the lower one.
void DrawWheelNumbers(DrawingSurface& surface, const CarRecord& car,
                      std::span<const NumberedWheel> wheels);

}  // namespace quorvane
