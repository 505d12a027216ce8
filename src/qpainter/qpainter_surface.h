// The drawing surface over a QPainter that the caller has begun on any
// device, a PDF page or a printer among them: every call becomes a QPainter
// call, so a vector device keeps lines, shapes and texts as vectors.
#pragma once

#include <QFont>
#include <QPainter>

#include "drawing/drawing_surface.h"

namespace quorvane {

// Coordinates are the painter's, which the caller sets up: one unit is a
// pixel at 96 dots per inch, so fonts are given in those pixels (8 point is
// 11), whatever the device's resolution. Thin lines are one unit wide.
// Antialiasing is left as the caller set it. Text is DejaVu Sans, which
// has Cyrillic letters.
class QPainterSurface final : public DrawingSurface {
public:
    // The surface covers width × height units from the painter's origin.
    QPainterSurface(QPainter& painter, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The area FillWhite covers; the device stays as it is.
    void Resize(int width, int height) override;

    Point PenPosition() const override { return position_; }
    void MoveTo(Point to) override { position_ = to; }
    void LineTo(Point to) override;

    Rgb PenColour() const override { return penColour_; }
    void SetPenColour(Rgb colour) override { penColour_ = colour; }
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    Rgb BrushColour() const override { return brushColour_; }
    void SetBrushColour(Rgb colour) override { brushColour_ = colour; }

    void Polygon(std::span<const Point> points) override;
    void Ellipse(Point topLeft, Point bottomRight) override;
    void FillWhite() override;
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override;

private:
    void ApplyPenAndBrush();

    QPainter& painter_;
    int width_;
    int height_;
    Point position_;
    Rgb penColour_ = kDefaultPenColour;
    int penWidth_ = kDefaultPenWidth;
    Rgb brushColour_ = kDefaultBrushColour;
};

// The font of a text style at 96 dots per inch, in the given family.
QFont SurfaceFont(const QString& family, const TextStyle& style);

}  // namespace quorvane
