#include "drawing/car_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "../model/fresh_scheme.h"
#include "drawing/car_view.h"
#include "drawing/palette.h"
#include "model/layout.h"
#include "model/parameter_entry.h"
#include "recording_surface.h"

namespace quorvane {
namespace {

using testing::Call;
using testing::Label;
using testing::Op;
using testing::RecordingSurface;

struct ShiftCase {
    int axles;
    int bogies;
    std::vector<int> shifts;  // of the first entries; every later one is 0
};

void PrintTo(const ShiftCase& c, std::ostream* os) {
    *os << c.axles << " axles, " << c.bogies << " bogies";
}

class AxleShiftTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(AxleShiftTest, BogiesShareTheAxlesWithTheSurplusInFront) {
    const ShiftCase& c = GetParam();

    AxleShifts expected{};
    std::copy(c.shifts.begin(), c.shifts.end(), expected.begin());
    EXPECT_EQ(ComputeAxleShifts(c.axles, c.bogies), expected);
}

INSTANTIATE_TEST_SUITE_P(
    LayoutCounts, AxleShiftTest,
    ::testing::Values(ShiftCase{4, 2, {1, 1, 2, 2}}, ShiftCase{6, 3, {1, 1, 2, 2, 3, 3}},
                      ShiftCase{5, 2, {1, 1, 1, 2, 2}}, ShiftCase{7, 3, {1, 1, 1, 2, 2, 3, 3}},
                      ShiftCase{8, 3, {1, 1, 1, 2, 2, 2, 3, 3}},
                      ShiftCase{9, 4, {1, 1, 1, 2, 2, 3, 3, 4, 4}},
                      ShiftCase{16, 5, {1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5}},
                      ShiftCase{16, 8, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}},
                      ShiftCase{16, 1, std::vector<int>(16, 1)}, ShiftCase{2, 1, {1, 1}},
                      ShiftCase{3, 3, {1, 2, 3}}));

// A loaded file may bring a single axle, no bogie, or more bogies than axles;
// counts beyond the tables must not write past the 16 entries either.
INSTANTIATE_TEST_SUITE_P(
    FileCounts, AxleShiftTest,
    ::testing::Values(ShiftCase{1, 0, {}}, ShiftCase{1, 9, {1}}, ShiftCase{3, 9, {1, 2, 3}},
                      ShiftCase{16, 9, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 9}},
                      ShiftCase{16, 0, {}}, ShiftCase{0, 2, {}}, ShiftCase{-1, 2, {}},
                      ShiftCase{2, -1, {}}, ShiftCase{17, 1, std::vector<int>(16, 1)}));

class CarDiagramTest : public ::testing::Test {
protected:
    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;
    RecordingSurface surface{800, 147};

    void SetCounts(int axles, int bogies) {
        CurrentCar(s).axleCount = axles;
        CurrentCar(s).bogieCount = bogies;
    }
    // As the window draws the current car.
    void Draw() {
        const CarView view = CurrentCarView(s);
        DrawCar(surface, view.car, view.highlightedAxle, 0, 40, view.car.axleCount, 6, 70);
    }

    // Axle bars are the 4-point polygons; an axle stands 14 pixels left of its bar.
    std::vector<Call> Bars() const { return PolygonsOf(4); }
    std::vector<Call> Wheels() const { return PolygonsOf(23); }
    std::vector<int> AxlePositions() const {
        std::vector<int> xs;
        for (const Call& bar : Bars()) {
            xs.push_back(bar.points[0].x - 14);
        }
        return xs;
    }
    std::vector<Call> PolygonsOf(std::size_t points) const {
        std::vector<Call> picked;
        for (const Call& call : surface.Only(Op::Polygon)) {
            if (call.points.size() == points) {
                picked.push_back(call);
            }
        }
        return picked;
    }
};

TEST_F(CarDiagramTest, FourAxlesOfTwoBogiesStandInTwoGroups) {
    SetCounts(4, 2);
    Draw();

    EXPECT_EQ(AxlePositions(), (std::vector<int>{13, 64, 128, 179}));
    const std::vector<Call> bars = Bars();
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_EQ(bars[0].points, (std::vector<Point>{{27, 46}, {27, 104}, {36, 104}, {36, 46}}));
    for (const Call& bar : bars) {
        EXPECT_EQ(bar.brush, kGrey);
    }
    // Per axle: the left wheel below, then the right wheel above.
    EXPECT_EQ(surface.Labels(), (std::vector<Label>{{"1L", {25, 119}},
                                                    {"1R", {25, 19}},
                                                    {"2L", {76, 119}},
                                                    {"2R", {76, 19}},
                                                    {"3L", {140, 119}},
                                                    {"3R", {140, 19}},
                                                    {"4L", {191, 119}},
                                                    {"4R", {191, 19}}}));
    for (const Call& text : surface.Only(Op::Text)) {
        EXPECT_EQ(text.style, TextStyle{}) << text.text;
    }
}

