#include "drawing/scheme_marks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "../model/fresh_scheme.h"
#include "drawing/car_diagram.h"
#include "drawing/car_view.h"
#include "drawing/palette.h"
#include "model/layout.h"
#include "recording_surface.h"

namespace quorvane {
namespace {

using testing::Call;
using testing::Line;
using testing::Op;
using testing::RecordingSurface;

constexpr Rgb kOddPen{1, 2, 3};
constexpr Rgb kOddBrush{4, 5, 6};

// The parts of a path: start dots (centres of the ellipses), red joining lines
// and blue shafts; head strokes are the short blue lines and are left out.
struct Path {
    std::vector<Point> dots;
    std::vector<Line> joins;
    std::vector<Line> shafts;
};

Path PathOf(const RecordingSurface& surface) {
    Path path;
    for (const Call& e : surface.Only(Op::Ellipse)) {
        path.dots.push_back(
            {(e.points[0].x + e.points[1].x) / 2, (e.points[0].y + e.points[1].y) / 2});
    }
    for (const Line& line : surface.Lines()) {
        const int length = std::abs(line.to.x - line.from.x) + std::abs(line.to.y - line.from.y);
        if (line.colour == kRed) {
            path.joins.push_back(line);
        } else if (length > 10) {
            path.shafts.push_back(line);
        }
    }
    return path;
}

Line Red(Point from, Point to) {
    return {from, to, kRed, 2};
}
Line Blue(Point from, Point to) {
    return {from, to, kBlue, 2};
}

class SchemeMarksTest : public ::testing::Test {
protected:
    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;
    RecordingSurface surface{800, 147};

