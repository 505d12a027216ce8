// The colours of the car diagram, its marks and the train strip.
#pragma once

#include "model/rgb.h"

namespace quorvane {

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kGrey{193, 193, 193};        // axle bars, idle wheels, ordinary cars
inline constexpr Rgb kGreen{0, 193, 0};           // wheels under the walk cursor, the current car
inline constexpr Rgb kHoverGreen{100, 255, 210};  // the car under the pointer
inline constexpr Rgb kRed{255, 0, 0};             // start dots and joining lines of the marks
inline constexpr Rgb kBlue{0, 0, 255};            // arrow shafts and heads

}  // namespace quorvane
