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

int CountOf(const Scheme& scheme, LayoutCount count) {
    switch (count) {
        case LayoutCount::Cars:
            return scheme.state.carCount;
        case LayoutCount::Axles:
            return CurrentCar(scheme).axleCount;
        case LayoutCount::Bogies:
            return CurrentCar(scheme).bogieCount;
        case LayoutCount::SchemeType:
            return scheme.state.schemeType;
    }
    return 0;
}

CountRange RangeOf(const Scheme& scheme, LayoutCount count) {
    switch (count) {
        case LayoutCount::Cars:
            return {kMinCars, kMaxCars};
        case LayoutCount::Axles:
            return {kMinAxlesPerCar, kMaxAxles};
        case LayoutCount::Bogies:
            return {kMinBogiesPerCar, std::min(kMaxBogiesPerCar, CurrentCar(scheme).axleCount)};
        case LayoutCount::SchemeType:
            return {kMinSchemeType, kMaxSchemeType};
    }
    return {};
}

std::vector<TextChange> SetCount(Scheme& scheme, LayoutCount count, int value) {
    struct Steppers {
        void (*up)(Scheme&);
        void (*down)(Scheme&);
        std::vector<TextChange> (*emptiedByUp)(const Scheme&);
    };
    const auto none = [](const Scheme&) { return std::vector<TextChange>{}; };
    Steppers steppers{};
    switch (count) {
        case LayoutCount::Cars:
            steppers = {AddCar, RemoveCar, TextsEmptiedByAddCar};
            break;
        case LayoutCount::Axles:
            steppers = {AddAxle, RemoveAxle, TextsEmptiedByAddAxle};
            break;
        case LayoutCount::Bogies:
            steppers = {AddBogie, RemoveBogie, none};
            break;
        case LayoutCount::SchemeType:
            steppers = {NextSchemeType, PreviousSchemeType, none};
            break;
    }
    std::vector<TextChange> emptied;
    const int target = RangeOf(scheme, count).Clamp(value);
    // A step that no longer moves the count ends the loop, whatever its rules.
    for (int now = CountOf(scheme, count); now != target;) {
        if (now < target) {
            std::vector<TextChange> texts = steppers.emptiedByUp(scheme);
            emptied.insert(emptied.end(), std::make_move_iterator(texts.begin()),
                           std::make_move_iterator(texts.end()));
            steppers.up(scheme);
        } else {
            steppers.down(scheme);
        }
        const int next = CountOf(scheme, count);
        if (next == now) {
            break;
        }
        now = next;
    }
    return emptied;
}

namespace {

bool AxleHoldsText(const AxleSlot& slot) {
    return !slot.axleName.empty() || !slot.run.empty() ||
           std::any_of(slot.sides.begin(), slot.sides.end(),
                       [](const WheelSide& side) { return !side.wheelSetName.empty(); });
}

}  // namespace

std::vector<int> CarsWithTextsFrom(const Scheme& scheme, int count) {
    std::vector<int> cars;
    for (int c = std::max(count, 0); c < scheme.state.carCount && c < kMaxCars; ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        const auto axles = car.axles.begin() + std::clamp(car.axleCount, 0, kMaxAxles);
        // The series is the whole train's, every car holds it.
        if (!car.carNumber.empty() || std::any_of(car.axles.begin(), axles, AxleHoldsText)) {
            cars.push_back(c);
        }
    }
    return cars;
}

std::vector<int> AxlesWithTextsFrom(const Scheme& scheme, int count) {
    std::vector<int> axles;
    const CarRecord& car = CurrentCar(scheme);
    for (int a = std::max(count, 0); a < car.axleCount && a < kMaxAxles; ++a) {
        if (AxleHoldsText(car.axles[static_cast<std::size_t>(a)])) {
            axles.push_back(a);
        }
    }
    return axles;
}

}  // namespace quorvane
