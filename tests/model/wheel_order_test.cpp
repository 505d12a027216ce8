#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "../schemefile/example_trains.h"
#include "model/wheel_order.h"

namespace quorvane {
namespace {

// The measurement plan lists one row per entry, so every wheel must come
// exactly once, whatever the type and the orientation of the cars.
TEST(WheelOrderTest, EveryTypeListsEveryWheelOnceLineByLine) {
    for (int type = 1; type <= 6; ++type) {
        auto scheme = testing::TwoCarTrain(type);  // car 2 inverted
        scheme->state.carCount = 3;
        scheme->cars[2].axleCount = 3;
        scheme->cars[2].inverted = false;

        const std::vector<WheelEntry> order = WheelOrder(*scheme);
        std::set<std::tuple<int, int, int>> wheels;
        int lines = 0;
        for (std::size_t i = 0; i < order.size(); ++i) {
            const WheelEntry& e = order[i];
            ASSERT_LT(e.axle, scheme->cars[static_cast<std::size_t>(e.car)].axleCount);
            wheels.emplace(e.car, e.axle, e.side);
            if (i > 0 && e.line == order[i - 1].line) {
                EXPECT_EQ(e.car, order[i - 1].car) << "type " << type << ", entry " << i;
            } else {
                EXPECT_EQ(e.line, lines++) << "type " << type << ", entry " << i;
            }
            const bool exchanged =
                type >= 5 && scheme->cars[static_cast<std::size_t>(e.car)].inverted;
            EXPECT_EQ(e.nameSide, exchanged ? 1 - e.side : e.side) << "type " << type;
        }
        EXPECT_EQ(order.size(), 2u * (4 + 2 + 3)) << "type " << type;
        EXPECT_EQ(wheels.size(), order.size()) << "type " << type;
        EXPECT_EQ(lines, type <= 2 ? 6 : 3) << "type " << type;
    }
}

// The reader puts each name back where the writer took it from, and the
// edits show the name the file lists first: both must agree with the order
// itself for every type, orientation and parity of axle count.
TEST(WheelOrderTest, NameSidesAndFirstListedWheelsAgreeWithTheOrder) {
    for (int type = 1; type <= 6; ++type) {
        for (int axles : {1, 2, 3, 4, 5}) {
            auto scheme = testing::TwoCarTrain(type);  // car 2 inverted
            scheme->cars[0].axleCount = axles;
            scheme->cars[1].axleCount = axles;
            std::map<std::pair<int, int>, WheelEntry> first;
            for (const WheelEntry& e : WheelOrder(*scheme)) {
                const bool inverted = scheme->cars[static_cast<std::size_t>(e.car)].inverted;
                EXPECT_EQ(NameSideOfEntry(type, inverted, e.side), e.nameSide)
                    << "type " << type << ", car " << e.car;
                first.try_emplace({e.car, e.axle}, e);
            }
            ASSERT_EQ(first.size(), 2u * static_cast<std::size_t>(axles));
            for (const auto& [place, e] : first) {
                const ListedWheel wheel = FirstListedWheel(*scheme, place.first, place.second);
                EXPECT_EQ(wheel.side, e.side) << "type " << type << ", " << axles << " axles, car "
                                              << place.first << ", axle " << place.second;
                EXPECT_EQ(wheel.nameSide, e.nameSide) << "type " << type << ", car " << place.first;
            }
        }
    }
}

}  // namespace
}  // namespace quorvane
