#include "model/scheme_change.h"

#include <algorithm>
#include <stdexcept>

#include "model/parameter_entry.h"

namespace quorvane {

SchemeShape ShapeOf(const Scheme& scheme) {
    SchemeShape shape{.state = scheme.state, .mode = scheme.mode};
    for (std::size_t c = 0; c < scheme.cars.size(); ++c) {
        const CarRecord& car = scheme.cars[c];
        shape.cars[c] = {car.inverted, car.axleCount, car.bogieCount};
    }
    return shape;
}

bool SameTrain(const SchemeShape& a, const SchemeShape& b) {
    return a.cars == b.cars && a.state.carCount == b.state.carCount &&
           a.state.schemeType == b.state.schemeType;
}

void RestoreShape(Scheme& scheme, const SchemeShape& shape) {
    for (std::size_t c = 0; c < scheme.cars.size(); ++c) {
        CarRecord& car = scheme.cars[c];
        car.inverted = shape.cars[c].inverted;
        car.axleCount = shape.cars[c].axleCount;
        car.bogieCount = shape.cars[c].bogieCount;
    }
    scheme.state = shape.state;
    scheme.mode = shape.mode;
    if (scheme.mode == Mode::ParameterMode) {
        scheme.state.totalAxles = BuildWalk(scheme, scheme.walk);
    }
}

std::string& TextAt(Scheme& scheme, TextField field, int car, int axle) {
    CarRecord& record = scheme.cars.at(static_cast<std::size_t>(car));
    AxleSlot& slot = record.axles.at(static_cast<std::size_t>(axle));
    switch (field) {
        case TextField::Series:
            return record.series;
        case TextField::CarNumber:
            return record.carNumber;
        case TextField::AxleName:
            return slot.axleName;
        case TextField::Run:
            return slot.run;
        case TextField::LeftWheelSetName:
            return slot.sides[kLeftSide].wheelSetName;
        case TextField::RightWheelSetName:
            break;
    }
    return slot.sides[kRightSide].wheelSetName;
}

void ApplyTextChanges(Scheme& scheme, std::span<const TextChange> changes, ChangeSide side) {
    for (const TextChange& change : changes) {
        TextAt(scheme, change.field, change.car, change.axle) =
            side == ChangeSide::Before ? change.before : change.after;
    }
}

void MoveCar(Scheme& scheme, CarMove move, ChangeSide side) {
    const int from = side == ChangeSide::After ? move.from : move.to;
    const int to = side == ChangeSide::After ? move.to : move.from;
    if (from < 0 || to < 0 || from >= kMaxCars || to >= kMaxCars) {
        throw std::out_of_range("car slot out of range");
    }
    const auto slot = [&scheme](int index) { return scheme.cars.begin() + index; };
    if (from > to) {
        std::rotate(slot(to), slot(from), slot(from + 1));
    } else {
        std::rotate(slot(from), slot(from + 1), slot(to + 1));
    }
}

}  // namespace quorvane
