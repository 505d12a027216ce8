#include "model/progress.h"

#include <algorithm>

namespace quorvane {

namespace {

int AxlesOf(const CarRecord& car) {
    return std::clamp(car.axleCount, 0, kMaxAxles);
}

}  // namespace

bool IsWheelSetComplete(const Scheme& scheme, int car, int axle) {
    const CarRecord& record = scheme.cars.at(static_cast<std::size_t>(car));
    const AxleSlot& slot = record.axles.at(static_cast<std::size_t>(axle));
    return !record.series.empty() && !record.carNumber.empty() && !slot.axleName.empty() &&
           !slot.run.empty() && !slot.sides[kLeftSide].wheelSetName.empty() &&
           !slot.sides[kRightSide].wheelSetName.empty();
}

bool IsCarComplete(const Scheme& scheme, int car) {
    const int axles = AxlesOf(scheme.cars.at(static_cast<std::size_t>(car)));
    for (int axle = 0; axle < axles; ++axle) {
        if (!IsWheelSetComplete(scheme, car, axle)) {
            return false;
        }
    }
    return true;
}

TrainProgress ProgressOf(const Scheme& scheme) {
    TrainProgress progress;
    const int cars = std::clamp(scheme.state.carCount, 0, kMaxCars);
    for (int car = 0; car < cars; ++car) {
        const int axles = AxlesOf(scheme.cars[static_cast<std::size_t>(car)]);
        progress.wheelSets += axles;
        for (int axle = 0; axle < axles; ++axle) {
            progress.complete += IsWheelSetComplete(scheme, car, axle) ? 1 : 0;
        }
    }
    return progress;
}

}  // namespace quorvane
