// The drawing surface that the car diagram, its marks and the train strip
// draw on. The drawings talk to nothing else, so the window, the tool and the
// tests can each put their own surface beneath them.
#pragma once

#include <span>
#include <string_view>

#include "model/rgb.h"

namespace quorvane {

struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

// How one piece of text is drawn. The defaults are the surface's font: 8 point,
// regular, on an opaque white background. Text is always black.
struct TextStyle {
    int pointSize = 8;
    bool bold = false;
    bool opaqueBackground = true;

    bool operator==(const TextStyle&) const = default;
};

inline constexpr Rgb kDefaultPenColour{0, 0, 0};
inline constexpr int kDefaultPenWidth = 1;
inline constexpr Rgb kDefaultBrushColour{255, 255, 255};

// A surface starts with a black solid pen of width 1, a white solid brush and
// the pen at (0, 0). Coordinates are whole pixels, origin top left, y down.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Resizes the surface and its backing image together.
    virtual void Resize(int width, int height) = 0;

    virtual Point PenPosition() const = 0;
    virtual void MoveTo(Point to) = 0;
    // Draws with the pen from the pen position to `to`, which becomes the pen position.
    virtual void LineTo(Point to) = 0;

    virtual Rgb PenColour() const = 0;
    virtual void SetPenColour(Rgb colour) = 0;
    virtual int PenWidth() const = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual Rgb BrushColour() const = 0;
    virtual void SetBrushColour(Rgb colour) = 0;

    // A closed polygon: filled with the brush, outlined with the pen through
    // every vertex, the last joined to the first.
    virtual void Polygon(std::span<const Point> points) = 0;
    // An ellipse in the box whose right and bottom edges are exclusive, so the
    // box from (0, 0) to (6, 6) is 6 × 6 pixels. Filled and outlined like a polygon.
    virtual void Ellipse(Point topLeft, Point bottomRight) = 0;
    // White over the whole surface.
    virtual void FillWhite() = 0;
    // Black text (UTF-8) whose first character cell has its top left corner
    // at `topLeft`.
    virtual void Text(Point topLeft, std::string_view text, const TextStyle& style) = 0;
};

}  // namespace quorvane
