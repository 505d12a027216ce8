#include "model/wheel_order.h"

#include "model/parameter_entry.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quorvane {

namespace {

using Wheel = ListedWheel;

constexpr Wheel kL0{kLeftSide, kLeftSide};
constexpr Wheel kR1{kRightSide, kRightSide};
constexpr Wheel kR0{kRightSide, kLeftSide};
constexpr Wheel kL1{kLeftSide, kRightSide};

using WheelPair = std::array<Wheel, 2>;

// Types 3 to 6: the two entries of an axle, by type, orientation and the
// parity of the axle's place in the car line (0 for the first axle written).
// Inverted cars of types 5 and 6 carry the right wheel's name under "l".
constexpr std::array<std::array<std::array<WheelPair, 2>, 2>, 4> kAxlePairs{{
    {{{{{kL0, kR1}, {kL0, kR1}}}, {{{kR1, kL0}, {kR1, kL0}}}}},  // type 3
    {{{{{kR1, kL0}, {kR1, kL0}}}, {{{kL0, kR1}, {kL0, kR1}}}}},  // type 4
    {{{{{kL0, kR1}, {kR1, kL0}}}, {{{kR0, kL1}, {kL1, kR0}}}}},  // type 5
    {{{{{kR1, kL0}, {kL0, kR1}}}, {{{kL1, kR0}, {kR0, kL1}}}}},  // type 6
}};

// Types 1 and 2: one wheel per axle. The first pass takes a direct car
// forwards, the second backwards, an inverted car the other way round; going
// forwards lists the left wheels in type 1 and the right in type 2.
Wheel SidePassWheel(bool forwards, bool rightFirst) {
    return forwards == rightFirst ? kR1 : kL0;
}

// Types 3 to 6: the two entries of the axle written j-th in its car line.
const WheelPair& AxlePair(int schemeType, bool inverted, int j) {
    return kAxlePairs[static_cast<std::size_t>(schemeType - 3)][inverted]
                     [static_cast<std::size_t>(j % 2)];
}

class OrderBuilder {
public:
    explicit OrderBuilder(const Scheme& scheme) : scheme_(scheme) {}

    std::vector<WheelEntry> Build() {
        const int cars = scheme_.state.carCount;
        order_.reserve(static_cast<std::size_t>(2 * AxlesInTrain(scheme_)));
        if (scheme_.state.schemeType == 1 || scheme_.state.schemeType == 2) {
            const bool rightFirst = scheme_.state.schemeType == 2;
            for (int c = 0; c < cars; ++c) {
                SideCarLine(c, /*secondPass=*/false, rightFirst);
            }
            for (int c = cars - 1; c >= 0; --c) {
                SideCarLine(c, /*secondPass=*/true, rightFirst);
            }
        } else {
            for (int c = 0; c < cars; ++c) {
                AxleCarLine(c);
            }
        }
        return std::move(order_);
    }

private:
    const CarRecord& Car(int c) const { return scheme_.cars[static_cast<std::size_t>(c)]; }

    void Add(int c, int k, Wheel wheel) {
        order_.push_back(
            {.line = line_, .car = c, .axle = k, .side = wheel.side, .nameSide = wheel.nameSide});
    }

    void SideCarLine(int c, bool secondPass, bool rightFirst) {
        const CarRecord& car = Car(c);
        const bool forwards = secondPass == car.inverted;
        const Wheel wheel = SidePassWheel(forwards, rightFirst);
        for (int j = 0; j < car.axleCount; ++j) {
            Add(c, forwards ? j : car.axleCount - 1 - j, wheel);
        }
        ++line_;
    }

    // Types 3 to 6: both wheels of each axle in turn, a direct car forwards,
    // an inverted one backwards.
    void AxleCarLine(int c) {
        const CarRecord& car = Car(c);
        for (int j = 0; j < car.axleCount; ++j) {
            const int k = car.inverted ? car.axleCount - 1 - j : j;
            for (Wheel wheel : AxlePair(scheme_.state.schemeType, car.inverted, j)) {
                Add(c, k, wheel);
            }
        }
        ++line_;
    }

    const Scheme& scheme_;
    std::vector<WheelEntry> order_;
    int line_ = 0;
};

}  // namespace

std::vector<WheelEntry> WheelOrder(const Scheme& scheme) {
    return OrderBuilder(scheme).Build();
}

int NameSideOfEntry(int schemeType, bool inverted, int side) {
    return inverted && (schemeType == 5 || schemeType == 6) ? 1 - side : side;
}

ListedWheel FirstListedWheel(const Scheme& scheme, int c, int axle) {
    const CarRecord& car = scheme.cars.at(static_cast<std::size_t>(c));
    const int type = scheme.state.schemeType;
    if (type == 1 || type == 2) {
        // The first pass lists every axle once.
        return SidePassWheel(/*forwards=*/!car.inverted, /*rightFirst=*/type == 2);
    }
    const int j = car.inverted ? car.axleCount - 1 - axle : axle;
    return AxlePair(type, car.inverted, j)[0];
}

}  // namespace quorvane
