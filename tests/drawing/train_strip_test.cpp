#include "drawing/train_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../model/fresh_scheme.h"
#include "drawing/palette.h"
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
        surface.calls.clear();
        DrawTrainStrip(surface, cars, s.state.currentCar, hovered);
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
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrainStripTest, NumbersStartAtTheSamePointWhateverTheirLength) {
    Draw(10);
    const std::vector<Label> labels = surface.Labels();
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels[0], (Label{"1", {61, 38}}));
    EXPECT_EQ(labels[9], (Label{"10", {1069, 38}}));
    for (const Call& text : surface.Only(Op::Text)) {
        EXPECT_EQ(text.style, (TextStyle{12, true, false}));
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
