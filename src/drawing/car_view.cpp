#include "drawing/car_view.h"

#include <algorithm>

#include "drawing/car_diagram.h"
#include "drawing/scheme_marks.h"

namespace quorvane {

CarView CurrentCarView(const Scheme& scheme) {
    const bool walking = scheme.mode == Mode::ParameterMode;
    return CarViewOf(scheme, scheme.state.currentCar, walking ? scheme.state.currentAxle : -1);
}

CarView CarViewOf(const Scheme& scheme, int car, int highlightedAxle) {
    return CarView{.car = scheme.cars.at(static_cast<std::size_t>(car)),
                   .schemeType = scheme.state.schemeType,
                   .lastCar = car == scheme.state.carCount - 1,
                   .highlightedAxle = highlightedAxle};
}

void DrawCarView(DrawingSurface& surface, const CarView& view) {
    const CarRecord& car = view.car;
    DrawCar(surface, car, view.highlightedAxle, kCarViewOriginX, kCarViewOriginY, car.axleCount,
            kCarViewWheelDepth, kCarViewAxleLength);
    DrawSchemeMarks(surface, view.schemeType, car.axleCount, car.bogieCount, view.lastCar);
}

namespace {

// The left end of the wheels of the axle drawn i-th from the left.
int AxleLeft(const CarRecord& car, const AxleShifts& shifts, int i) {
    const int n = std::min(car.axleCount, kMaxAxles);
    return kCarViewOriginX + i * AxlePitch(n) + shifts[static_cast<std::size_t>(i)] * kShiftUnit;
}

}  // namespace

WheelPlace WheelInCarView(const CarRecord& car, int axle, int side) {
    const int n = std::min(car.axleCount, kMaxAxles);
    const int i = car.inverted ? n - 1 - axle : axle;
    const AxleShifts shifts = ComputeAxleShifts(car.axleCount, car.bogieCount);
    return {.x = AxleLeft(car, shifts, i) + (kWheelWidth - 3) / 2,
            .upper = (side == kLeftSide) == car.inverted};
}

int AxleAtCarViewPoint(const CarRecord& car, Point at) {
    const int n = std::min(car.axleCount, kMaxAxles);
    if (n < 1 || at.y < kCarViewOriginY - kCarViewWheelDepth - 1 ||
        at.y > kCarViewOriginY + kCarViewAxleLength + kCarViewWheelDepth + 1) {
        return -1;
    }
    const AxleShifts shifts = ComputeAxleShifts(car.axleCount, car.bogieCount);
    for (int i = 0; i < n; ++i) {
        // A pixel beyond the wheel's width each side: 42, the pitch is 43 or more.
        const int x = AxleLeft(car, shifts, i);
        if (at.x >= x - 1 && at.x < x + kWheelWidth + 1) {
            return car.inverted ? n - 1 - i : i;
        }
    }
    return -1;
}

}  // namespace quorvane
