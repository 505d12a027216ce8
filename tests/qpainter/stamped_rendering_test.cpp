// The stamped surface against the plain one, pixel for pixel, over the
// drawings of many schemes: every scheme type, both orientations, 1 to 16
// axles, 1 to 8 bogies, walk positions, 1 to 40 cars and a hovered car. The
// stamped surfaces live through all cases, as the window's do, so stamps
// made for one scheme are reused in the next.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>

#include "../model/fresh_scheme.h"
#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "model/parameter_entry.h"
#include "qpainter/qimage_surface.h"

namespace quorvane {
namespace {

using Rendering = QImageSurface::Rendering;

// Empty when the images are equal, else where they first differ.
std::string FirstDifference(const QImage& stamped, const QImage& plain) {
    if (stamped.size() != plain.size()) {
        return "sizes differ";
    }
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (stamped.pixel(x, y) != plain.pixel(x, y)) {
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return {};
}

// A train of `cars` cars, each with the given axles and bogies, every third
// car reversed (or every car, with allInverted), accepted for the walk when
// walking.
void Shape(Scheme& s, int cars, int axles, int bogies, int schemeType, bool allInverted,
           bool walking) {
    NewScheme(s);
    s.state.carCount = cars;
    s.state.schemeType = schemeType;
    for (int c = 0; c < cars; ++c) {
        CarRecord& car = s.cars[static_cast<std::size_t>(c)];
        car.axleCount = axles;
        car.bogieCount = bogies;
        car.inverted = allInverted || c % 3 == 2;
    }
    if (walking) {
        s.mode = Mode::ParameterMode;
        AcceptLayout(s);
    }
}

class StampedRenderingTest : public ::testing::Test {
protected:
    void ExpectSameCarView(const std::string& what) {
        QImageSurface plain(kCarViewWidth, kCarViewHeight, Rendering::Plain,
                            car.DevicePixelRatio());
        DrawCarView(plain, CurrentCarView(s));
        DrawCarView(car, CurrentCarView(s));
        EXPECT_EQ(FirstDifference(car.Image(), plain.Image()), "") << "car view, " << what;
    }
    void ExpectSameStrip(int hovered, const std::string& what) {
        QImageSurface plain(strip.Width(), strip.Height(), Rendering::Plain,
                            strip.DevicePixelRatio());
        DrawTrainStrip(plain, s, s.state.currentCar, hovered);
        DrawTrainStrip(strip, s, s.state.currentCar, hovered);
        EXPECT_EQ(FirstDifference(strip.Image(), plain.Image()), "") << "strip, " << what;
    }

    std::unique_ptr<Scheme> owner = testing::FreshScheme();
    Scheme& s = *owner;
    QImageSurface car{kCarViewWidth, kCarViewHeight};
    QImageSurface strip{kStripFitWidth, kStripFitHeight};
};

// Every axle and bogie count, the type and orientation changing with them,
// with the walk on one axle of the car (its wheels green) or in the layout.
TEST_F(StampedRenderingTest, CarViewsOfEveryAxleAndBogieCount) {
    int n = 0;
    for (int axles = 1; axles <= kMaxAxles; ++axles) {
        for (int bogies = 1; bogies <= std::min(axles, 8); ++bogies, ++n) {
            const int type = 1 + n % 6;
            const bool walking = n % 2 == 0;
            Shape(s, 2, axles, bogies, type, n % 4 < 2, walking);
            if (walking) {
                MoveWalkCursor(s, n % (2 * axles));  // on the first or the second car
            }
            ExpectSameCarView(std::to_string(axles) + " axles, " + std::to_string(bogies) +
                              " bogies, type " + std::to_string(type));
        }
    }
}

// The marks of every type on a direct and a reversed car, first and last
// in the train (the arrows of types 1 and 2 join on the last car).
TEST_F(StampedRenderingTest, CarViewsOfEveryTypeAndOrientation) {
    for (int type = 0; type <= 7; ++type) {  // 0 and 7 have no marks
        for (const bool inverted : {false, true}) {
            for (const int current : {0, 2}) {
                for (const auto& [axles, bogies] : {std::pair{16, 8}, {5, 2}, {2, 1}}) {
                    Shape(s, 3, axles, bogies, type, inverted, true);
                    MoveWalkCursor(s, current * axles + axles - 1);
                    ExpectSameCarView("type " + std::to_string(type) +
                                      (inverted ? ", reversed" : ", direct") + ", car " +
                                      std::to_string(current + 1) + ", " + std::to_string(axles) +
                                      " axles");
                }
            }
        }
    }
}

// 1 to 40 cars, so the strip widens and narrows again, with the current
// car, another car or none under the pointer.
TEST_F(StampedRenderingTest, StripsOfOneToFortyCarsHoveredOrNot) {
    for (const int cars : {1, 2, 6, 7, 8, 39, 40, 3, 40, 1}) {
        Shape(s, cars, 4, 2, 1, false, false);
        s.state.currentCar = cars / 2;
        for (const int hovered : {-1, 0, cars / 2, cars - 1}) {
            ExpectSameStrip(hovered, std::to_string(cars) + " cars, car " +
                                         std::to_string(hovered) + " hovered");
        }
    }
}

// Each car's counts below its body, every axle count and bogie count among
// them and many repeated, at every ratio the window meets: the stamps of the
// counts serve them as the plain surface draws them.
TEST_F(StampedRenderingTest, StripCountsOfEveryAxleAndBogieCountAtEveryRatio) {
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        strip.SetDevicePixelRatio(ratio);
        for (const int cars : {40, 7}) {
            Shape(s, cars, 4, 2, 1, false, false);
            for (int c = 0; c < cars; ++c) {
                CarRecord& record = s.cars[static_cast<std::size_t>(c)];
                record.axleCount = 1 + (c * 7) % kMaxAxles;
                record.bogieCount = 1 + c % 8;
            }
            s.state.currentCar = 1;
            ExpectSameStrip(cars - 2, "ratio " + std::to_string(ratio) + ", " +
                                          std::to_string(cars) + " cars");
        }
    }
}

// At a whole device pixel ratio the stamps are made at that ratio, and the
// surface that changes its ratio (the window moved to another screen) makes
// them again: every type on both orientations, strips wide and narrow.
TEST_F(StampedRenderingTest, StampsAtRatioTwoAndAfterARatioChange) {
    for (const double ratio : {2.0, 1.0, 3.0, 2.0}) {
        car.SetDevicePixelRatio(ratio);
        strip.SetDevicePixelRatio(ratio);
        for (int type = 1; type <= 6; ++type) {
            for (const bool inverted : {false, true}) {
                Shape(s, 40, 16 - 2 * type, type, type, inverted, true);
                MoveWalkCursor(s, 40 * (16 - 2 * type) - 1 - type);
                const std::string what =
                    "ratio " + std::to_string(ratio) + ", type " + std::to_string(type);
                ExpectSameCarView(what);
                ExpectSameStrip(type, what);
                ASSERT_EQ(car.Image().width(), static_cast<int>(kCarViewWidth * ratio));
            }
        }
    }
}

// At 1.25, 1.5 and 1.75 a stamp serves the positions of its phase: every
// type on both orientations, the walk on different axles, strips hovered,
// and drawings across the edges.
TEST_F(StampedRenderingTest, StampsAtFractionalRatiosByPhase) {
    for (const double ratio : {1.5, 1.25, 1.75}) {
        car.SetDevicePixelRatio(ratio);
        strip.SetDevicePixelRatio(ratio);
        for (int type = 1; type <= 6; ++type) {
            for (const bool inverted : {false, true}) {
                Shape(s, 7, 3 + type, 1 + type / 2, type, inverted, true);
                MoveWalkCursor(s, 7 * type + (inverted ? 1 : 0));
                const std::string what =
                    "ratio " + std::to_string(ratio) + ", type " + std::to_string(type);
                ExpectSameCarView(what);
                ExpectSameStrip(type, what);
            }
        }
        QImageSurface stamped(30, 20, Rendering::Stamped, ratio);
        QImageSurface plain(30, 20, Rendering::Plain, ratio);
        for (DrawingSurface* surface :
             {static_cast<DrawingSurface*>(&stamped), static_cast<DrawingSurface*>(&plain)}) {
            for (const Point at : {Point{10, 8}, Point{11, 9}, Point{-3, 8}, Point{26, 7},
                                   Point{12, -3}, Point{9, 17}}) {
                const std::array<Point, 4> square{
                    {at, {at.x + 6, at.y}, {at.x + 6, at.y + 5}, {at.x, at.y + 5}}};
                surface->Polygon(square);
                surface->MoveTo(at);
                surface->LineTo({at.x + 8, at.y + 3});
                surface->Ellipse(at, {at.x + 6, at.y + 6});
                surface->Text(at, "7R", TextStyle{});
            }
        }
        EXPECT_EQ(FirstDifference(stamped.Image(), plain.Image()), "") << "edges at " << ratio;
    }
}

TEST_F(StampedRenderingTest, DrawingsThatReachPastTheEdgeStillMatch) {
    QImageSurface stamped(30, 20);
    QImageSurface plain(30, 20, Rendering::Plain);
    for (DrawingSurface* surface :
         {static_cast<DrawingSurface*>(&stamped), static_cast<DrawingSurface*>(&plain)}) {
        surface->SetBrushColour({0, 193, 0});
        // Once inside, then the same shape, line and text across each edge.
        for (const Point at :
             {Point{10, 8}, Point{-4, 8}, Point{25, 8}, Point{10, -3}, Point{10, 17}}) {
            const std::array<Point, 4> square{
                {at, {at.x + 6, at.y}, {at.x + 6, at.y + 5}, {at.x, at.y + 5}}};
            surface->Polygon(square);
            surface->SetPenWidth(2);
            surface->MoveTo(at);
            surface->LineTo({at.x + 8, at.y + 3});
            surface->SetPenWidth(1);
            surface->Text(at, "7R", TextStyle{});
        }
    }
    EXPECT_EQ(FirstDifference(stamped.Image(), plain.Image()), "");
}

}  // namespace
}  // namespace quorvane
