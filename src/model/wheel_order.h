// The order in which the scheme type lists the wheels of a train: the car
// lines of a scheme file, and in each its wheel entries. The file's writer
// and reader, the measurement plan and parameter entry share it.
#pragma once

#include <vector>

#include "model/scheme.h"

namespace quorvane {

struct WheelEntry {
    int line = 0;  // 0-based car line; types 1 and 2 list each car on two lines
    int car = 0;   // 0-based car slot
    int axle = 0;  // 0-based axle slot
    int side = 0;  // the wheel, as its side letter is written: kLeftSide or kRightSide
    // The side whose wheel-set name the entry carries. It differs from side
    // only in inverted cars of types 5 and 6.
    int nameSide = 0;
};

// Every wheel of the train once, in file order. The counts must lie within
// the tables and the scheme type within 1 to 6; a car without axles gives no
// entries.
std::vector<WheelEntry> WheelOrder(const Scheme& scheme);

// The side whose wheel-set name an entry with the side letter of side
// carries: its own, but for inverted cars of types 5 and 6, whose entries
// carry the other wheel's name. The reader stores each name where the
// writer took it from.
int NameSideOfEntry(int schemeType, bool inverted, int side);

// Of the two entries of axle slot axle of car c, the one the scheme type
// lists first. The scheme type must lie within 1 to 6 and the axle within
// the car's axleCount.
struct ListedWheel {
    int side = 0;
    int nameSide = 0;
};
ListedWheel FirstListedWheel(const Scheme& scheme, int c, int axle);

}  // namespace quorvane
