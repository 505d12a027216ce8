// The sheet's surface over a painter that the caller begun, here on an image.
#include "qpainter/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>
#include <cmath>

#include "drawing/palette.h"
#include "pixel_at.h"

namespace quorvane {
namespace {

using testing::InkOf;
using testing::PixelAt;

QImage WhitePage(int width, int height, double dotsPerInch = 96) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

// The caller draws with the same painter between the surface's calls, as the
// sheet does around each diagram: the surface's pen, brush and font hold.
TEST(QPainterSurfaceTest, KeepsItsOwnPenBrushAndFontWhateverTheCallerSetBetween) {
    QImage page = WhitePage(120, 60);
    QImage reference = WhitePage(120, 60);
    for (QImage* image : {&page, &reference}) {
        const bool meddled = image == &page;
        QPainter painter(image);
        QPainterSurface surface(painter, 120, 60);
        surface.SetPenColour(kBlue);
        surface.SetBrushColour(kGreen);
        surface.MoveTo({5, 5});
        surface.LineTo({100, 5});
        surface.Text({5, 30}, "12L", TextStyle{});
        if (meddled) {
            painter.setPen(Qt::red);
            painter.setBrush(Qt::red);
            painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 30));
        }
        surface.MoveTo({5, 10});
        surface.LineTo({100, 10});
        const std::array<Point, 4> square{{{60, 20}, {80, 20}, {80, 40}, {60, 40}}};
        surface.Polygon(square);
        surface.Text({90, 30}, "12L", TextStyle{});
    }
    EXPECT_EQ(PixelAt(page, 50, 10), kBlue);
    EXPECT_EQ(PixelAt(page, 70, 30), kGreen);
    EXPECT_TRUE(InkOf(page, kRed).isEmpty());
    EXPECT_EQ(page, reference);
}

// Text is sized in pixels at 96 dots per inch whatever the device's
// resolution, and an opaque one clears its cell.
TEST(QPainterSurfaceTest, TextInPixelsOnAnyDeviceOpaqueOrNot) {
    for (const double dotsPerInch : {96.0, 300.0}) {
        QImage page = WhitePage(200, 60, dotsPerInch);
        {
            QPainter painter(&page);
            QPainterSurface surface(painter, 200, 60);
            surface.SetPenColour(kGrey);
            surface.SetBrushColour(kGrey);
            const std::array<Point, 4> back{{{0, 0}, {199, 0}, {199, 59}, {0, 59}}};
            surface.Polygon(back);
            surface.Text({20, 20}, "1L", TextStyle{});
            surface.Text({120, 20}, "1L", TextStyle{8, false, false});
        }
        SCOPED_TRACE(::testing::Message() << dotsPerInch << " dots per inch");
        const QRect opaque = InkOf(page.copy(0, 0, 100, 60), kWhite);
        EXPECT_FALSE(opaque.isEmpty());
        EXPECT_LE(opaque.height(), 14) << "8 point is 11 pixels";
        const QImage transparent = page.copy(100, 0, 100, 60);
        EXPECT_TRUE(InkOf(transparent, kWhite).isEmpty());
        const QRect ink = InkOf(transparent, kBlack);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.top(), 20);
        EXPECT_LE(ink.bottom(), 20 + 13);
    }
}

}  // namespace
}  // namespace quorvane
