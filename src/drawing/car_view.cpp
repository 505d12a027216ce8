#include "drawing/car_view.h"

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

}  // namespace quorvane
