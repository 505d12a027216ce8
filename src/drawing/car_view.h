// The car diagram with its scheme-type marks: the window's picture of the
// current car, and the tool's and the sheet's of any car.
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

// What the view shows: one car, the marks of a scheme type over it, and the
// wheels of one of its axle slots green.
struct CarView {
    const CarRecord& car;
    int schemeType = 0;
    bool lastCar = false;      // the type 1 and 2 marks close their path on the train's last car
    int highlightedAxle = -1;  // the axle slot whose wheels are green, or -1
};

// The current car as the window shows it: in ParameterMode the wheels of the
// walk position are green.
CarView CurrentCarView(const Scheme& scheme);

// Car `car` of the train (bounds-checked), every wheel grey unless
// highlightedAxle names an axle slot.
CarView CarViewOf(const Scheme& scheme, int car, int highlightedAxle = -1);

// DrawCar of the car, then its marks.
void DrawCarView(DrawingSurface& surface, const CarView& view);

// Where the view draws the wheel of the axle slot on the side (kLeftSide or
// kRightSide, the wheel's own): the middle of its tread's width, in the
// upper or the lower row. A reversed car has its left wheels in the upper
// row and its axles drawn from right to left.
struct WheelPlace {
    int x = 0;
    bool upper = false;
};
WheelPlace WheelInCarView(const CarRecord& car, int axle, int side);

// The axle slot whose wheels or bar the view draws at the point, or -1: a
// column as wide as a wheel from the upper wheel's tread to the lower one's.
// Columns of neighbouring axles never overlap.
int AxleAtCarViewPoint(const CarRecord& car, Point at);

}  // namespace quorvane
