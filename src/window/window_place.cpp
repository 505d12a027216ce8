#include "window/window_place.h"

#include <QGuiApplication>
#include <algorithm>

namespace quorvane {

QPoint PlaceOnScreen(const QRect& frame, const QRect& available) {
    if (frame.width() > available.width() || frame.height() > available.height()) {
        return available.topLeft();
    }
    return {std::clamp(frame.x(), available.left(), available.right() + 1 - frame.width()),
            std::clamp(frame.y(), available.top(), available.bottom() + 1 - frame.height())};
}

bool PlatformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace quorvane
