#include "qpainter/qimage_surface.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QRect>
#include <array>

#include "drawing/palette.h"
#include "pixel_at.h"

namespace quorvane {
namespace {

using testing::InkOf;
using testing::PixelAt;

TEST(QImageSurfaceTest, StartsWhiteWithBlackPenAndWhiteBrush) {
    QImageSurface surface(30, 20);
    EXPECT_EQ(surface.Width(), 30);
    EXPECT_EQ(surface.Height(), 20);
    EXPECT_EQ(surface.PenColour(), kBlack);
    EXPECT_EQ(surface.PenWidth(), 1);
    EXPECT_EQ(surface.BrushColour(), kWhite);
    EXPECT_EQ(surface.PenPosition(), (Point{0, 0}));
    EXPECT_TRUE(InkOf(surface.Image(), kBlack).isEmpty());
    EXPECT_EQ(surface.Image().size(), QSize(30, 20));
}

TEST(QImageSurfaceTest, ResizeChangesTheImageWithIt) {
    QImageSurface surface(800, 102);
    surface.Resize(912, 88);
    EXPECT_EQ(surface.Width(), 912);
    EXPECT_EQ(surface.Height(), 88);
    EXPECT_EQ(surface.Image().size(), QSize(912, 88));
    EXPECT_EQ(PixelAt(surface.Image(), 911, 87), kWhite);
}

TEST(QImageSurfaceTest, PolygonVerticesLandOnPixels) {
    QImageSurface surface(40, 40);
    surface.SetBrushColour(kGreen);
    const std::array<Point, 4> square{{{10, 10}, {20, 10}, {20, 20}, {10, 20}}};
    surface.Polygon(square);
    const QImage& image = surface.Image();

    EXPECT_EQ(InkOf(image, kBlack), QRect(QPoint(10, 10), QPoint(20, 20)));
    EXPECT_EQ(PixelAt(image, 15, 15), kGreen);
    EXPECT_EQ(PixelAt(image, 11, 11), kGreen);
    EXPECT_EQ(PixelAt(image, 19, 19), kGreen);
}

TEST(QImageSurfaceTest, LinesRunFromThePenPositionInPenColourAndWidth) {
    QImageSurface surface(40, 40);
    surface.MoveTo({5, 10});
    surface.LineTo({30, 10});
    EXPECT_EQ(surface.PenPosition(), (Point{30, 10}));
    surface.SetPenColour(kBlue);
    surface.SetPenWidth(2);
    surface.MoveTo({5, 30});
    surface.LineTo({30, 30});
    const QImage& image = surface.Image();

    const QRect thin = InkOf(image, kBlack);
    EXPECT_EQ(thin.top(), 10);
    EXPECT_EQ(thin.height(), 1);
    EXPECT_EQ(thin.left(), 5);
    const QRect wide = InkOf(image, kBlue);
    EXPECT_TRUE(wide.contains(QPoint(5, 30)));
    EXPECT_TRUE(wide.contains(QPoint(30, 30)));
    EXPECT_EQ(wide.height(), 2);
}

TEST(QImageSurfaceTest, EllipseFillsItsBox) {
    QImageSurface surface(40, 40);
    surface.SetPenColour(kRed);
    surface.SetBrushColour(kRed);
    surface.Ellipse({10, 10}, {16, 16});
    EXPECT_EQ(InkOf(surface.Image(), kRed), QRect(10, 10, 6, 6));
}

TEST(QImageSurfaceTest, TextHangsFromItsTopLeftCorner) {
    QImageSurface surface(200, 60);
    surface.Text({20, 10}, "12L", TextStyle{});
    surface.Text({100, 10}, "12", TextStyle{12, true, false});
    const QImage& image = surface.Image();

    const QRect small = InkOf(image.copy(0, 0, 100, 60), kBlack);
    ASSERT_FALSE(small.isEmpty());
    EXPECT_GE(small.left(), 20);
    EXPECT_GE(small.top(), 10);
    EXPECT_LE(small.bottom(), 10 + 13) << "8 point is 11 pixels";
    const QRect big = InkOf(image.copy(100, 0, 100, 60), kBlack).translated(100, 0);
    ASSERT_FALSE(big.isEmpty());
    EXPECT_GE(big.left(), 100);
    EXPECT_GE(big.top(), 10);
    EXPECT_GT(big.height(), small.height());
}

TEST(QImageSurfaceTest, OpaqueTextClearsItsCellTransparentTextDoesNot) {
    QImageSurface surface(200, 60);
    surface.SetBrushColour(kGrey);
    const std::array<Point, 4> back{{{0, 0}, {199, 0}, {199, 59}, {0, 59}}};
    surface.Polygon(back);
    surface.Text({20, 20}, "1L", TextStyle{});
    surface.Text({120, 20}, "1", TextStyle{12, true, false});
    const QImage& image = surface.Image();

    EXPECT_FALSE(InkOf(image.copy(0, 0, 100, 60), kWhite).isEmpty());
    EXPECT_TRUE(InkOf(image.copy(100, 0, 100, 60), kWhite).isEmpty());
}

TEST(QImageSurfaceTest, APictureTakenStaysAsItWas) {
    QImageSurface surface(40, 40);
    const QImage before = surface.Image();
    surface.MoveTo({0, 5});
    surface.LineTo({39, 5});
    EXPECT_EQ(PixelAt(before, 20, 5), kWhite);
    EXPECT_EQ(PixelAt(surface.Image(), 20, 5), kBlack);
}

TEST(QImageSurfaceTest, FillWhiteCoversTheWholeSurface) {
    QImageSurface surface(50, 30);
    surface.SetBrushColour(kBlack);
    const std::array<Point, 4> all{{{0, 0}, {49, 0}, {49, 29}, {0, 29}}};
    surface.Polygon(all);
    surface.Resize(60, 40);
    surface.FillWhite();
    EXPECT_EQ(surface.Image().size(), QSize(60, 40));
    EXPECT_TRUE(InkOf(surface.Image(), kBlack).isEmpty());
}

}  // namespace
}  // namespace quorvane
