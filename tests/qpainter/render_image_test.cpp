// Pixel checks of real renders, probing the coordinates of the drawings.
#include "qpainter/render_image.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QRect>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "../model/fresh_scheme.h"
#include "drawing/palette.h"
#include "drawing/train_strip.h"
#include "model/layout.h"
#include "model/parameter_entry.h"
#include "pixel_at.h"

namespace quorvane {
namespace {

using testing::PixelAt;

bool HasInk(const QImage& image, int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            if (PixelAt(image, x, y) == kBlack) {
                return true;
            }
        }
    }
    return false;
}

class RenderImageTest : public ::testing::Test {
protected:
    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;
};

// Four axles of two bogies at x = 13, 64, 128, 179: the upper wheels' treads
// lie between y 35 and 39, the lower ones' between 111 and 115, the bars
// from x + 14 to x + 23.
TEST_F(RenderImageTest, CarViewInTheLayoutLook) {
    const QImage image = RenderCarView(CurrentCarView(s));
    ASSERT_EQ(image.size(), QSize(800, 147));

    for (int x : {13, 64, 128, 179}) {
        SCOPED_TRACE(::testing::Message() << "axle at " << x);
        EXPECT_EQ(PixelAt(image, x + 18, 37), kGrey) << "upper wheel";
        EXPECT_EQ(PixelAt(image, x + 18, 113), kGrey) << "lower wheel";
        EXPECT_EQ(PixelAt(image, x + 18, 75), kGrey) << "bar";
        EXPECT_EQ(PixelAt(image, x + 14, 75), kBlack) << "bar outline";
        EXPECT_EQ(PixelAt(image, x + 23, 75), kBlack) << "bar outline";
        EXPECT_EQ(PixelAt(image, x + 13, 75), kWhite);
        EXPECT_TRUE(HasInk(image, x + 12, 19, 16, 14)) << "upper label";
        EXPECT_TRUE(HasInk(image, x + 12, 119, 16, 14)) << "lower label";
    }
    EXPECT_EQ(PixelAt(image, 400, 75), kWhite);
}

TEST_F(RenderImageTest, CarViewGreensTheWheelsUnderTheWalk) {
    s.mode = Mode::ParameterMode;
    AcceptLayout(s);
    ASSERT_TRUE(MoveWalkCursor(s, 2));
    const QImage image = RenderCarView(CurrentCarView(s));

    EXPECT_EQ(PixelAt(image, 128 + 18, 37), kGreen);
    EXPECT_EQ(PixelAt(image, 128 + 18, 113), kGreen);
    EXPECT_EQ(PixelAt(image, 128 + 18, 75), kGrey) << "bars stay grey";
    EXPECT_EQ(PixelAt(image, 13 + 18, 37), kGrey);
    EXPECT_EQ(PixelAt(image, 179 + 18, 113), kGrey);
}

TEST_F(RenderImageTest, TypeOneDotAndShafts) {
    AddCar(s);  // the first of two cars: the return path has its own dot
    const QImage image = RenderCarView(CurrentCarView(s));

    EXPECT_EQ(PixelAt(image, 12, 137), kRed) << "start dot around (15, 137)";
    EXPECT_EQ(PixelAt(image, 15, 134), kRed);
    EXPECT_EQ(PixelAt(image, 70, 137), kBlue) << "bottom shaft";
    EXPECT_EQ(PixelAt(image, 180, 137), kBlue);
    EXPECT_EQ(PixelAt(image, 180, 13), kBlue) << "top shaft";
    EXPECT_EQ(PixelAt(image, 232, 10), kRed) << "dot of the return path at (232, 13)";
    EXPECT_EQ(PixelAt(image, 124, 13), kRed) << "the one-pixel join";
}

TEST_F(RenderImageTest, AxleArrowsOverTheBars) {
    s.state.schemeType = 4;
    const QImage image = RenderCarView(CurrentCarView(s));

    EXPECT_EQ(PixelAt(image, 29, 52), kRed) << "dot around (32, 52)";
    for (int x : {32, 83, 147, 198}) {
        EXPECT_EQ(PixelAt(image, x, 75), kBlue) << "shaft at " << x;
    }
    EXPECT_EQ(PixelAt(image, 55, 75), kRed) << "join from (31, 97) up to (83, 52)";
}

