#include "model/layout.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace quorvane {

namespace {

void EmptyText(std::vector<TextChange>& changes, TextField field, int car, int axle,
               const std::string& held) {
    if (!held.empty()) {
        changes.push_back({.field = field,
                           .car = static_cast<std::int8_t>(car),
                           .axle = static_cast<std::int8_t>(axle),
                           .before = held,
                           .after = {}});
    }
}

void EmptyAxleTexts(std::vector<TextChange>& changes, const CarRecord& record, int car, int axle) {
    const AxleSlot& slot = record.axles.at(static_cast<std::size_t>(axle));
    EmptyText(changes, TextField::AxleName, car, axle, slot.axleName);
    EmptyText(changes, TextField::Run, car, axle, slot.run);
    EmptyText(changes, TextField::LeftWheelSetName, car, axle, slot.sides[kLeftSide].wheelSetName);
    EmptyText(changes, TextField::RightWheelSetName, car, axle,
              slot.sides[kRightSide].wheelSetName);
}

}  // namespace

std::string SeriesOfJoiningCar(const Scheme& scheme) {
    const int cars = std::clamp(scheme.state.carCount, 0, kMaxCars);
    if (cars == 0) {
        return {};
    }
    const std::string& first = scheme.cars[0].series;
    for (int c = 1; c < cars; ++c) {
        if (scheme.cars[static_cast<std::size_t>(c)].series != first) {
            return {};
        }
    }
    return first;
}

std::vector<TextChange> TextsOfJoiningCar(const CarRecord& record, int car, int axles,
                                          const std::string& series) {
    std::vector<TextChange> changes;
    if (record.series != series) {
        changes.push_back({.field = TextField::Series,
                           .car = static_cast<std::int8_t>(car),
                           .axle = 0,
                           .before = record.series,
                           .after = series});
    }
    EmptyText(changes, TextField::CarNumber, car, 0, record.carNumber);
    for (int axle = 0; axle < axles; ++axle) {
        EmptyAxleTexts(changes, record, car, axle);
    }
    return changes;
}

std::vector<TextChange> TextsEmptiedByAddCar(const Scheme& scheme) {
    const int car = scheme.state.carCount;
    if (car < 0 || car >= kMaxCars) {
        return {};
    }
    return TextsOfJoiningCar(scheme.cars[static_cast<std::size_t>(car)], car, kNewCarAxles,
                             SeriesOfJoiningCar(scheme));
}

std::vector<TextChange> TextsEmptiedByAddAxle(const Scheme& scheme) {
    std::vector<TextChange> changes;
    const CarRecord& record = CurrentCar(scheme);
    if (record.axleCount >= 0 && record.axleCount < kMaxAxles) {
        EmptyAxleTexts(changes, record, scheme.state.currentCar, record.axleCount);
    }
    return changes;
}

void AddCar(Scheme& scheme) {
    SchemeState& state = scheme.state;
    if (state.carCount >= kMaxCars) {
        return;
    }
    ApplyTextChanges(scheme, TextsEmptiedByAddCar(scheme), ChangeSide::After);
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
        ApplyTextChanges(scheme, TextsEmptiedByAddAxle(scheme), ChangeSide::After);
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
