#include "model/layout.h"

namespace quorvane {

void AddCar(Scheme& scheme) {
    SchemeState& state = scheme.state;
    if (state.carCount >= kMaxCars) {
        return;
    }
    ++state.carCount;
    CarRecord& joined = scheme.cars[static_cast<std::size_t>(state.carCount - 1)];
    joined.axleCount = kNewCarAxles;
    joined.bogieCount = kNewCarBogies;
}

void RemoveCar(Scheme& scheme) {
    SchemeState& state = scheme.state;
    if (state.carCount <= kMinCars) {
        return;
    }
    --state.carCount;
    if (state.currentCar >= state.carCount) {
        state.currentCar = state.carCount - 1;
    }
}

void AddAxle(Scheme& scheme) {
    CarRecord& car = CurrentCar(scheme);
    if (car.axleCount < kMaxAxles) {
        ++car.axleCount;
    }
}

void RemoveAxle(Scheme& scheme) {
    CarRecord& car = CurrentCar(scheme);
    if (car.axleCount > kMinAxlesPerCar) {
        --car.axleCount;
    }
    if (car.bogieCount > car.axleCount) {
        car.bogieCount = car.axleCount;
    }
}

void AddBogie(Scheme& scheme) {
    CarRecord& car = CurrentCar(scheme);
    if (car.bogieCount < kMaxBogiesPerCar && car.bogieCount < car.axleCount) {
        ++car.bogieCount;
    }
}

void RemoveBogie(Scheme& scheme) {
    CarRecord& car = CurrentCar(scheme);
    if (car.bogieCount > kMinBogiesPerCar) {
        --car.bogieCount;
    }
}

void NextSchemeType(Scheme& scheme) {
    if (scheme.state.schemeType < kMaxSchemeType) {
        ++scheme.state.schemeType;
    }
}

void PreviousSchemeType(Scheme& scheme) {
    if (scheme.state.schemeType > kMinSchemeType) {
        --scheme.state.schemeType;
    }
}

void NextCarInLayout(Scheme& scheme) {
    if (scheme.state.currentCar + 1 < scheme.state.carCount) {
        ++scheme.state.currentCar;
    }
}

void PreviousCarInLayout(Scheme& scheme) {
    if (scheme.state.currentCar > 0) {
        --scheme.state.currentCar;
    }
}

void SetInverted(Scheme& scheme, bool ticked) {
    CurrentCar(scheme).inverted = ticked;
}

}  // namespace quorvane
