// Stamping, a layer over an image surface: each distinct shape, line and
// text is drawn once with QPainter and its pixels copied wherever it recurs.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "drawing/drawing_surface.h"
#include "qpainter/image_painter_surface.h"
#include "qpainter/stamp.h"

namespace quorvane {

// The pixels are those the surface beneath gives for the same calls. A
// drawing that would reach past the image's edge, or that blends, goes to
// the surface beneath. Stamps are made at the ratio in use: at a whole one a
// stamp serves a drawing wherever it stands, at 1.5 one of each position's
// phase, odd or even, and likewise for a quarter's steps (1.25, 1.75). At
// other ratios every call goes beneath. Stamps of another ratio are dropped
// when the ratio changes.
class StampLayer final : public DrawingSurface {
public:
    explicit StampLayer(ImagePainterSurface& below) : below_(below) {}
    StampLayer(const StampLayer&) = delete;
    StampLayer& operator=(const StampLayer&) = delete;

    int Width() const override { return below_.Width(); }
    int Height() const override { return below_.Height(); }
    void Resize(int width, int height) override { below_.Resize(width, height); }

    Point PenPosition() const override { return below_.PenPosition(); }
    void MoveTo(Point to) override { below_.MoveTo(to); }
    void LineTo(Point to) override;

    Rgb PenColour() const override { return below_.PenColour(); }
    void SetPenColour(Rgb colour) override { below_.SetPenColour(colour); }
    int PenWidth() const override { return below_.PenWidth(); }
    void SetPenWidth(int width) override { below_.SetPenWidth(width); }
    Rgb BrushColour() const override { return below_.BrushColour(); }
    void SetBrushColour(Rgb colour) override { below_.SetBrushColour(colour); }

    void Polygon(std::span<const Point> points) override;
    void Ellipse(Point topLeft, Point bottomRight) override;
    void FillWhite() override { below_.FillWhite(); }
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override;

private:
    // The drawing that key_ names, copied to `at`, drawn first by
    // draw(surface, shift) on a surface that holds extent (relative to `at`)
    // and with `shift` to add to every coordinate. False when the drawing
    // must go beneath after all.
    template <typename Draw>
    bool DrawStamped(Point at, Point extentTopLeft, Point extentBottomRight, bool widePen,
                     const Draw& draw);
    // A ratio as `pixels` device pixels to `logical` logical ones, whole
    // numbers with `logical` at most 4: 1.5 is 3 to 2, 1.25 is 5 to 4. A
    // drawing moved by a multiple of `logical` lands on the same pixels moved
    // by whole ones, so a stamp serves every position of its phase (the
    // position modulo `logical`). None for other ratios.
    struct Grid {
        int pixels;
        int logical;
    };
    static std::optional<Grid> GridOf(double ratio);
    template <typename Draw>
    std::optional<Stamp> MakeStamp(Point at, Point phase, Point extentTopLeft,
                                   Point extentBottomRight, Grid grid, const Draw& draw);
    bool WidePen() const { return below_.PenWidth() > 1; }
    void BeginKey(char drawing, bool withColours);
    template <typename T>
    void AppendToKey(const T& value);

    ImagePainterSurface& below_;
    double stampedRatio_ = 0;  // the ratio the stamps were made at
    std::unordered_map<std::string, std::optional<Stamp>> stamps_;  // by key; none: not stampable
    std::string key_;  // reused, so that a look-up does not allocate
};

}  // namespace quorvane