TEST_F(CarDiagramTest, ReversedCarNumbersFromTheRightWithLeftWheelsOnTop) {
    SetCounts(4, 2);
    SetInverted(s, true);
    Draw();

    EXPECT_EQ(AxlePositions(), (std::vector<int>{13, 64, 128, 179}));
    EXPECT_EQ(surface.Labels(), (std::vector<Label>{{"4L", {25, 19}},
                                                    {"4R", {25, 119}},
                                                    {"3L", {76, 19}},
                                                    {"3R", {76, 119}},
                                                    {"2L", {140, 19}},
                                                    {"2R", {140, 119}},
                                                    {"1L", {191, 19}},
                                                    {"1R", {191, 119}}}));
}

TEST_F(CarDiagramTest, ClearsTheSurfaceFirstAndNeverTouchesThePen) {
    Draw();

    ASSERT_FALSE(surface.calls.empty());
    EXPECT_EQ(surface.calls.front().op, Op::FillWhite);
    EXPECT_TRUE(surface.Only(Op::SetPenColour).empty());
    EXPECT_TRUE(surface.Only(Op::SetPenWidth).empty());
    EXPECT_EQ(surface.BrushColour(), kDefaultBrushColour);
    for (const Call& text : surface.Only(Op::Text)) {
        EXPECT_EQ(text.brush, kDefaultBrushColour) << "label " << text.text;
    }
}

struct PitchCase {
    int axles;
    int pitch;
};

class AxlePitchTest : public CarDiagramTest, public ::testing::WithParamInterface<PitchCase> {};

TEST_P(AxlePitchTest, OneBogieSpacesTheAxlesEvenly) {
    const PitchCase c = GetParam();
    SetCounts(c.axles, 1);
    Draw();

    std::vector<int> expected;
    for (int i = 0; i < c.axles; ++i) {
        expected.push_back(13 + i * c.pitch);
    }
    EXPECT_EQ(AxlePositions(), expected);
}

INSTANTIATE_TEST_SUITE_P(TwoToSixteen, AxlePitchTest,
                         ::testing::Values(PitchCase{2, 61}, PitchCase{3, 54}, PitchCase{4, 51},
                                           PitchCase{5, 49}, PitchCase{6, 47}, PitchCase{7, 46},
                                           PitchCase{8, 46}, PitchCase{9, 45}, PitchCase{10, 45},
                                           PitchCase{11, 44}, PitchCase{12, 44}, PitchCase{13, 44},
                                           PitchCase{14, 43}, PitchCase{15, 43},
                                           PitchCase{16, 43}));

TEST_F(CarDiagramTest, BogieGroupsShiftTheAxles) {
    SetCounts(6, 3);
    Draw();
    EXPECT_EQ(AxlePositions(), (std::vector<int>{13, 60, 120, 167, 227, 274}));

    surface.calls.clear();
    SetCounts(3, 3);
    Draw();
    EXPECT_EQ(AxlePositions(), (std::vector<int>{13, 80, 147}));
}

TEST_F(CarDiagramTest, LongestCarFitsTheSurface) {
    SetCounts(16, 8);
    Draw();

    EXPECT_EQ(AxlePositions().back(), 749);
    int right = 0;
    for (const Call& polygon : surface.Only(Op::Polygon)) {
        for (const Point& p : polygon.points) {
            right = std::max(right, p.x);
        }
    }
    EXPECT_EQ(right, 790);
}

TEST_F(CarDiagramTest, ALabelMovesOnePixelLeftPerCharacter) {
    SetCounts(16, 1);
    Draw();

    const std::vector<int> axles = AxlePositions();
    const std::vector<Label> labels = surface.Labels();
    ASSERT_EQ(labels[16].text, "9L");
    ASSERT_EQ(labels[18].text, "10L");
    EXPECT_EQ(labels[16].topLeft.x - axles[8], 12);
    EXPECT_EQ(labels[18].topLeft.x - axles[9], 11);
}

// Every wheel of the diagram is grey unless the scheme is in ParameterMode
// and its axle is the walk position.
TEST_F(CarDiagramTest, WheelsAreGreyWhileTheLayoutIsEdited) {
    SetCounts(4, 2);
    AcceptLayout(s);
    ASSERT_EQ(s.mode, Mode::LayoutMode);
    Draw();

    ASSERT_EQ(Wheels().size(), 8u);
    for (const Call& wheel : Wheels()) {
        EXPECT_EQ(wheel.brush, kGrey);
    }
}

