#include "drawing/car_diagram.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "drawing/palette.h"

namespace quorvane {
namespace {

// Upper and lower wheels are mirror images about their reference row, except
// that the lower wheel's first vertex sits one pixel further left.
void DrawWheel(DrawingSurface& surface, bool invertedCar, int x, int y, int width, int depth,
               Rgb fill, int axleIndex, bool upper) {
    const int h = (width - 3) / 2;
    const int q = (width - 3) / 4;
    const int d = width / 10;
    const int f = upper ? 1 : -1;  // towards the flange side
    const int flange2 = y + 2 * f;
    const int flange3 = y + 3 * f;
    const int flange4 = y + 4 * f;
    const int flange6 = y + 6 * f;
    const int tread = y - depth * f;
    const int treadEdge = tread + f;
    const int treadBox = tread - f;

    const std::array<Point, 23> points{{
        {upper ? x : x - 1, y},
        {x - 4, flange2},
        {x - 3, flange4},
        {x + h - q, flange4},
        {x + h - q, flange6},
        {x + h + q, flange6},
        {x + h + q, flange4},
        {x - 3, flange4},
        {x + width, flange4},
        {x + width + 1, flange3},
        {x + width + 1, flange2},
        {x + width - 2, y},
        {x, y},
        {x, treadEdge},
        {x + 1, tread},
        {x + h - d, tread},
        {x + h - d, treadBox},
        {x + h + d, treadBox},
        {x + h + d, tread},
        {x + h - d, tread},
        {x + width - 4, tread},
        {x + width - 3, treadEdge},
        {x + width - 3, y},
    }};
    const Rgb brush = surface.BrushColour();
    surface.SetBrushColour(fill);
    surface.Polygon(points);
    surface.SetBrushColour(brush);

    // The side letter names the wheel's own side: a reversed car has its left
    // wheels in the upper row.
    const bool left = upper == invertedCar;
    char label[16];
    auto [end, ec] = std::to_chars(label, label + sizeof label - 1, axleIndex + 1);
    static_cast<void>(ec);  // the buffer holds any int
    *end++ = left ? 'L' : 'R';
    const auto length = static_cast<std::size_t>(end - label);
    const int m = static_cast<int>(length);
    const int labelY = upper ? y - depth - 15 : y - depth + 15;
    surface.Text({x + h - (m + 4), labelY}, std::string_view(label, length), TextStyle{});
}

}  // namespace

AxleShifts ComputeAxleShifts(int axleCount, int bogieCount) {
    AxleShifts shifts{};
    const int axles = std::clamp(axleCount, 0, kMaxAxles);
    // Bogies beyond the axle count would get no axle; leaving them out keeps
    // the loop short without changing a share.
    const int bogies = std::clamp(bogieCount, 0, axles);

    // Shares are taken from the last bogie to the first, so the last axles are
    // numbered first.
    int remaining = axles;
    int axle = axles;
    for (int bogie = bogies; bogie >= 1; --bogie) {
        const int share = remaining / bogie;
        remaining -= share;
        for (int k = 0; k < share; ++k) {
            shifts[static_cast<std::size_t>(--axle)] = bogie;
        }
    }
    return shifts;
}

void DrawCar(DrawingSurface& surface, const CarRecord& car, int highlightedAxle, int originX,
             int originY, int axleCount, int wheelDepth, int axleLength) {
    const AxleShifts shifts = ComputeAxleShifts(car.axleCount, car.bogieCount);
    surface.FillWhite();

    const int n = std::min(axleCount, kMaxAxles);
    if (n < 1) {
        return;
    }
    const int pitch = AxlePitch(n);
    const bool inverted = car.inverted;
    for (int i = 0; i < n; ++i) {
        const int x = originX + i * pitch + shifts[static_cast<std::size_t>(i)] * kShiftUnit;
        DrawAxle(surface, x, originY, kWheelWidth, axleLength, kGrey);

        const int k = inverted ? n - 1 - i : i;
        const Rgb fill = k == highlightedAxle ? kGreen : kGrey;
        if (inverted) {
            DrawUpperWheel(surface, inverted, x, originY, kWheelWidth, wheelDepth, fill, k);
            DrawLowerWheel(surface, inverted, x, originY + axleLength, kWheelWidth, wheelDepth,
                           fill, k);
        } else {
            DrawLowerWheel(surface, inverted, x, originY + axleLength, kWheelWidth, wheelDepth,
                           fill, k);
            DrawUpperWheel(surface, inverted, x, originY, kWheelWidth, wheelDepth, fill, k);
        }
    }
}

void DrawAxle(DrawingSurface& surface, int x, int y, int width, int length, Rgb fill) {
    const int c = x + (width - 3) / 2;
    const int e = (width - 3) / 8;
    const std::array<Point, 4> points{{
        {c - e, y + 6},
        {c - e, y + length - 6},
        {c + e + 1, y + length - 6},
        {c + e + 1, y + 6},
    }};
    const Rgb brush = surface.BrushColour();
    surface.SetBrushColour(fill);
    surface.Polygon(points);
    surface.SetBrushColour(brush);
}

void DrawUpperWheel(DrawingSurface& surface, bool invertedCar, int x, int y, int width, int depth,
                    Rgb fill, int axleIndex) {
    DrawWheel(surface, invertedCar, x, y, width, depth, fill, axleIndex, true);
}

void DrawLowerWheel(DrawingSurface& surface, bool invertedCar, int x, int y, int width, int depth,
                    Rgb fill, int axleIndex) {
    DrawWheel(surface, invertedCar, x, y, width, depth, fill, axleIndex, false);
}

}  // namespace quorvane
