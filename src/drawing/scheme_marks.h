// The scheme-type marks: a path of arrows over the car diagram that shows in
// which order the scheme type lists the wheels. The path starts with a red
// dot, its arrows are blue, and red lines join an arrow to the one before.
#pragma once

#include "drawing/drawing_surface.h"

namespace quorvane {

// Draws the marks of the scheme type (1 to 6; any other draws nothing) over
// the diagram of a car of these counts, on the axle positions DrawCar gives
// them. Types 1 and 2 run along one side of the car and back along the
// other; on the last car of the train (lastCar) the two halves are joined.
// Types 3 to 6 put one arrow on each axle.
void DrawSchemeMarks(DrawingSurface& surface, int schemeType, int axleCount, int bogieCount,
                     bool lastCar);

// One arrow each. Unless `joined`, the arrow starts with a red dot; when
// joined, a red line runs from the pen position to its start instead. Each
// leaves the pen at a fixed point near its tip for the next joined arrow and
// restores the pen and brush colours, with the pen width back at 1.
void DrawRightArrow(DrawingSurface& surface, int x, int y, int length, bool joined);
void DrawLeftArrow(DrawingSurface& surface, int x, int y, int length, bool joined);
// Starts at (x, y) and points down to (x, y + length).
void DrawDownArrow(DrawingSurface& surface, int x, int y, int length, bool joined);
// Starts at (x, y + length) and points up to (x, y).
void DrawUpArrow(DrawingSurface& surface, int x, int y, int length, bool joined);

}  // namespace quorvane