TEST_F(CarDiagramTest, WalkOnTheFirstSlotOfAReversedCarGreensItsRightmostAxle) {
    SetInverted(s, true);
    s.mode = Mode::ParameterMode;
    AcceptLayout(s);
    ASSERT_TRUE(MoveWalkCursor(s, 3));
    ASSERT_EQ(s.state.currentAxle, 0);
    Draw();

    std::vector<Label> green;
    const std::vector<Call>& calls = surface.calls;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].op == Op::Polygon && calls[i].brush == kGreen) {
            EXPECT_EQ(calls[i].points[12].x, 179) << "the wheel's reference x";
            const auto label = std::find_if(calls.begin() + static_cast<long>(i), calls.end(),
                                            [](const Call& c) { return c.op == Op::Text; });
            ASSERT_NE(label, calls.end());
            green.push_back({label->text, label->points[0]});
        }
    }
    EXPECT_EQ(green, (std::vector<Label>{{"1L", {191, 19}}, {"1R", {191, 119}}}));
}

TEST_F(CarDiagramTest, OnlyTheWheelsOfTheWalkPositionAreGreen) {
    s.mode = Mode::ParameterMode;
    AcceptLayout(s);
    ASSERT_TRUE(MoveWalkCursor(s, 1));
    Draw();

    std::vector<std::string> green;
    const std::vector<Call>& calls = surface.calls;
    for (std::size_t i = 0; i + 2 < calls.size(); ++i) {
        if (calls[i].op == Op::Polygon && calls[i].brush == kGreen) {
            green.push_back(calls[i + 2].text);  // brush restored, then the label
        }
    }
    EXPECT_EQ(green, (std::vector<std::string>{"2L", "2R"}));
}

// The two wheels of the worked example, vertex for vertex.
struct WheelCase {
    const char* name;
    void (*draw)(DrawingSurface&, bool, int, int, int, int, Rgb, int);
    Point at;
    std::vector<Point> points;
    Label label;
};

void PrintTo(const WheelCase& c, std::ostream* os) {
    *os << c.name;
}

class WheelGlyphTest : public CarDiagramTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelGlyphTest, DrawsItsTwentyThreePointsThenItsLabel) {
    const WheelCase& c = GetParam();
    const Rgb before{1, 2, 3};
    surface.SetBrushColour(before);
    surface.calls.clear();

    c.draw(surface, false, c.at.x, c.at.y, 40, 6, kGreen, 0);

    const std::vector<Call> polygons = surface.Only(Op::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points, c.points);
    EXPECT_EQ(polygons[0].brush, kGreen);
    EXPECT_EQ(polygons[0].pen, kBlack);
    EXPECT_EQ(polygons[0].penWidth, 1);

    const std::vector<Call> texts = surface.Only(Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ((Label{texts[0].text, texts[0].points[0]}), c.label);
    EXPECT_EQ(texts[0].brush, before) << "the brush is restored before the label";
    EXPECT_EQ(surface.BrushColour(), before);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExample, WheelGlyphTest,
    ::testing::Values(WheelCase{"upper",
                                DrawUpperWheel,
                                {13, 40},
                                {{13, 40}, {9, 42},  {10, 44}, {22, 44}, {22, 46}, {40, 46},
                                 {40, 44}, {10, 44}, {53, 44}, {54, 43}, {54, 42}, {51, 40},
                                 {13, 40}, {13, 35}, {14, 34}, {27, 34}, {27, 33}, {35, 33},
                                 {35, 34}, {27, 34}, {49, 34}, {50, 35}, {50, 40}},
                                {"1R", {25, 19}}},
                      WheelCase{"lower",
                                DrawLowerWheel,
                                {13, 110},
                                {{12, 110}, {9, 108},  {10, 106}, {22, 106}, {22, 104}, {40, 104},
                                 {40, 106}, {10, 106}, {53, 106}, {54, 107}, {54, 108}, {51, 110},
                                 {13, 110}, {13, 115}, {14, 116}, {27, 116}, {27, 117}, {35, 117},
                                 {35, 116}, {27, 116}, {49, 116}, {50, 115}, {50, 110}},
                                {"1L", {25, 119}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CarDiagramTest, AxleBarRestoresTheBrush) {
    surface.SetBrushColour({1, 2, 3});
    DrawAxle(surface, 100, 40, 40, 70, kGrey);

    const std::vector<Call> polygons = surface.Only(Op::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points,
              (std::vector<Point>{{114, 46}, {114, 104}, {123, 104}, {123, 46}}));
    EXPECT_EQ(polygons[0].brush, kGrey);
    EXPECT_EQ(surface.BrushColour(), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace quorvane
