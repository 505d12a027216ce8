#include "model/scheme.h"

namespace quorvane {

CarRecord& CurrentCar(Scheme& scheme) {
    return scheme.cars.at(static_cast<std::size_t>(scheme.state.currentCar));
}

const CarRecord& CurrentCar(const Scheme& scheme) {
    return scheme.cars.at(static_cast<std::size_t>(scheme.state.currentCar));
}

AxleSlot& CurrentAxleSlot(Scheme& scheme) {
    return CurrentCar(scheme).axles.at(static_cast<std::size_t>(scheme.state.currentAxle));
}

const AxleSlot& CurrentAxleSlot(const Scheme& scheme) {
    return CurrentCar(scheme).axles.at(static_cast<std::size_t>(scheme.state.currentAxle));
}

void NewScheme(Scheme& scheme) {
    scheme.mode = Mode::LayoutMode;
    scheme.state.carCount = 1;
    scheme.state.schemeType = kNewSchemeType;
    scheme.cars[0].axleCount = 4;
    scheme.cars[0].bogieCount = 2;
    ClearAllCars(scheme);
    scheme.state.totalAxles = 0;  // no walk until Set
}

void ClearAllCars(Scheme& scheme) {
    for (CarRecord& car : scheme.cars) {
        car.series.clear();
        car.carNumber.clear();
        car.inverted = false;
        for (AxleSlot& axle : car.axles) {
            axle.axleName.clear();
            axle.run.clear();
            for (WheelSide& side : axle.sides) {
                side.wheelSetName.clear();
            }
        }
    }
    scheme.state.currentCar = 0;
    scheme.state.currentAxle = 0;
    scheme.state.walkCursor = 0;
}

}  // namespace quorvane
