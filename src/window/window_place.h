// Where the window goes on its screen: where it was asked to be when all of
// it lies on the screen's available area, else moved just far enough that
// it does, and at the area's top left on a screen smaller than the window.
#pragma once

#include <QPoint>
#include <QRect>

namespace quorvane {

// frame: the window with its frame where it was asked to be; available: the
// screen's area that panels and docks leave free. Gives the frame's top left.
QPoint PlaceOnScreen(const QRect& frame, const QRect& available);

// Whether the platform lets a program place its windows (X11 does, Wayland
// does not).
bool PlatformPlacesWindows();

}  // namespace quorvane
