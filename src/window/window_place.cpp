#include "window/window_place.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// One axis of a rect or an area: where it starts and how long it is, in
// logical pixels.
struct Span {
    int start;
    int length;
};

int Floor(double value) {
    return static_cast<int>(std::floor(value));
}

int Ceil(double value) {
    return static_cast<int>(std::ceil(value));
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// Qt scales a window either by its edges or by its place and its size,
// each rounded; a span may touch any device pixel of either.
bool Inside(Span span, Span area, double ratio) {
    const int first = std::min(Floor(span.start * ratio), Round(span.start * ratio));
    const int end = std::max(Ceil((span.start + span.length) * ratio),
                             Round(span.start * ratio) + Round(span.length * ratio));
    const int areaFirst = std::max(Ceil(area.start * ratio), Round(area.start * ratio));
    const int areaEnd = std::min(Floor((area.start + area.length) * ratio),
                                 Round(area.start * ratio) + Round(area.length * ratio));
    return first >= areaFirst && end <= areaEnd;
}

// Where the span asked to start when it lies in the area there, else moved
// just far enough that it does; no longer than the area.
int Place(Span span, Span area, double ratio) {
    const int last = area.start + area.length - span.length;
    if (last <= area.start) {
        return area.start;
    }
    const int asked = std::clamp(span.start, area.start, last);
    // Rounding may reach a device pixel past the area; one logical pixel
    // more than the ratio brings the span back, if anything can.
    const int reach = Ceil(ratio) + 1;
    for (int shift = 0; shift <= reach; ++shift) {
        for (const int start : {asked - shift, asked + shift}) {
            if (start >= area.start && start <= last && Inside({start, span.length}, area, ratio)) {
                return start;
            }
        }
    }
    return asked;
}

// The longest span up to wanted that lies in the area where Place puts it.
int Fit(int wanted, Span area, double ratio) {
    int length = std::min(wanted, area.length);
    while (length > 1 && !Inside({Place({area.start, length}, area, ratio), length}, area, ratio)) {
        --length;
    }
    return length;
}

}  // namespace

QSize FitOnScreen(QSize content, QMargins frame, const QRect& available, double ratio,
                  int scrollBar) {
    const Span across{available.x(), available.width()};
    const Span down{available.y(), available.height()};
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    // A cut across one way takes a scroll bar's room the other way, which
    // may cut that way too; two rounds settle it.
    bool cutAcross = false;
    bool cutDown = false;
    QSize client = content;
    for (int round = 0; round < 3; ++round) {
        const int width = content.width() + (cutDown ? scrollBar : 0) + frameWidth;
        const int height = content.height() + (cutAcross ? scrollBar : 0) + frameHeight;
        client = {Fit(width, across, ratio) - frameWidth, Fit(height, down, ratio) - frameHeight};
        cutAcross = client.width() < content.width() + (cutDown ? scrollBar : 0);
        cutDown = client.height() < content.height() + (cutAcross ? scrollBar : 0);
    }
    return client.expandedTo({1, 1});
}

QPoint PlaceOnScreen(const QRect& frame, const QRect& available, double ratio) {
    if (frame.width() > available.width() || frame.height() > available.height()) {
        return available.topLeft();
    }
    return {Place({frame.x(), frame.width()}, {available.x(), available.width()}, ratio),
            Place({frame.y(), frame.height()}, {available.y(), available.height()}, ratio)};
}

bool InsideInDevicePixels(const QRect& rect, const QRect& area, double ratio) {
    return Inside({rect.x(), rect.width()}, {area.x(), area.width()}, ratio) &&
           Inside({rect.y(), rect.height()}, {area.y(), area.height()}, ratio);
}

bool PlatformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace quorvane
