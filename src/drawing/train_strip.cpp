#include "drawing/train_strip.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "drawing/palette.h"
#include "model/progress.h"

namespace quorvane {
namespace {

constexpr int kStripMargin = 16;  // right of the last car when the strip scrolls
constexpr TextStyle kNumberStyle{12, true, false};

// A buffer as offsets from its base point on the left end of a body; a right
// buffer mirrors it. The last point repeats the first.
constexpr std::array<Point, 15> kLeftBuffer{{
    {0, -3},
    {-3, -3},
    {-4, -2},
    {-6, -2},
    {-8, -4},
    {-8, -5},
    {-10, -5},
    {-10, 5},
    {-8, 5},
    {-8, 4},
    {-6, 2},
    {-4, 2},
    {-3, 3},
    {0, 3},
    {0, -3},
}};

// The tick below a complete car, from a point 6 pixels below the middle of
// the body's lower edge.
constexpr std::array<Point, 6> kTick{{
    {-7, 4},
    {-4, 1},
    {-1, 4},
    {6, -3},
    {9, 0},
    {-1, 10},
}};

// The arrow above a reversed car, pointing left, from a point 10 pixels
// above the middle of the body's upper edge.
constexpr std::array<Point, 7> kReversedArrow{{
    {-10, 0},
    {-4, -5},
    {-4, -2},
    {10, -2},
    {10, 2},
    {-4, 2},
    {-4, 5},
}};

template <std::size_t N>
void DrawMark(DrawingSurface& surface, const std::array<Point, N>& shape, Point base, Rgb fill) {
    std::array<Point, N> points;
    for (std::size_t i = 0; i < N; ++i) {
        points[i] = {base.x + shape[i].x, base.y + shape[i].y};
    }
    const Rgb brush = surface.BrushColour();
    surface.SetBrushColour(fill);
    surface.Polygon(points);
    surface.SetBrushColour(brush);
}

void DrawBuffer(DrawingSurface& surface, Point base, int direction) {
    std::array<Point, kLeftBuffer.size()> points;
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i] = {base.x + direction * kLeftBuffer[i].x, base.y + kLeftBuffer[i].y};
    }
    surface.Polygon(points);
}

}  // namespace

void DrawTrainStrip(DrawingSurface& surface, const Scheme& scheme, int currentCar, int hoveredCar) {
    const int cars = std::clamp(scheme.state.carCount, 0, kMaxCars);
    if (kStripPitch * (cars - 1) + kStripBodyLeft + kStripBodyWidth > kStripFitWidth) {
        surface.Resize(kStripPitch * cars + kStripMargin, kStripScrollHeight);
    } else if (cars > 1) {
        surface.Resize(kStripFitWidth, kStripFitHeight);
    }
    surface.FillWhite();
    DrawTrainStripCars(surface, scheme, 0, cars, currentCar, hoveredCar);
}

void DrawTrainStripCars(DrawingSurface& surface, const Scheme& scheme, int first, int count,
                        int currentCar, int hoveredCar) {
    const int end = std::clamp(first + count, 0, std::clamp(scheme.state.carCount, 0, kMaxCars));
    for (int i = std::max(first, 0); i < end; ++i) {
        Rgb colour = i == currentCar ? kGreen : kGrey;
        if (i == hoveredCar) {
            colour = kHoverGreen;
        }
        const int x = kStripPitch * (i - first) + kStripBodyLeft;
        DrawCarPictogram(surface, x, kStripBodyTop, kStripBodyWidth, kStripBodyHeight, i + 1,
                         colour);
        const int middle = x + kStripBodyWidth / 2;
        const CarRecord& car = scheme.cars[static_cast<std::size_t>(i)];
        surface.Text({x + kStripCountsAt.x, kStripBodyTop + kStripCountsAt.y},
                     StripCountsText(car.axleCount, car.bogieCount), kStripCountsStyle);
        if (IsCarComplete(scheme, i)) {
            DrawMark(surface, kTick, {middle, kStripBodyTop + kStripBodyHeight + 6}, kGreen);
        }
        if (car.inverted) {
            DrawMark(surface, kReversedArrow, {middle, kStripBodyTop - 10}, kBlack);
        }
    }
}

std::string StripCountsText(int axles, int bogies) {
    std::string text = std::to_string(axles);
    text += "\xC2\xB7";  // U+00B7, not the byte 0xB7 of the scheme texts' code page
    text += std::to_string(bogies);
    return text;
}

void DrawCarPictogram(DrawingSurface& surface, int x, int y, int width, int height, int number,
                      Rgb colour) {
    const Rgb brush = surface.BrushColour();
    surface.SetBrushColour(colour);
    const std::array<Point, 4> body{{
        {x, y},
        {x + width, y},
        {x + width, y + height},
        {x, y + height},
    }};
    surface.Polygon(body);

    surface.SetBrushColour(kBlack);
    const int upper = y + height / 4;
    const int lower = y + (3 * height) / 4;
    DrawBuffer(surface, {x, upper}, 1);
    DrawBuffer(surface, {x, lower}, 1);
    DrawBuffer(surface, {x + width, upper}, -1);
    DrawBuffer(surface, {x + width, lower}, -1);
    surface.SetBrushColour(brush);

    // Not centred: a two-digit number starts where a one-digit one does.
    char text[16];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, number);
    static_cast<void>(ec);  // the buffer holds any int
    surface.Text({x + width / 2 - 4, y + height / 2 - 8},
                 std::string_view(text, static_cast<std::size_t>(end - text)), kNumberStyle);
}

int CarAtStripPoint(int carCount, int x, int y) {
    if (y <= kStripBodyTop || y >= kStripBodyTop + kStripBodyHeight || x <= kStripBodyLeft) {
        return -1;
    }
    const int car = (x - kStripBodyLeft) / kStripPitch;
    const int inside = (x - kStripBodyLeft) % kStripPitch;
    if (car >= carCount || inside == 0 || inside >= kStripBodyWidth) {
        return -1;
    }
    return car;
}

}  // namespace quorvane
