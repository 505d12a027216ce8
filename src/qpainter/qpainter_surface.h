// The drawing surface over a QPainter that the caller has begun on any
// device, a PDF page or a printer among them: every call becomes a QPainter
// call, so a vector device keeps lines, shapes and texts as vectors.
#pragma once

#include <QPainter>

#include "qpainter/painter_surface.h"

namespace quorvane {

// Coordinates are the painter's, which the caller sets up: one unit is a
// pixel at 96 dots per inch, and the surface draws with the sheet's policy
// (SurfacePolicy::Sheet). Antialiasing is left as the caller set it.
class QPainterSurface final : public PainterSurface {
public:
    // The surface covers width × height units from the painter's origin.
    QPainterSurface(QPainter& painter, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The area FillWhite covers; the device stays as it is.
    void Resize(int width, int height) override;
    void FillWhite() override;

private:
    QPainter& ActivePainter() override { return painter_; }

    QPainter& painter_;
    int width_;
    int height_;
};

}  // namespace quorvane
