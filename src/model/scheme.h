// The scheme: a train of up to 40 cars held in fixed tables.
//
// Counts say how many slots belong to the train; slots beyond them keep what
// they hold. Texts are byte strings in Windows-1251, exactly as typed or read
// from a scheme file; only src/fileio converts them to Unicode.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvane {

inline constexpr int kMaxCars = 40;
inline constexpr int kMaxAxles = 16;
inline constexpr int kSides = 2;
inline constexpr int kWalkLength = kMaxCars * kMaxAxles;

inline constexpr int kLeftSide = 0;   // "l" in the file, "L" on the diagram
inline constexpr int kRightSide = 1;  // "r" in the file, "R" on the diagram

inline constexpr const char* kNewSchemeName = "new_scheme";
inline constexpr int kNewSchemeType = 1;

// One wheel of an axle.
struct WheelSide {
    std::string wheelSetName;
};

// One axle, that is one wheel set.
struct AxleSlot {
    std::string axleName;
    std::string run;
    std::array<WheelSide, kSides> sides;
};

struct CarRecord {
    bool inverted = false;  // the car stands reversed: walked and drawn last axle first
    std::string carNumber;
    std::string series;
    std::int32_t axleCount = 0;
    std::int32_t bogieCount = 0;
    std::array<AxleSlot, kMaxAxles> axles;
};

// One position of the walk over every axle of the train.
struct WalkEntry {
    std::int32_t car = 0;
    std::int32_t axle = 0;

    bool operator==(const WalkEntry&) const = default;
};

using WalkOrder = std::array<WalkEntry, kWalkLength>;

struct SchemeState {
    std::int32_t currentCar = 0;
    std::int32_t currentAxle = 0;
    std::int32_t walkCursor = 0;
    std::int32_t totalAxles = 0;
    std::int32_t carCount = 0;
    std::int32_t schemeType = 0;

    bool operator==(const SchemeState&) const = default;
};

enum class Mode : std::uint8_t { LayoutMode = 0, ParameterMode = 1 };

// The state at program start: every number 0, every text empty, every flag
// false, LayoutMode, and the name "new_scheme".
struct Scheme {
    std::array<CarRecord, kMaxCars> cars;
    WalkOrder walk{};
    SchemeState state;
    Mode mode = Mode::LayoutMode;
    std::string fileName = kNewSchemeName;
};

// The car that the layout buttons and the diagram work on. Bounds-checked:
// a current car outside the tables throws instead of reading past them.
CarRecord& CurrentCar(Scheme& scheme);
const CarRecord& CurrentCar(const Scheme& scheme);

// The axle slot of the walk position.
AxleSlot& CurrentAxleSlot(Scheme& scheme);
const AxleSlot& CurrentAxleSlot(const Scheme& scheme);

// Resets the scheme to one direct car of 4 axles and 2 bogies, scheme type 1,
// LayoutMode, every text empty, no walk. Keeps fileName; the document names
// the new scheme.
void NewScheme(Scheme& scheme);

// Empties the texts and orientation of all 40 car slots and puts the walk
// position back on entry 0. Counts, type, mode and name stay.
void ClearAllCars(Scheme& scheme);

}  // namespace quorvane
