#include "drawing/train_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../model/fresh_scheme.h"
#include "drawing/palette.h"
#include "model/layout.h"
#include "recording_surface.h"

namespace quorvane {
namespace {

using testing::Call;
using testing::Label;
using testing::Op;
using testing::RecordingSurface;

class TrainStripTest : public ::testing::Test {
protected:
    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;
    RecordingSurface surface{800, 102};

    void Draw(int cars, int hovered = -1) {
        s.state.carCount = cars;
        surface.calls.clear();
        DrawTrainStrip(surface, s, s.state.currentCar, hovered);
    }
    std::vector<Call> Bodies() const {
        std::vector<Call> bodies;
        for (const Call& call : surface.Only(Op::Polygon)) {
            if (call.points.size() == 4) {
                bodies.push_back(call);
            }
        }
        return bodies;
    }
    std::vector<Rgb> BodyColours() const {
        std::vector<Rgb> colours;
        for (const Call& body : Bodies()) {
            colours.push_back(body.brush);
        }
        return colours;
    }
    Point Size() const { return {surface.Width(), surface.Height()}; }
};

struct SizeCase {
    int cars;
    Point size;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.cars << " cars";
}

class StripSizeTest : public TrainStripTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(StripSizeTest, SurfaceWidensOnlyWhenTheTrainDoesNotFit) {
    const SizeCase c = GetParam();
    Draw(c.cars);

