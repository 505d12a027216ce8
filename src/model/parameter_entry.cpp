#include "model/parameter_entry.h"

#include <algorithm>

#include "model/wheel_order.h"

namespace quorvane {

namespace {

// Counts are kept in range by the layout steps and the file reader; clamping
// here keeps the walk inside its table whatever they hold.
int CarsInTrain(const Scheme& scheme) {
    return std::clamp(scheme.state.carCount, 0, kMaxCars);
}

int AxlesOf(const CarRecord& car) {
    return std::clamp(car.axleCount, 0, kMaxAxles);
}

}  // namespace

void AcceptLayout(Scheme& scheme) {
    scheme.state.totalAxles = BuildWalk(scheme, scheme.walk);
    scheme.state.currentCar = 0;
    scheme.state.currentAxle = 0;
    scheme.state.walkCursor = 0;
    EnterWalkPosition(scheme);
}

void ResumeWalk(Scheme& scheme) {
    if (scheme.state.totalAxles == 0) {
        AcceptLayout(scheme);
        return;
    }
    const int car = std::clamp(scheme.state.currentCar, 0, CarsInTrain(scheme) - 1);
    const int axle = std::clamp(scheme.state.currentAxle, 0,
                                AxlesOf(scheme.cars[static_cast<std::size_t>(car)]) - 1);
    scheme.state.totalAxles = BuildWalk(scheme, scheme.walk);
    const auto first = scheme.walk.begin();
    const auto last = first + scheme.state.totalAxles;
    const auto found = std::find(first, last, WalkEntry{.car = car, .axle = axle});
    scheme.state.walkCursor = found == last ? 0 : static_cast<std::int32_t>(found - first);
    EnterWalkPosition(scheme);
}

int BuildWalk(const Scheme& scheme, WalkOrder& walk) {
    int k = 0;
    for (int c = 0; c < CarsInTrain(scheme); ++c) {
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(c)];
        const int axles = AxlesOf(car);
        for (int j = 0; j < axles; ++j) {
            walk[static_cast<std::size_t>(k++)] = {.car = c,
                                                   .axle = car.inverted ? axles - 1 - j : j};
        }
    }
    return k;
}

int AxlesInTrain(const Scheme& scheme) {
    int total = 0;
    for (int c = 0; c < CarsInTrain(scheme); ++c) {
        total += AxlesOf(scheme.cars[static_cast<std::size_t>(c)]);
    }
    return total;
}

void EnterWalkPosition(Scheme& scheme) {
    const WalkEntry& entry = scheme.walk.at(static_cast<std::size_t>(scheme.state.walkCursor));
    scheme.state.currentCar = entry.car;
    scheme.state.currentAxle = entry.axle;
}

bool MoveWalkCursor(Scheme& scheme, int index) {
    if (index < 0 || index >= scheme.state.totalAxles) {
        return false;
    }
    scheme.state.walkCursor = index;
    EnterWalkPosition(scheme);
    return true;
}

bool SelectCar(Scheme& scheme, int car) {
    if (car < 0 || car >= CarsInTrain(scheme)) {
        return false;
    }
    if (scheme.mode == Mode::LayoutMode) {
        scheme.state.currentCar = car;
        return false;
    }
    const auto first = scheme.walk.begin();
    const auto last = first + std::clamp(scheme.state.totalAxles, 0, kWalkLength);
    const auto found =
        std::find_if(first, last, [car](const WalkEntry& entry) { return entry.car == car; });
    if (found == last) {
        return false;
    }
    scheme.state.walkCursor = static_cast<std::int32_t>(found - first);
    EnterWalkPosition(scheme);
    return true;
}

bool SelectAxle(Scheme& scheme, int axle) {
    if (scheme.mode != Mode::ParameterMode) {
        return false;
    }
    const auto first = scheme.walk.begin();
    const auto last = first + std::clamp(scheme.state.totalAxles, 0, kWalkLength);
    const auto found =
        std::find(first, last, WalkEntry{.car = scheme.state.currentCar, .axle = axle});
    return found != last && MoveWalkCursor(scheme, static_cast<int>(found - first));
}

// MoveWalkCursor and SelectCar refuse a position outside the walk or the
// train, which keeps each step at its end.
bool PreviousWheelSet(Scheme& scheme) {
    return MoveWalkCursor(scheme, scheme.state.walkCursor - 1);
}

bool NextWheelSet(Scheme& scheme) {
    return MoveWalkCursor(scheme, scheme.state.walkCursor + 1);
}

bool PreviousCarInWalk(Scheme& scheme) {
    return SelectCar(scheme, scheme.state.currentCar - 1);
}