TEST_F(RenderImageTest, StripColoursCurrentAndHoveredCars) {
    AddCar(s);
    AddCar(s);
    const QImage image = RenderTrainStrip(s, s.state.currentCar, 2);
    ASSERT_EQ(image.size(), QSize(800, 102));

    EXPECT_EQ(PixelAt(image, 30, 30), kGreen) << "current";
    EXPECT_EQ(PixelAt(image, 142, 30), kGrey);
    EXPECT_EQ(PixelAt(image, 254, 30), kHoverGreen) << "hovered";
    EXPECT_EQ(PixelAt(image, 20, 30), kBlack) << "outline";
    EXPECT_EQ(PixelAt(image, 12, 35), kBlack) << "buffer";
    EXPECT_EQ(PixelAt(image, 5, 35), kWhite);
    EXPECT_EQ(PixelAt(image, 400, 50), kWhite);
    EXPECT_TRUE(HasInk(image, 61, 38, 14, 20)) << "number 1";
    EXPECT_FALSE(HasInk(image, 30, 26, 25, 40)) << "left of the number";

    EXPECT_EQ(PixelAt(RenderTrainStrip(s, s.state.currentCar, 0), 30, 30), kHoverGreen)
        << "hover wins over current";
}

// Car 1 complete, car 2 reversed: a tick under car 1 (the middle of its body
// at x 65), an arrow over car 2 (x 177), and not one pixel of a body or its
// buffers changes.
TEST_F(RenderImageTest, StripMarksLieOutsideTheBodies) {
    AddCar(s);
    AddCar(s);
    const QImage plain = RenderTrainStrip(s, 2, -1);
    s.cars[0].series = "ER2";
    s.cars[0].carNumber = "101";
    for (AxleSlot& axle : s.cars[0].axles) {
        axle = {.axleName = "1", .run = "100", .sides = {{{"W"}, {"W"}}}};
    }
    s.cars[1].inverted = true;
    const QImage marked = RenderTrainStrip(s, 2, -1);
    ASSERT_EQ(marked.size(), plain.size());

    EXPECT_EQ(PixelAt(marked, 67, 80), kGreen) << "the tick's right arm";
    EXPECT_EQ(PixelAt(marked, 61, 79), kGreen) << "its left arm";
    EXPECT_EQ(PixelAt(marked, 175, 14), kBlack) << "the arrow's shaft";
    EXPECT_EQ(PixelAt(marked, 169, 14), kBlack) << "its head";
    EXPECT_EQ(PixelAt(marked, 65, 14), kWhite) << "car 1 stands as the train does";
    EXPECT_EQ(PixelAt(marked, 177, 78), kWhite) << "car 2 is not complete";
    EXPECT_EQ(PixelAt(marked, 289, 78), kWhite);
    EXPECT_EQ(PixelAt(marked, 289, 14), kWhite);
    for (int y = kStripBodyTop - 1; y <= kStripBodyTop + kStripBodyHeight + 1; ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            ASSERT_EQ(PixelAt(marked, x, y), PixelAt(plain, x, y)) << "(" << x << ", " << y << ")";
        }
    }
}

// Where car i's counts may stand, in logical pixels: below its body, from
// its left end to just before the tick, which begins 38 pixels in, down to
// the last row the sheet wraps.
QRect CountsPlace(int car) {
    const int left = kStripBodyLeft + kStripPitch * car;
    const int top = kStripBodyTop + kStripBodyHeight + 1;
    return QRect(left, top, 38, kStripMarksBottom - top);
}

QRect Scaled(const QRect& logical, int ratio) {
    return QRect(logical.topLeft() * ratio, logical.size() * ratio);
}