    EXPECT_EQ(Size(), c.size);
    ASSERT_EQ(Bodies().size(), static_cast<std::size_t>(c.cars));
    const Call last = Bodies().back();
    EXPECT_EQ(last.points[0].x, 112 * (c.cars - 1) + 20);
    EXPECT_EQ(last.points[1].x, 112 * (c.cars - 1) + 110);
    EXPECT_LE(last.points[1].x + 10, c.size.x) << "the right buffers stay on the surface";
}

INSTANTIATE_TEST_SUITE_P(Counts, StripSizeTest,
                         ::testing::Values(SizeCase{1, {800, 102}}, SizeCase{2, {800, 102}},
                                           SizeCase{7, {800, 102}}, SizeCase{8, {912, 88}},
                                           SizeCase{40, {4496, 88}}));

TEST_F(TrainStripTest, OneCarKeepsTheSizeOfTheTrainBefore) {
    Draw(10);
    ASSERT_EQ(Size(), (Point{1136, 88}));

    Draw(1);
    EXPECT_EQ(Size(), (Point{1136, 88}));
    EXPECT_TRUE(surface.Only(Op::Resize).empty());
    ASSERT_FALSE(surface.calls.empty());
    EXPECT_EQ(surface.calls.front().op, Op::FillWhite) << "the rest of the wide strip is white";
    EXPECT_EQ(BodyColours(), (std::vector<Rgb>{kGreen}));

    Draw(2);
    EXPECT_EQ(Size(), (Point{800, 102}));
}

TEST_F(TrainStripTest, SizeIsSetBeforeTheWhiteFill) {
    Draw(8);
    ASSERT_GE(surface.calls.size(), 2u);
    EXPECT_EQ(surface.calls[0].op, Op::Resize);
    EXPECT_EQ(surface.calls[1].op, Op::FillWhite);
}

struct ColourCase {
    const char* name;
    int current;
    int hovered;
    std::vector<Rgb> colours;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.name;
}

class StripColourTest : public TrainStripTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(StripColourTest, CurrentIsGreenAndHoveredLightGreen) {
    const ColourCase& c = GetParam();
    s.state.currentCar = c.current;
    Draw(3, c.hovered);
    EXPECT_EQ(BodyColours(), c.colours);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeCars, StripColourTest,
    ::testing::Values(ColourCase{"NoneHovered", 1, -1, {kGrey, kGreen, kGrey}},
                      ColourCase{"OtherHovered", 1, 2, {kGrey, kGreen, kHoverGreen}},
                      ColourCase{"HoverWinsOverCurrent", 1, 1, {kGrey, kHoverGreen, kGrey}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(TrainStripTest, NumbersStartAtTheSamePointWhateverTheirLength) {
    Draw(10);
    // The numbers are the large texts; the others are the small counts.
    std::vector<Label> labels;
    for (const Call& text : surface.Only(Op::Text)) {
        if (text.style == TextStyle{12, true, false}) {
            labels.push_back({text.text, text.points[0]});
        } else {
            EXPECT_EQ(text.style, kStripCountsStyle) << text.text;
        }
    }
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels[0], (Label{"1", {61, 38}}));
    EXPECT_EQ(labels[9], (Label{"10", {1069, 38}}));
}

TEST(StripCountsTextTest, AxlesMiddleDotBogiesInUtf8) {
    struct Case {
        int axles;
        int bogies;
        const char* text;
    };
    for (const Case& c : {Case{6, 3, "6\xC2\xB7" "3"}, Case{16, 8, "16\xC2\xB7" "8"},
                          Case{2, 1, "2\xC2\xB7" "1"}, Case{10, 10, "10\xC2\xB7" "10"}}) {
        EXPECT_EQ(StripCountsText(c.axles, c.bogies), c.text) << c.axles << ", " << c.bogies;
    }
}

// Each car's own counts, below the left end of its body, whether the car is
// complete, reversed, current, hovered or none of these. The pixel tests
// show that they keep clear of the tick.
TEST_F(TrainStripTest, CountsOfEachCarStandBelowTheLeftEndOfItsBody) {
    struct Shape {
        int axles;
        int bogies;
        bool inverted;
        const char* counts;
    };
    const std::vector<Shape> shapes{{6, 3, false, "6\xC2\xB7" "3"},
                                    {2, 1, true, "2\xC2\xB7" "1"},
                                    {16, 8, true, "16\xC2\xB7" "8"},
                                    {4, 2, false, "4\xC2\xB7" "2"}};
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        CarRecord& car = s.cars[i];
        car.axleCount = shapes[i].axles;
        car.bogieCount = shapes[i].bogies;
        car.inverted = shapes[i].inverted;
        if (i == 2) {  // complete, so that it carries a tick
            car.series = "S";
            car.carNumber = "1";
            for (AxleSlot& axle : car.axles) {
                axle = {.axleName = "1", .run = "1", .sides = {{{"W"}, {"W"}}}};
            }
        }
    }
    s.state.currentCar = 1;
    Draw(4, 3);

    std::vector<Label> counts;
    for (const Call& text : surface.Only(Op::Text)) {
        if (text.style == kStripCountsStyle) {
            counts.push_back({text.text, text.points[0]});
        }
    }
    ASSERT_EQ(counts.size(), shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const int left = 20 + 112 * static_cast<int>(i);
        EXPECT_EQ(counts[i], (Label{shapes[i].counts, {left + 2, 72}}))
            << "car " << i + 1;
    }
}

TEST_F(TrainStripTest, NeverChangesThePen) {
    Draw(40, 3);
    EXPECT_TRUE(surface.Only(Op::SetPenColour).empty());
    EXPECT_TRUE(surface.Only(Op::SetPenWidth).empty());
    EXPECT_EQ(surface.BrushColour(), kDefaultBrushColour);
}

TEST_F(TrainStripTest, PictogramIsABodyWithTwoBuffersAtEachEnd) {
    surface.SetBrushColour({4, 5, 6});
    surface.calls.clear();
    DrawCarPictogram(surface, 20, 24, 90, 45, 1, kGreen);

    const std::vector<Call> polygons = surface.Only(Op::Polygon);
    ASSERT_EQ(polygons.size(), 5u);
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{20, 24}, {110, 24}, {110, 69}, {20, 69}}));
    EXPECT_EQ(polygons[0].brush, kGreen);
    EXPECT_EQ(polygons[1].points, (std::vector<Point>{{20, 32},
                                                      {17, 32},
                                                      {16, 33},
                                                      {14, 33},
                                                      {12, 31},
                                                      {12, 30},
                                                      {10, 30},
                                                      {10, 40},
                                                      {12, 40},
                                                      {12, 39},
                                                      {14, 37},
                                                      {16, 37},
                                                      {17, 38},
                                                      {20, 38},
                                                      {20, 32}}))
        << "left upper buffer on (20, 35)";
    EXPECT_EQ(polygons[4].points, (std::vector<Point>{{110, 54},
                                                      {113, 54},
                                                      {114, 55},
                                                      {116, 55},
                                                      {118, 53},
                                                      {118, 52},
                                                      {120, 52},
                                                      {120, 62},
                                                      {118, 62},
                                                      {118, 61},
                                                      {116, 59},
                                                      {114, 59},
                                                      {113, 60},
                                                      {110, 60},
                                                      {110, 54}}))
        << "right lower buffer on (110, 57)";
    EXPECT_EQ(polygons[2].points[0], (Point{20, 54})) << "left lower buffer on (20, 57)";
    EXPECT_EQ(polygons[3].points[0], (Point{110, 32})) << "right upper buffer on (110, 35)";
    for (std::size_t i = 1; i < polygons.size(); ++i) {
        EXPECT_EQ(polygons[i].brush, kBlack) << "buffer " << i;
    }
    const std::vector<Call> texts = surface.Only(Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].brush, (Rgb{4, 5, 6})) << "the brush is back before the number";
    EXPECT_EQ(surface.BrushColour(), (Rgb{4, 5, 6}));
}

