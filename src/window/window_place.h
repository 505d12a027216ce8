// Where the window goes on its screen and how large it opens: whole where
// the screen's available area holds it, else fitted to that area with scroll
// bars over its content. Where it was asked to be when all of it lies on the
// area, else moved just far enough that it does, down to the device pixels
// that the screen's pixel ratio rounds it to.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quorvane {

// The size of the window's client area on a screen: the content's size
// where it fits, else cut to the available area, with room for the scroll
// bar (extent scrollBar) each cut needs across it. frame: what the frame
// adds around the client area; ratio: the screen's device pixel ratio.
QSize FitOnScreen(QSize content, QMargins frame, const QRect& available, double ratio,
                  int scrollBar);

// frame: the window with its frame where it was asked to be; available: the
// screen's area that panels and docks leave free. Gives the frame's top
// left: every device pixel of the frame inside the area's where the frame
// fits, else the area's top left.
QPoint PlaceOnScreen(const QRect& frame, const QRect& available, double ratio = 1);

// Whether every device pixel of the rect at that ratio lies on the area's:
// either way Qt may round it, its edges scaled or its place and its size.
bool InsideInDevicePixels(const QRect& rect, const QRect& area, double ratio);

// Whether the platform lets a program place its windows (X11 does, Wayland
// does not).
bool PlatformPlacesWindows();

}  // namespace quorvane