// Three cars, two of them reversed, with counts 6·3, 2·1 and 16·8: below
// the bodies there is ink only in the counts' places; ticks added change
// nothing in those places; the counts moved round (2·1, 16·8, 6·3) change
// nothing else, and each place visibly.
TEST_F(RenderImageTest, StripCountsStandInTheirPlaceClearOfTheTicks) {
    struct Counts {
        int axles;
        int bogies;
    };
    const std::array<Counts, 3> counts{{{6, 3}, {2, 1}, {16, 8}}};
    auto draw = [&](int rotation, bool complete, int ratio) {
        NewScheme(s);
        s.state.carCount = 3;
        for (int c = 0; c < 3; ++c) {
            CarRecord& car = s.cars[static_cast<std::size_t>(c)];
            car.axleCount = counts[static_cast<std::size_t>((c + rotation) % 3)].axles;
            car.bogieCount = counts[static_cast<std::size_t>((c + rotation) % 3)].bogies;
            car.inverted = c > 0;
            if (complete) {
                car.series = "S";
                car.carNumber = "1";
                for (AxleSlot& axle : car.axles) {
                    axle = {.axleName = "1", .run = "1", .sides = {{{"W"}, {"W"}}}};
                }
            }
        }
        return RenderTrainStrip(s, -1, -1, ratio);
    };
    // The car whose counts' place holds the pixel, or -1.
    auto placeOf = [](int x, int y, int ratio) {
        for (int car = 0; car < 3; ++car) {
            if (Scaled(CountsPlace(car), ratio).contains(x, y)) {
                return car;
            }
        }
        return -1;
    };
    for (const int ratio : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << "ratio " << ratio);
        const QImage plain = draw(0, false, ratio);
        const QImage ticked = draw(0, true, ratio);
        const QImage moved = draw(1, false, ratio);
        ASSERT_EQ(ticked.size(), plain.size());
        ASSERT_EQ(moved.size(), plain.size());
        std::array<int, 3> inked{};
        std::array<int, 3> changed{};
        int ticks = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const int car = placeOf(x, y, ratio);
                const Rgb colour = PixelAt(plain, x, y);
                if (y >= (kStripBodyTop + kStripBodyHeight + 1) * ratio && colour != kWhite) {
                    ASSERT_GE(car, 0) << "ink below the bodies at (" << x << ", " << y << ")";
                    ++inked[static_cast<std::size_t>(car)];
                }
                if (PixelAt(ticked, x, y) != colour) {
                    ASSERT_LT(car, 0) << "a tick in the counts' place at (" << x << ", " << y
                                      << ")";
                    ++ticks;
                }
                if (PixelAt(moved, x, y) != colour) {
                    ASSERT_GE(car, 0) << "changed outside the counts at (" << x << ", " << y
                                      << ")";
                    ++changed[static_cast<std::size_t>(car)];
                }
            }
        }
        EXPECT_GT(ticks, 3 * 40 * ratio * ratio) << "three ticks";
        for (std::size_t car = 0; car < 3; ++car) {
            EXPECT_GT(inked[car], 10 * ratio * ratio) << "car " << car + 1;
            EXPECT_GT(changed[car], 8 * ratio * ratio)
                << "car " << car + 1 << ": the counts look alike";
        }
    }
}

// The window's strip is taller than a row of the sheet, which wraps rows 8
// to 85: nothing, the counts of the widest cars among it, lies outside them.
TEST_F(RenderImageTest, StripDrawsOnlyWithinTheRowsTheSheetWraps) {
    s.state.carCount = 7;
    for (int c = 0; c < 7; ++c) {
        CarRecord& car = s.cars[static_cast<std::size_t>(c)];
        car.axleCount = 16 - c;
        car.bogieCount = 8 - c;
        car.inverted = true;
        car.series = "S";
        car.carNumber = "1";
        for (AxleSlot& axle : car.axles) {
            axle = {.axleName = "1", .run = "1", .sides = {{{"W"}, {"W"}}}};
        }
    }
    for (const double ratio : {1.0, 1.5, 2.0}) {
        const QImage image = RenderTrainStrip(s, 3, 4, ratio);
        ASSERT_EQ(image.height(), static_cast<int>(std::ceil(kStripFitHeight * ratio)));
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (PixelAt(image, x, y) != kWhite) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_GE(ink.top(), static_cast<int>(kStripMarksTop * ratio)) << "ratio " << ratio;
        EXPECT_LT(ink.bottom(), static_cast<int>(kStripMarksBottom * ratio)) << "ratio " << ratio;
    }
}

// The colour of every grey or green pixel of `image` whose neighbours all
// share it: the inside of a body, a wheel or a bar, away from every edge,
// outline and line drawn over it.
std::vector<std::pair<QPoint, Rgb>> Insides(const QImage& image) {
    std::vector<std::pair<QPoint, Rgb>> insides;
    for (int y = 1; y + 1 < image.height(); ++y) {
        for (int x = 1; x + 1 < image.width(); ++x) {
            const Rgb colour = PixelAt(image, x, y);
            bool inside = true;
            for (int dy = -1; dy <= 1 && inside; ++dy) {
                for (int dx = -1; dx <= 1 && inside; ++dx) {
                    inside = PixelAt(image, x + dx, y + dy) == colour;
                }
            }
            if (inside && (colour == kGrey || colour == kGreen)) {
                insides.emplace_back(QPoint(x, y), colour);
            }
        }
    }
    return insides;
}

