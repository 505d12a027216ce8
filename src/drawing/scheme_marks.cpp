#include "drawing/scheme_marks.h"

#include <algorithm>

#include "drawing/car_diagram.h"
#include "drawing/palette.h"

namespace quorvane {
namespace {

constexpr int kMarkPenWidth = 2;
constexpr int kDotRadius = 3;
constexpr int kHeadLength = 6;

constexpr int kMarksLeft = 15;  // x where the long arrows start
constexpr int kBottomLine = 137;
constexpr int kTopLine = 13;
constexpr int kAxleArrowTop = 52;
constexpr int kAxleArrowLength = 45;
constexpr int kAxleArrowOffset = 19;  // from an axle's position to its arrow

// The part every arrow shares: the red dot or joining line at its start, and
// the colours it must put back.
class ArrowFrame {
public:
    ArrowFrame(DrawingSurface& surface, Point start, bool joined)
        : surface_(surface), pen_(surface.PenColour()), brush_(surface.BrushColour()) {
        surface.SetPenColour(kRed);
        surface.SetBrushColour(kRed);
        surface.SetPenWidth(kMarkPenWidth);
        if (joined) {
            surface.LineTo(start);
        } else {
            surface.MoveTo(start);
            surface.Ellipse({start.x - kDotRadius, start.y - kDotRadius},
                            {start.x + kDotRadius, start.y + kDotRadius});
        }
        surface.SetPenColour(kBlue);
    }
    ~ArrowFrame() {
        surface_.SetPenColour(pen_);
        surface_.SetBrushColour(brush_);
        surface_.SetPenWidth(kDefaultPenWidth);
    }
    ArrowFrame(const ArrowFrame&) = delete;
    ArrowFrame& operator=(const ArrowFrame&) = delete;

private:
    DrawingSurface& surface_;
    Rgb pen_;
    Rgb brush_;
};

}  // namespace

void DrawRightArrow(DrawingSurface& surface, int x, int y, int length, bool joined) {
    const ArrowFrame frame(surface, {x, y}, joined);
    const Point tip{x + length, y};
    surface.LineTo(tip);
    surface.LineTo({tip.x - kHeadLength, y - 3});
    surface.MoveTo({tip.x, y - 1});
    surface.LineTo({tip.x - kHeadLength, y + 2});
    surface.MoveTo(tip);
}

// Its head also has a closing bar across the barbs.
void DrawLeftArrow(DrawingSurface& surface, int x, int y, int length, bool joined) {
    const ArrowFrame frame(surface, {x, y}, joined);
    const Point tip{x - length, y};
    surface.LineTo(tip);
    surface.LineTo({tip.x + kHeadLength, y - 3});
    surface.MoveTo({tip.x, y - 1});
    surface.LineTo({tip.x + kHeadLength, y + 2});
    surface.MoveTo({tip.x + kHeadLength, y - 3});
    surface.LineTo({tip.x + kHeadLength, y + 3});
    surface.MoveTo(tip);
}

// The head is one stroke from the tip out and back, ending beside the tip.
void DrawDownArrow(DrawingSurface& surface, int x, int y, int length, bool joined) {
    const ArrowFrame frame(surface, {x, y}, joined);
    const Point tip{x, y + length};
    surface.LineTo(tip);
    surface.LineTo({x - 3, tip.y - kHeadLength});
    surface.LineTo({x + 2, tip.y - 5});
    surface.LineTo({x - 1, tip.y});
}

void DrawUpArrow(DrawingSurface& surface, int x, int y, int length, bool joined) {
    const ArrowFrame frame(surface, {x, y + length}, joined);
    const Point tip{x, y};
    surface.LineTo(tip);
    surface.LineTo({x - 3, y + kHeadLength});
    surface.LineTo({x + 2, y + kHeadLength});
    surface.LineTo({x, y + 1});
}

void DrawSchemeMarks(DrawingSurface& surface, int schemeType, int axleCount, int bogieCount,
                     bool lastCar) {
    const int axles = std::min(axleCount, kMaxAxles);
    if (axles < 1) {
        return;
    }
    // Only bogies that hold an axle widen the car (the layout never allows
    // more bogies than axles; a malformed file may).
    const int bogies = std::clamp(bogieCount, 0, axles);
    const int step = AxlePitch(axles);
    const int span = axles * step + kShiftUnit * (bogies - 1);
    const int half = span / 2;

    switch (schemeType) {
        case 1:
            DrawRightArrow(surface, kMarksLeft, kBottomLine, half, false);
            DrawRightArrow(surface, half + kMarksLeft, kBottomLine, half, true);
            DrawLeftArrow(surface, span + kMarksLeft, kTopLine, half, lastCar);
            DrawLeftArrow(surface, half + kMarksLeft, kTopLine, half + 5, true);
            return;
        case 2:
            DrawRightArrow(surface, kMarksLeft, kTopLine, half + 5, false);
            DrawRightArrow(surface, half + kMarksLeft, kTopLine, half, true);
            DrawLeftArrow(surface, span + kMarksLeft, kBottomLine, half, lastCar);
            DrawLeftArrow(surface, half + kMarksLeft, kBottomLine, half, true);
            return;
        case 3:
        case 4:
        case 5:
        case 6:
            break;
        default:
            return;
    }

    const AxleShifts shifts = ComputeAxleShifts(axleCount, bogieCount);
    for (int i = 0; i < axles; ++i) {
        const int x =
            step * i + kShiftUnit * shifts[static_cast<std::size_t>(i)] + kAxleArrowOffset;
        const bool even = i % 2 == 0;
        const bool up = schemeType == 3 || (schemeType == 5 && even) || (schemeType == 6 && !even);
        if (up) {
            DrawUpArrow(surface, x, kAxleArrowTop, kAxleArrowLength, i != 0);
        } else {
            DrawDownArrow(surface, x, kAxleArrowTop, kAxleArrowLength, i != 0);
        }
    }
}

}  // namespace quorvane
