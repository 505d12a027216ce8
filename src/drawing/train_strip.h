// The train strip: one pictogram per car, numbered from 1, the current car
// green and the car under the pointer light green. A car whose wheel sets are
// all complete carries a tick below its body, a reversed car an arrow above
// it pointing against the train. Below each body's left end stand the car's
// axle and bogie counts, "6·3". The strip widens its surface when the train
// does not fit the visible 800 pixels.
#pragma once

#include <string>

#include "drawing/drawing_surface.h"
#include "model/rgb.h"
#include "model/scheme.h"

namespace quorvane {

inline constexpr int kStripPitch = 112;
inline constexpr int kStripBodyLeft = 20;  // of car 0
inline constexpr int kStripBodyTop = 24;
inline constexpr int kStripBodyWidth = 90;
inline constexpr int kStripBodyHeight = 45;

// The size of the strip's surface before its first draw, and while the train fits.
inline constexpr int kStripFitWidth = 800;
inline constexpr int kStripFitHeight = 102;
inline constexpr int kStripScrollHeight = 88;

// The marks sit outside the bodies, within these rows of the surface.
inline constexpr int kStripMarksTop = 8;
inline constexpr int kStripMarksBottom = 86;  // exclusive

// The counts' text cell starts here, relative to the body's top left corner:
// below the body, left of the tick, which begins 38 pixels in.
inline constexpr Point kStripCountsAt{2, kStripBodyHeight + 3};
inline constexpr TextStyle kStripCountsStyle{7, false, false};

// Sizes the surface for the train, fills it white and draws every car with
// its marks. currentCar is green (-1: none), hoveredCar, the car under the
// pointer, light green (-1: none). One car keeps the size the surface had,
// so after a long train the strip stays wide. Counts above 40 draw 40 cars.
void DrawTrainStrip(DrawingSurface& surface, const Scheme& scheme, int currentCar, int hoveredCar);

// Cars first to first + count - 1 with their marks, the first where car 0
// stands in the strip, on whatever the surface holds: a row of a strip
// wrapped on paper. The surface keeps its size.
void DrawTrainStripCars(DrawingSurface& surface, const Scheme& scheme, int first, int count,
                        int currentCar, int hoveredCar);

// "6·3": axles, a middle dot (UTF-8, as Text takes it), bogies.
std::string StripCountsText(int axles, int bogies);

// One car: the body with (x, y) its top left corner, two buffers at each end,
// and the number near the middle of the body.
void DrawCarPictogram(DrawingSurface& surface, int x, int y, int width, int height, int number,
                      Rgb colour);

// The car whose body holds the point strictly inside its outline, or -1. The
// outline, the buffers and the gaps between cars hit nothing.
int CarAtStripPoint(int carCount, int x, int y);

}  // namespace quorvane