// At ratio 2 every fill lies where it lies at ratio 1, each of its pixels
// now four; the labels are drawn again with the finer pixels, not enlarged.
TEST_F(RenderImageTest, RatioTwoIsDrawnWithTheFinerPixelsNotEnlarged) {
    s.state.schemeType = 5;
    s.cars[0].inverted = true;
    s.mode = Mode::ParameterMode;
    AcceptLayout(s);
    MoveWalkCursor(s, 1);
    AddCar(s);
    const QImage once = RenderCarView(CurrentCarView(s));
    const QImage twice = RenderCarView(CurrentCarView(s), 2);
    ASSERT_EQ(twice.size(), QSize(1600, 294));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);

    const std::vector<std::pair<QPoint, Rgb>> insides = Insides(once);
    ASSERT_GT(insides.size(), 1000u);
    int grey = 0;
    int green = 0;
    for (const auto& [at, colour] : insides) {
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx) {
                ASSERT_EQ(PixelAt(twice, 2 * at.x() + dx, 2 * at.y() + dy), colour)
                    << "(" << at.x() << ", " << at.y() << ")";
            }
        }
        grey += colour == kGrey ? 1 : 0;
        green += colour == kGreen ? 1 : 0;
    }
    EXPECT_GT(grey, 1000) << "the wheels and bars";
    EXPECT_GT(green, 50) << "the wheels of the walk position";

    // The label "4R" of the first wheel column, below it, at y 119 to 130.
    const QImage enlarged = once.scaled(1600, 294, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differing = 0;
    for (int y = 2 * 116; y < 2 * 134; ++y) {
        for (int x = 0; x < 2 * 50; ++x) {
            differing += PixelAt(twice, x, y) != PixelAt(enlarged, x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(differing, 40);

    const QImage strip = RenderTrainStrip(s, 0, 1, 2);
    ASSERT_EQ(strip.size(), QSize(1600, 204));
    for (const auto& [at, colour] : Insides(RenderTrainStrip(s, 0, 1))) {
        ASSERT_EQ(PixelAt(strip, 2 * at.x() + 1, 2 * at.y() + 1), colour)
            << "strip (" << at.x() << ", " << at.y() << ")";
    }
}

// At ratio 1.5 the images are 1.5 times as wide and high, rounded up, the
// last car's right buffers are whole and a thin line has no gap.
TEST_F(RenderImageTest, FractionalRatioCutsNothingOffAndBreaksNoLine) {
    for (int i = 0; i < 39; ++i) {
        AddCar(s);
    }
    const QImage strip = RenderTrainStrip(s, 0, -1, 1.5);
    ASSERT_EQ(strip.size(), QSize(6744, 132));
    // The right buffers of car 40 end at x 4487 (6731 at 1.5).
    EXPECT_EQ(PixelAt(strip, 6729, 52), kBlack);
    EXPECT_EQ(PixelAt(strip, 6740, 52), kWhite);

    // Every pixel of every red or blue line at ratio 1 has one of its colour
    // next to where it lands at 1.5: no line has a gap.
    for (int type = 1; type <= 6; ++type) {
        s.state.schemeType = type;
        const QImage once = RenderCarView(CurrentCarView(s));
        const QImage car = RenderCarView(CurrentCarView(s), 1.5);
        ASSERT_EQ(car.size(), QSize(1200, 221));
        int checked = 0;
        for (int y = 0; y < once.height(); ++y) {
            for (int x = 0; x < once.width(); ++x) {
                const Rgb colour = PixelAt(once, x, y);
                if (colour != kRed && colour != kBlue) {
                    continue;
                }
                bool found = false;
                const int cx = static_cast<int>(x * 1.5);
                const int cy = static_cast<int>(y * 1.5);
                for (int dy = -1; dy <= 2 && !found; ++dy) {
                    for (int dx = -1; dx <= 2 && !found; ++dx) {
                        found = PixelAt(car, cx + dx, cy + dy) == colour;
                    }
                }
                ASSERT_TRUE(found) << "type " << type << " at (" << x << ", " << y << ")";
                ++checked;
            }
        }
        EXPECT_GT(checked, 200) << "type " << type;
    }
}

TEST_F(RenderImageTest, LongTrainWidensTheStrip) {
    for (int i = 0; i < 39; ++i) {
        AddCar(s);
    }
    const QImage image = RenderTrainStrip(s, s.state.currentCar, -1);
    ASSERT_EQ(image.size(), QSize(4496, 88));
    EXPECT_EQ(PixelAt(image, 4400, 30), kGrey);
    EXPECT_EQ(PixelAt(image, 4478, 30), kBlack);
    EXPECT_EQ(PixelAt(image, 4487, 35), kBlack) << "right buffer";
    EXPECT_EQ(PixelAt(image, 4490, 35), kWhite);
}

}  // namespace
}  // namespace quorvane
