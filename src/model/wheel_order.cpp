#include "model/wheel_order.h"

#include "model/parameter_entry.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quorvane {

namespace {

// One wheel entry: the side its letter names and the side whose wheel-set
// name it carries.
struct Wheel {
    int side;
    int nameSide;
};

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

    // Types 1 and 2: one wheel per axle. The first pass takes a direct car
    // forwards, the second backwards, an inverted car the other way round;
    // going forwards lists the left wheels in type 1 and the right in type 2.
    void SideCarLine(int c, bool secondPass, bool rightFirst) {
        const CarRecord& car = Car(c);
        const bool forwards = secondPass == car.inverted;
        const Wheel wheel = forwards == rightFirst ? kR1 : kL0;
        for (int j = 0; j < car.axleCount; ++j) {
            Add(c, forwards ? j : car.axleCount - 1 - j, wheel);
        }
        ++line_;
    }

    // Types 3 to 6: both wheels of each axle in turn, a direct car forwards,
    // an inverted one backwards.
    void AxleCarLine(int c) {
        const CarRecord& car = Car(c);
        const auto& pairs =
            kAxlePairs[static_cast<std::size_t>(scheme_.state.schemeType - 3)][car.inverted];
        for (int j = 0; j < car.axleCount; ++j) {
            const int k = car.inverted ? car.axleCount - 1 - j : j;
            for (Wheel wheel : pairs[static_cast<std::size_t>(j % 2)]) {
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

}  // namespace quorvane
