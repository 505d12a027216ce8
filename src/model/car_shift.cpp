#include "model/car_shift.h"

#include <algorithm>
#include <cstdint>

#include "model/layout.h"

namespace quorvane {

namespace {

bool CurrentInTrain(const Scheme& scheme) {
    const SchemeState& state = scheme.state;
    return state.carCount >= kMinCars && state.carCount <= kMaxCars && state.currentCar >= 0 &&
           state.currentCar < state.carCount;
}

}  // namespace

std::optional<CarInsertion> PlanCarInsertion(const Scheme& scheme, InsertPlace place) {
    if (!CurrentInTrain(scheme) || scheme.state.carCount >= kMaxCars) {
        return std::nullopt;
    }
    const int free = scheme.state.carCount;
    const int at = scheme.state.currentCar + (place == InsertPlace::AfterCurrent ? 1 : 0);
    const CarRecord& current = CurrentCar(scheme);
    return CarInsertion{
        .move = {.from = static_cast<std::int8_t>(free), .to = static_cast<std::int8_t>(at)},
        .shape = {current.inverted, current.axleCount, current.bogieCount},
        .texts = TextsOfJoiningCar(scheme.cars[static_cast<std::size_t>(free)], at,
                                   current.axleCount, SeriesOfJoiningCar(scheme)),
    };
}

void ApplyCarInsertion(Scheme& scheme, const CarInsertion& insertion) {
    MoveCar(scheme, insertion.move, ChangeSide::After);
    ApplyTextChanges(scheme, insertion.texts, ChangeSide::After);
    CarRecord& inserted = scheme.cars.at(static_cast<std::size_t>(insertion.move.to));
    inserted.inverted = insertion.shape.inverted;
    inserted.axleCount = insertion.shape.axleCount;
    inserted.bogieCount = insertion.shape.bogieCount;
    ++scheme.state.carCount;
    scheme.state.currentCar = insertion.move.to;
}

bool InsertCar(Scheme& scheme, InsertPlace place) {
    const std::optional<CarInsertion> insertion = PlanCarInsertion(scheme, place);
    if (insertion) {
        ApplyCarInsertion(scheme, *insertion);
    }
    return insertion.has_value();
}

std::optional<CarMove> PlanCarRemoval(const Scheme& scheme) {
    if (!CurrentInTrain(scheme) || scheme.state.carCount <= kMinCars) {
        return std::nullopt;
    }
    return CarMove{.from = static_cast<std::int8_t>(scheme.state.currentCar),
                   .to = static_cast<std::int8_t>(scheme.state.carCount - 1)};
}

void ApplyCarRemoval(Scheme& scheme, CarMove removal) {
    MoveCar(scheme, removal, ChangeSide::After);
    --scheme.state.carCount;
    scheme.state.currentCar = std::min<std::int32_t>(removal.from, scheme.state.carCount - 1);
}

bool RemoveCurrentCar(Scheme& scheme) {
    const std::optional<CarMove> removal = PlanCarRemoval(scheme);
    if (removal) {
        ApplyCarRemoval(scheme, *removal);
    }
    return removal.has_value();
}

bool HoldsTexts(const CarRecord& car) {
    if (!car.series.empty() || !car.carNumber.empty()) {
        return true;
    }
    const int axles = std::clamp(car.axleCount, 0, kMaxAxles);
    return std::any_of(car.axles.begin(), car.axles.begin() + axles, [](const AxleSlot& axle) {
        return !axle.axleName.empty() || !axle.run.empty() ||
               !axle.sides[kLeftSide].wheelSetName.empty() ||
               !axle.sides[kRightSide].wheelSetName.empty();
    });
}

}  // namespace quorvane