bool NextCarInWalk(Scheme& scheme) {
    return SelectCar(scheme, scheme.state.currentCar + 1);
}

std::vector<TextChange> ChangesOfStore(const Scheme& scheme, const EditedTexts& edits) {
    std::vector<TextChange> changes;
    const int car = scheme.state.currentCar;
    const int axle = scheme.state.currentAxle;
    auto change = [&changes](TextField field, int c, int a, const std::string& held,
                             const std::optional<std::string>& typed) {
        if (typed && *typed != held) {
            changes.push_back({.field = field,
                               .car = static_cast<std::int8_t>(c),
                               .axle = static_cast<std::int8_t>(a),
                               .before = held,
                               .after = *typed});
        }
    };
    for (int c = 0; c < CarsInTrain(scheme); ++c) {
        change(TextField::Series, c, 0, scheme.cars[static_cast<std::size_t>(c)].series,
               edits.series);
    }
    change(TextField::CarNumber, car, 0, CurrentCar(scheme).carNumber, edits.carNumber);
    const AxleSlot& slot = CurrentAxleSlot(scheme);
    change(TextField::AxleName, car, axle, slot.axleName, edits.axleName);
    change(TextField::Run, car, axle, slot.run, edits.run);
    change(TextField::LeftWheelSetName, car, axle, slot.sides[kLeftSide].wheelSetName,
           edits.wheelSetName);
    change(TextField::RightWheelSetName, car, axle, slot.sides[kRightSide].wheelSetName,
           edits.wheelSetName);
    return changes;
}

bool StoreEditsToModel(Scheme& scheme, const EditedTexts& edits) {
    const std::vector<TextChange> changes = ChangesOfStore(scheme, edits);
    ApplyTextChanges(scheme, changes, ChangeSide::After);
    return !changes.empty();
}

void StoreEditsToModel(Scheme& scheme, const ParameterTexts& edits) {
    StoreEditsToModel(scheme, EditedTexts{.series = edits.series,
                                          .carNumber = edits.carNumber,
                                          .axleName = edits.axleName,
                                          .wheelSetName = edits.wheelSetName,
                                          .run = edits.run});
}

namespace {

// The side of the wheel the scheme type lists first of the axle.
int ShownNameSide(const Scheme& scheme, int car, int axle) {
    if (scheme.state.schemeType < 1 || scheme.state.schemeType > 6) {
        return kLeftSide;
    }
    return FirstListedWheel(scheme, car, axle).nameSide;
}

int ShownNameSide(const Scheme& scheme) {
    return ShownNameSide(scheme, scheme.state.currentCar, scheme.state.currentAxle);
}

ParameterTexts TextsAt(const Scheme& scheme, WalkEntry at) {
    const CarRecord& car = scheme.cars.at(static_cast<std::size_t>(at.car));
    const AxleSlot& axle = car.axles.at(static_cast<std::size_t>(at.axle));
    const int shown = ShownNameSide(scheme, at.car, at.axle);
    return ParameterTexts{
        .series = car.series,
        .carNumber = car.carNumber,
        .axleName = axle.axleName,
        .wheelSetName = axle.sides[static_cast<std::size_t>(shown)].wheelSetName,
        .run = axle.run,
    };
}

}  // namespace

ParameterTexts LoadEditsFromModel(const Scheme& scheme) {
    return TextsAt(scheme, {.car = scheme.state.currentCar, .axle = scheme.state.currentAxle});
}

std::optional<ParameterTexts> PreviousWheelSetTexts(const Scheme& scheme) {
    const int previous = scheme.state.walkCursor - 1;
    if (scheme.mode != Mode::ParameterMode || previous < 0 ||
        previous >= std::min(scheme.state.totalAxles, kWalkLength)) {
        return std::nullopt;
    }
    return TextsAt(scheme, scheme.walk[static_cast<std::size_t>(previous)]);
}

std::optional<DifferingNames> DifferingWheelSetNames(const Scheme& scheme) {
    const AxleSlot& axle = CurrentAxleSlot(scheme);
    const int shown = ShownNameSide(scheme);
    const WheelSide& first = axle.sides[static_cast<std::size_t>(shown)];
    const WheelSide& second = axle.sides[static_cast<std::size_t>(1 - shown)];
    if (first.wheelSetName == second.wheelSetName) {
        return std::nullopt;
    }
    return DifferingNames{.shownSide = shown,
                          .shown = first.wheelSetName,
                          .otherSide = 1 - shown,
                          .other = second.wheelSetName};
}

Rgb EmptinessColour(std::string_view text) {
    return text.empty() ? kEmptyFieldColour : kFilledFieldColour;
}

}  // namespace quorvane