// Car 1 complete, car 2 reversed, car 3 complete and reversed, car 4 neither.
TEST_F(TrainStripTest, TickUnderACompleteCarArrowOverAReversedOne) {
    auto plain = testing::FreshScheme();
    for (int i = 0; i < 3; ++i) {
        AddCar(s);
        AddCar(*plain);
    }
    for (int car : {0, 2}) {
        CarRecord& record = s.cars[static_cast<std::size_t>(car)];
        record.series = "ER2";
        record.carNumber = "101";
        for (AxleSlot& axle : record.axles) {
            axle = {.axleName = "1", .run = "100", .sides = {{{"W"}, {"W"}}}};
        }
    }
    s.cars[1].inverted = true;
    s.cars[2].inverted = true;
    Draw(4);

    std::vector<Call> bodies = Bodies();
    ASSERT_EQ(bodies.size(), 4u);
    struct Mark {
        int car;
        bool below;  // a tick below the body, or an arrow above it
        Rgb fill;
    };
    std::vector<Mark> marks;
    for (const Call& call : surface.Only(Op::Polygon)) {
        if (call.points.size() == 6 || call.points.size() == 7) {
            const auto [left, right] = std::minmax_element(
                call.points.begin(), call.points.end(), [](Point a, Point b) { return a.x < b.x; });
            const int car = (left->x - 20) / 112;
            EXPECT_GE(left->x, 112 * car + 20) << "within car " << car + 1 << "'s width";
            EXPECT_LE(right->x, 112 * car + 110);
            const auto [top, bottom] = std::minmax_element(
                call.points.begin(), call.points.end(), [](Point a, Point b) { return a.y < b.y; });
            const bool below = top->y > 69;
            EXPECT_TRUE(below || bottom->y < 24) << "outside the body of car " << car + 1;
            EXPECT_GE(top->y, kStripMarksTop);
            EXPECT_LT(bottom->y, kStripMarksBottom);
            marks.push_back({car, below, call.brush});
        }
    }
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_TRUE(marks[0].car == 0 && marks[0].below && marks[0].fill == kGreen);
    EXPECT_TRUE(marks[1].car == 1 && !marks[1].below && marks[1].fill == kBlack);
    EXPECT_TRUE(marks[2].car == 2 && marks[2].below);
    EXPECT_TRUE(marks[3].car == 2 && !marks[3].below);

    // The bodies are those of a train without marks.
    surface.calls.clear();
    DrawTrainStrip(surface, *plain, s.state.currentCar, -1);
    ASSERT_EQ(Bodies().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Bodies()[i].points, bodies[i].points);
    }
    EXPECT_EQ(surface.Only(Op::Polygon).size(), 4u * 5) << "no marks without cause";
}

