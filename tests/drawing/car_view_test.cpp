#include "drawing/car_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../model/fresh_scheme.h"
#include "drawing/car_diagram.h"
#include "drawing/palette.h"
#include "recording_surface.h"

namespace quorvane {
namespace {

using testing::Call;
using testing::Line;
using testing::Op;
using testing::RecordingSurface;

std::vector<int> AxleBarLefts(const RecordingSurface& surface) {
    std::vector<int> lefts;
    for (const Call& call : surface.Only(Op::Polygon)) {
        if (call.points.size() == 4) {
            lefts.push_back(call.points[0].x);
        }
    }
    return lefts;
}

TEST(CarViewTest, AxleArrowsStandOnTheAxlesJustDrawn) {
    auto owner = testing::FreshScheme();
    Scheme& s = *owner;
    s.cars[0].axleCount = 6;
    s.cars[0].bogieCount = 3;
    s.state.schemeType = 3;
    RecordingSurface surface(kCarViewWidth, kCarViewHeight);

    DrawCarView(surface, CurrentCarView(s));

    std::vector<int> shaftXs;
    for (const Line& line : surface.Lines()) {
        if (line.colour == kBlue && line.from.y == 97 && line.to.y == 52) {
            shaftXs.push_back(line.from.x);
        }
    }
    std::vector<int> expected;
    for (int left : AxleBarLefts(surface)) {
        expected.push_back(left + 5);  // the bar starts 14 right of the axle, the arrow 19
    }
    EXPECT_EQ(shaftXs, expected);
    EXPECT_EQ(shaftXs, (std::vector<int>{32, 79, 139, 186, 246, 293}));
}

// Every wheel drawn, in every layout and orientation, is hit as the axle
// its label names, across its tread and on its bar; the label row above,
// the gaps between bogies and the space right of the car hit nothing.
TEST(CarViewTest, AClickOnAWheelOrItsBarNamesTheAxleOfItsLabel) {
    auto owner = testing::FreshScheme();
    CarRecord& car = owner->cars[0];
    for (int axles = 1; axles <= kMaxAxles; ++axles) {
        for (int bogies = 1; bogies <= 8; ++bogies) {
            for (bool inverted : {false, true}) {
                car.axleCount = axles;
                car.bogieCount = bogies;
                car.inverted = inverted;
                RecordingSurface surface(kCarViewWidth, kCarViewHeight);
                DrawCarView(surface, CurrentCarView(*owner));
                const Call* wheel = nullptr;
                int wheels = 0;
                for (const Call& call : surface.calls) {
                    if (call.op == Op::Polygon && call.points.size() == 23) {
                        wheel = &call;
                    } else if (call.op == Op::Text && wheel != nullptr) {
                        ++wheels;
                        const int axle = std::stoi(call.text) - 1;
                        const int x = wheel->points[12].x;  // where it meets the bar
                        const int y = wheel->points[0].y;
                        SCOPED_TRACE(::testing::Message() << axles << " axles, " << bogies
                                                          << " bogies, wheel " << call.text);
                        for (const int dx : {0, 18, kWheelWidth - 3}) {
                            EXPECT_EQ(AxleAtCarViewPoint(car, {x + dx, y}), axle);
                            EXPECT_EQ(AxleAtCarViewPoint(car, {x + dx, kCarViewOriginY + 35}),
                                      axle);
                        }
                        EXPECT_EQ(AxleAtCarViewPoint(car, {x + 18, kCarViewOriginY - 14}), -1);
                        wheel = nullptr;
                    }
                }
                EXPECT_EQ(wheels, 2 * axles);
            }
        }
    }
    car.axleCount = 4;
    car.bogieCount = 2;
    car.inverted = false;
    EXPECT_EQ(AxleAtCarViewPoint(car, {110, 75}), -1) << "between the bogies";
    EXPECT_EQ(AxleAtCarViewPoint(car, {400, 75}), -1);
    EXPECT_EQ(AxleAtCarViewPoint(car, {30, 32}), -1) << "above the upper tread";
    EXPECT_EQ(AxleAtCarViewPoint(car, {30, 118}), -1) << "below the lower tread";
    car.axleCount = 0;
    EXPECT_EQ(AxleAtCarViewPoint(car, {30, 75}), -1);
}

// Counts that only a loaded file brings, or that nothing should bring at all.
struct OddCounts {
    int axles;
    int bogies;
    int drawnAxles;
};

void PrintTo(const OddCounts& c, std::ostream* os) {
    *os << c.axles << " axles, " << c.bogies << " bogies";
}

class OddCountsTest : public ::testing::TestWithParam<OddCounts> {};

TEST_P(OddCountsTest, EveryTypeDrawsWithinTheTables) {
    const OddCounts c = GetParam();
    auto owner = testing::FreshScheme();
    Scheme& s = *owner;
    s.mode = Mode::ParameterMode;
    s.cars[0].axleCount = c.axles;
    s.cars[0].bogieCount = c.bogies;

    for (int type = 1; type <= 6; ++type) {
        for (bool inverted : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "type " << type << (inverted ? ", reversed" : ""));
            s.state.schemeType = type;
            s.cars[0].inverted = inverted;
            RecordingSurface surface(kCarViewWidth, kCarViewHeight);

            DrawCarView(surface, CurrentCarView(s));

            EXPECT_EQ(AxleBarLefts(surface).size(), static_cast<std::size_t>(c.drawnAxles));
            const int bogies = std::clamp(c.bogies, 0, c.drawnAxles);
            const AxleShifts shifts = ComputeAxleShifts(c.axles, c.bogies);
            for (int i = 0; i < kMaxAxles; ++i) {
                const int shift = shifts[static_cast<std::size_t>(i)];
                EXPECT_GE(shift, 0);
                EXPECT_LE(shift, i < c.drawnAxles ? bogies : 0) << "axle " << i;
            }
            EXPECT_EQ(surface.PenColour(), kDefaultPenColour);
            EXPECT_EQ(surface.PenWidth(), kDefaultPenWidth);
            EXPECT_EQ(surface.BrushColour(), kDefaultBrushColour);
            if (type >= 3 && c.drawnAxles > 0) {
                EXPECT_EQ(surface.Only(Op::Ellipse).size(), 1u) << "one start dot";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FromFiles, OddCountsTest,
                         ::testing::Values(OddCounts{1, 0, 1}, OddCounts{1, 9, 1},
                                           OddCounts{16, 9, 16}, OddCounts{3, 9, 3},
                                           OddCounts{16, 0, 16}, OddCounts{2, 1, 2}));

INSTANTIATE_TEST_SUITE_P(BeyondTheTables, OddCountsTest,
                         ::testing::Values(OddCounts{0, 2, 0}, OddCounts{-3, -3, 0},
                                           OddCounts{17, 8, 16}, OddCounts{1000, 1000, 16}));

// More bogies than axles widen nothing: the marks span only the bogies that
// hold axles, so the long arrows stay over the drawn car.
TEST(CarViewTest, SurplusBogiesDoNotStretchTheMarks) {
    auto owner = testing::FreshScheme();
    Scheme& s = *owner;
    s.cars[0].axleCount = 3;
    s.state.schemeType = 1;

    s.cars[0].bogieCount = 3;
    RecordingSurface asLaidOut(kCarViewWidth, kCarViewHeight);
    DrawCarView(asLaidOut, CurrentCarView(s));
    s.cars[0].bogieCount = 9;
    RecordingSurface fromFile(kCarViewWidth, kCarViewHeight);
    DrawCarView(fromFile, CurrentCarView(s));

    EXPECT_EQ(fromFile.Lines(), asLaidOut.Lines());
    EXPECT_EQ(AxleBarLefts(fromFile), AxleBarLefts(asLaidOut));
}

}  // namespace
}  // namespace quorvane
