// Changes of the scheme as values, so that they can be taken back and made
// again: the shape of the train, and the texts a change replaced.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/scheme.h"

namespace quorvane {

struct CarShape {
    bool inverted = false;
    std::int32_t axleCount = 0;
    std::int32_t bogieCount = 0;

    bool operator==(const CarShape&) const = default;
};

// Everything of the scheme but its texts, its name and its walk: the counts
// and orientation of all 40 car slots, the type, the mode and the position.
// The walk is not held: in ParameterMode it is the one BuildWalk gives.
struct SchemeShape {
    std::array<CarShape, kMaxCars> cars{};
    SchemeState state;
    Mode mode = Mode::LayoutMode;

    bool operator==(const SchemeShape&) const = default;
};

SchemeShape ShapeOf(const Scheme& scheme);

// Whether two shapes hold the same train: every car slot, the number of cars
// and the scheme type; the mode and the position aside.
bool SameTrain(const SchemeShape& a, const SchemeShape& b);

// Gives the scheme the shape; in ParameterMode its walk is built anew.
void RestoreShape(Scheme& scheme, const SchemeShape& shape);

enum class TextField : std::uint8_t {
    Series,
    CarNumber,
    AxleName,
    Run,
    LeftWheelSetName,
    RightWheelSetName,
};

// One text of the scheme, what it held before a change and what after.
struct TextChange {
    TextField field = TextField::Series;
    std::int8_t car = 0;
    std::int8_t axle = 0;  // 0 for the texts of the car itself
    std::string before;
    std::string after;
};

// Where a text stands; car and axle are bounds-checked.
std::string& TextAt(Scheme& scheme, TextField field, int car, int axle);

enum class ChangeSide { Before, After };

// Puts each text back to what it held before, or on to what it holds after.
void ApplyTextChanges(Scheme& scheme, std::span<const TextChange> changes, ChangeSide side);

// One car slot moved to another place of the tables, the slots between
// moving one place towards where it came from, texts, counts and
// orientation with them: how a car is inserted or removed without a copy
// of the train.
struct CarMove {
    std::int8_t from = 0;
    std::int8_t to = 0;
};

// After: the slot at from goes to to; Before: back from to to from. Both
// are bounds-checked.
void MoveCar(Scheme& scheme, CarMove move, ChangeSide side);

}  // namespace quorvane
