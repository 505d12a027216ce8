// Where the position numbers sit on the drawn wheels of a car's diagram.
#include "sheet/wheel_numbers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "../drawing/recording_surface.h"
#include "drawing/car_diagram.h"
#include "drawing/car_view.h"
#include "sheet_fixture.h"

namespace quorvane {
namespace {

// The number of each file entry stands over, or under, the drawn wheel
// whose label is the entry's axle and side letter: type 5, whose reversed
// cars list the right wheel of an axle first where direct ones list the
// left, and whose wheel-set names go to the other wheel's entry.
TEST(WheelNumbersTest, EachNumberStandsAtTheWheelItsEntryNames) {
    for (const bool inverted : {false, true}) {
        auto scheme = testing::Train(3);
        scheme->cars[1].inverted = inverted;
        const CarRecord& car = scheme->cars[1];
        testing::RecordingSurface surface(kCarViewWidth, kCarViewHeight);
        DrawCarView(surface, CarViewOf(*scheme, 1));
        const std::vector<NumberedWheel> wheels = NumberedWheelsOf(*scheme, 1);
        ASSERT_EQ(wheels.size(), 2u * static_cast<std::size_t>(car.axleCount));
        DrawWheelNumbers(surface, car, wheels);

        // The wheels drawn: the left end of the tread, the row and the label.
        struct Drawn {
            int x;
            bool upper;
            std::string label;
        };
        std::vector<Drawn> drawn;
        const testing::Call* wheel = nullptr;
        std::map<int, std::string> numbers;  // by position: where it stands
        for (const testing::Call& call : surface.calls) {
            if (call.op == testing::Op::Polygon && call.points.size() == 23) {
                wheel = &call;
            } else if (call.op == testing::Op::Text && call.style.pointSize == 8 && wheel) {
                drawn.push_back(
                    {wheel->points[12].x, wheel->points[0].y == kCarViewOriginY, call.text});
                wheel = nullptr;
            } else if (call.op == testing::Op::Text && call.style.pointSize == 7) {
                const int middle = call.points[0].x + static_cast<int>(call.text.size()) * 3;
                const bool above = call.points[0].y < 0;
                for (const Drawn& d : drawn) {
                    if (middle >= d.x && middle < d.x + kWheelWidth - 3 && d.upper == above) {
                        numbers[std::stoi(call.text)] = d.label;
                    }
                }
            }
        }
        ASSERT_EQ(numbers.size(), wheels.size());
        for (const NumberedWheel& w : wheels) {
            const std::string label =
                std::to_string(w.entry.axle + 1) + (w.entry.side == kLeftSide ? "L" : "R");
            EXPECT_EQ(numbers[w.position], label)
                << (inverted ? "reversed" : "direct") << ", position " << w.position;
        }
    }
}

}  // namespace
}  // namespace quorvane