// A row of a strip wrapped on paper is the same drawing as those cars of
// the whole strip, moved left by the cars before them, marks included.
TEST_F(TrainStripTest, ARangeOfCarsIsThoseCarsOfTheStrip) {
    for (int i = 0; i < 11; ++i) {
        AddCar(s);
    }
    s.cars[8].inverted = true;
    s.cars[9].series = "S";
    s.cars[9].carNumber = "1";
    for (AxleSlot& axle : s.cars[9].axles) {
        axle = {.axleName = "1", .run = "1", .sides = {{{"W"}, {"W"}}}};
    }
    surface.calls.clear();
    DrawTrainStrip(surface, s, -1, -1);
    std::vector<Call> whole;
    for (const Call& call : surface.calls) {
        if (call.op != Op::Resize && call.op != Op::FillWhite && call.op != Op::SetBrushColour) {
            whole.push_back(call);
        }
    }
    RecordingSurface row{800, 102};
    DrawTrainStripCars(row, s, 7, 4, -1, -1);
    std::vector<Call> part;
    for (Call call : row.calls) {
        if (call.op == Op::SetBrushColour) {
            continue;
        }
        for (Point& p : call.points) {
            p.x += 7 * 112;
        }
        part.push_back(call);
    }
    ASSERT_GT(part.size(), 4u * 6);
    const auto first = std::find_if(whole.begin(), whole.end(), [&](const Call& call) {
        return call.points == part.front().points;
    });
    ASSERT_NE(first, whole.end());
    ASSERT_GE(whole.end() - first, static_cast<std::ptrdiff_t>(part.size()));
    for (std::size_t i = 0; i < part.size(); ++i) {
        EXPECT_EQ(first[static_cast<std::ptrdiff_t>(i)].points, part[i].points) << i;
        EXPECT_EQ(first[static_cast<std::ptrdiff_t>(i)].brush, part[i].brush) << i;
    }
}

struct HitCase {
    int cars;
    Point at;
    int car;
};

void PrintTo(const HitCase& c, std::ostream* os) {
    *os << c.cars << " cars at (" << c.at.x << ", " << c.at.y << ')';
}

class StripHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(StripHitTest, OnlyTheInsideOfABodyHits) {
    const HitCase c = GetParam();
    EXPECT_EQ(CarAtStripPoint(c.cars, c.at.x, c.at.y), c.car);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, StripHitTest,
                         ::testing::Values(HitCase{1, {21, 25}, 0}, HitCase{1, {109, 68}, 0},
                                           // the outline
                                           HitCase{1, {20, 40}, -1}, HitCase{1, {110, 40}, -1},
                                           HitCase{1, {50, 24}, -1}, HitCase{1, {50, 69}, -1},
                                           // buffers and the gap between cars
                                           HitCase{2, {10, 35}, -1}, HitCase{2, {15, 35}, -1},
                                           HitCase{2, {120, 35}, -1}, HitCase{2, {132, 40}, -1},
                                           HitCase{2, {133, 40}, 1}, HitCase{2, {221, 40}, 1},
                                           // cars beyond the train, and points off the strip
                                           HitCase{2, {245, 40}, -1}, HitCase{40, {4389, 40}, 39},
                                           HitCase{40, {4478, 40}, -1}, HitCase{40, {4500, 40}, -1},
                                           HitCase{1, {-100, 40}, -1}, HitCase{1, {50, -5}, -1},
                                           HitCase{0, {50, 40}, -1}));

}  // namespace
}  // namespace quorvane