    // A train of two cars of 4 axles and 2 bogies; `last` puts the second current.
    void TwoCars(bool last) {
        AddCar(s);
        if (last) {
            NextCarInLayout(s);
        }
    }
    void Draw(int type) {
        const CarView view = CurrentCarView(s);
        DrawSchemeMarks(surface, type, view.car.axleCount, view.car.bogieCount, view.lastCar);
    }
};

struct PathCase {
    const char* name;
    int type;
    bool lastCar;
    std::vector<Point> dots;
    std::vector<Line> joins;
    std::vector<Line> shafts;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class SchemeTypePathTest : public SchemeMarksTest,
                           public ::testing::WithParamInterface<PathCase> {};

TEST_P(SchemeTypePathTest, FourAxlesOfTwoBogies) {
    const PathCase& c = GetParam();
    TwoCars(c.lastCar);
    Draw(c.type);

    const Path path = PathOf(surface);
    EXPECT_EQ(path.dots, c.dots);
    EXPECT_EQ(path.joins, c.joins);
    EXPECT_EQ(path.shafts, c.shafts);
    for (const Call& e : surface.Only(Op::Ellipse)) {
        EXPECT_EQ(e.pen, kRed);
        EXPECT_EQ(e.brush, kRed);
        EXPECT_EQ(e.penWidth, 2);
        EXPECT_EQ(e.points[1].x - e.points[0].x, 6);
        EXPECT_EQ(e.points[1].y - e.points[0].y, 6);
    }
    EXPECT_EQ(surface.PenColour(), kDefaultPenColour);
    EXPECT_EQ(surface.PenWidth(), 1);
    EXPECT_EQ(surface.BrushColour(), kDefaultBrushColour);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, SchemeTypePathTest,
    ::testing::Values(
        PathCase{"Type1",
                 1,
                 false,
                 {{15, 137}, {232, 13}},
                 {Red({123, 137}, {123, 137}), Red({124, 13}, {123, 13})},
                 {Blue({15, 137}, {123, 137}), Blue({123, 137}, {231, 137}),
                  Blue({232, 13}, {124, 13}), Blue({123, 13}, {10, 13})}},
        PathCase{
            "Type1LastCar",
            1,
            true,
            {{15, 137}},
            {Red({123, 137}, {123, 137}), Red({231, 137}, {232, 13}), Red({124, 13}, {123, 13})},
            {Blue({15, 137}, {123, 137}), Blue({123, 137}, {231, 137}), Blue({232, 13}, {124, 13}),
             Blue({123, 13}, {10, 13})}},
        PathCase{"Type2",
                 2,
                 false,
                 {{15, 13}, {232, 137}},
                 {Red({128, 13}, {123, 13}), Red({124, 137}, {123, 137})},
                 {Blue({15, 13}, {128, 13}), Blue({123, 13}, {231, 13}),
                  Blue({232, 137}, {124, 137}), Blue({123, 137}, {15, 137})}},
        PathCase{
            "Type2LastCar",
            2,
            true,
            {{15, 13}},
            {Red({128, 13}, {123, 13}), Red({231, 13}, {232, 137}), Red({124, 137}, {123, 137})},
            {Blue({15, 13}, {128, 13}), Blue({123, 13}, {231, 13}), Blue({232, 137}, {124, 137}),
             Blue({123, 137}, {15, 137})}},
        PathCase{"Type3AllUp",
                 3,
                 false,
                 {{32, 97}},
                 {Red({32, 53}, {83, 97}), Red({83, 53}, {147, 97}), Red({147, 53}, {198, 97})},
                 {Blue({32, 97}, {32, 52}), Blue({83, 97}, {83, 52}), Blue({147, 97}, {147, 52}),
                  Blue({198, 97}, {198, 52})}},
        PathCase{"Type4AllDown",
                 4,
                 false,
                 {{32, 52}},
                 {Red({31, 97}, {83, 52}), Red({82, 97}, {147, 52}), Red({146, 97}, {198, 52})},
                 {Blue({32, 52}, {32, 97}), Blue({83, 52}, {83, 97}), Blue({147, 52}, {147, 97}),
                  Blue({198, 52}, {198, 97})}},
        PathCase{"Type5UpFirst",
                 5,
                 false,
                 {{32, 97}},
                 {Red({32, 53}, {83, 52}), Red({82, 97}, {147, 97}), Red({147, 53}, {198, 52})},
                 {Blue({32, 97}, {32, 52}), Blue({83, 52}, {83, 97}), Blue({147, 97}, {147, 52}),
                  Blue({198, 52}, {198, 97})}},
        PathCase{"Type6DownFirst",
                 6,
                 true,
                 {{32, 52}},
                 {Red({31, 97}, {83, 97}), Red({83, 53}, {147, 52}), Red({146, 97}, {198, 97})},
                 {Blue({32, 52}, {32, 97}), Blue({83, 97}, {83, 52}), Blue({147, 52}, {147, 97}),
                  Blue({198, 97}, {198, 52})}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(SchemeMarksTest, UnknownTypesDrawNothing) {
    for (int type : {0, 7, -1}) {
        Draw(type);
        EXPECT_TRUE(surface.calls.empty()) << "type " << type;
    }
}

// The car view of a reversed car mirrors its labels, never its marks.
TEST_F(SchemeMarksTest, OrientationDoesNotChangeTheMarks) {
    for (int type = 1; type <= 6; ++type) {
        s.state.schemeType = type;
        RecordingSurface direct(800, 147);
        DrawCarView(direct, CurrentCarView(s));
        SetInverted(s, true);
        RecordingSurface reversed(800, 147);
        DrawCarView(reversed, CurrentCarView(s));
        SetInverted(s, false);
        ASSERT_NE(direct.Labels(), reversed.Labels()) << "the diagram is of a reversed car";
        EXPECT_EQ(PathOf(direct).shafts, PathOf(reversed).shafts) << "type " << type;
        EXPECT_EQ(PathOf(direct).joins, PathOf(reversed).joins) << "type " << type;
    }
}

TEST_F(SchemeMarksTest, LongestCarEndsInsideTheSurface) {
    TwoCars(false);
    CurrentCar(s).axleCount = 16;
    CurrentCar(s).bogieCount = 8;
    Draw(1);

    const Path path = PathOf(surface);
    ASSERT_EQ(path.shafts.size(), 4u);
    EXPECT_EQ(path.shafts[1].to, (Point{793, 137}));
    EXPECT_EQ(path.dots.back(), (Point{794, 13}));
}

TEST_F(SchemeMarksTest, OtherSizesKeepTheirHalves) {
    TwoCars(false);
    CurrentCar(s).axleCount = 5;
    CurrentCar(s).bogieCount = 2;
    Draw(1);
    EXPECT_EQ(PathOf(surface).joins.back(), Red({144, 13}, {144, 13}))
        << "span 258, half 129: the top arrows meet";

    surface.calls.clear();
    CurrentCar(s).axleCount = 2;
    CurrentCar(s).bogieCount = 1;
    Draw(1);
    const Path path = PathOf(surface);
    EXPECT_EQ(path.shafts[0], Blue({15, 137}, {76, 137}));
    EXPECT_EQ(path.dots.back(), (Point{137, 13}));
}

// Each arrow alone, with a pen and brush it must put back.
struct ArrowCase {
    const char* name;
    void (*draw)(DrawingSurface&, int, int, int, bool);
    Point start;
    std::vector<Line> strokes;  // blue, after the dot or joining line
    Point end;
};

void PrintTo(const ArrowCase& c, std::ostream* os) {
    *os << c.name;
}

class ArrowTest : public ::testing::TestWithParam<ArrowCase> {
protected:
    RecordingSurface surface{800, 147};

    void SetUp() override {
        surface.SetPenColour(kOddPen);
        surface.SetBrushColour(kOddBrush);
        surface.MoveTo({90, 40});
        surface.calls.clear();
    }
    void ExpectRestored() {
        EXPECT_EQ(surface.PenColour(), kOddPen);
        EXPECT_EQ(surface.BrushColour(), kOddBrush);
        EXPECT_EQ(surface.PenWidth(), 1);
        EXPECT_EQ(surface.PenPosition(), GetParam().end);
    }
};

TEST_P(ArrowTest, StartsWithADotAndDrawsItsHead) {
    const ArrowCase& c = GetParam();
    c.draw(surface, 100, 50, 30, false);

    const std::vector<Call> dots = surface.Only(Op::Ellipse);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(dots[0].points,
              (std::vector<Point>{{c.start.x - 3, c.start.y - 3}, {c.start.x + 3, c.start.y + 3}}));
    EXPECT_EQ(surface.Lines(), c.strokes);
    ExpectRestored();
}

TEST_P(ArrowTest, JoinedStartsWithARedLineFromThePen) {
    const ArrowCase& c = GetParam();
    c.draw(surface, 100, 50, 30, true);

    EXPECT_TRUE(surface.Only(Op::Ellipse).empty());
    std::vector<Line> expected{Red({90, 40}, c.start)};
    expected.insert(expected.end(), c.strokes.begin(), c.strokes.end());
    EXPECT_EQ(surface.Lines(), expected);
    ExpectRestored();
}

INSTANTIATE_TEST_SUITE_P(
    AllFour, ArrowTest,
    ::testing::Values(ArrowCase{"Right",
                                DrawRightArrow,
                                {100, 50},
                                {Blue({100, 50}, {130, 50}), Blue({130, 50}, {124, 47}),
                                 Blue({130, 49}, {124, 52})},
                                {130, 50}},
                      ArrowCase{"Left",
                                DrawLeftArrow,
                                {100, 50},
                                {Blue({100, 50}, {70, 50}), Blue({70, 50}, {76, 47}),
                                 Blue({70, 49}, {76, 52}), Blue({76, 47}, {76, 53})},
                                {70, 50}},
                      ArrowCase{"Down",
                                DrawDownArrow,
                                {100, 50},
                                {Blue({100, 50}, {100, 80}), Blue({100, 80}, {97, 74}),
                                 Blue({97, 74}, {102, 75}), Blue({102, 75}, {99, 80})},
                                {99, 80}},
                      ArrowCase{"Up",
                                DrawUpArrow,
                                {100, 80},
                                {Blue({100, 80}, {100, 50}), Blue({100, 50}, {97, 56}),
                                 Blue({97, 56}, {102, 56}), Blue({102, 56}, {100, 51})},
                                {100, 51}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quorvane
