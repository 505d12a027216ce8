// The drawing surface of the window and the tool's pictures: a QImage drawn
// with QPainter, stamped unless told otherwise. Needs a QGuiApplication for
// its fonts.
#pragma once

#include <QImage>
#include <optional>

#include "drawing/drawing_surface.h"
#include "qpainter/image_painter_surface.h"
#include "qpainter/stamp_layer.h"

namespace quorvane {

// The pixels are ImagePainterSurface's, whether stamped (StampLayer) or
// Plain, which draws every call with QPainter.
class QImageSurface final : public DrawingSurface {
public:
    enum class Rendering { Stamped, Plain };

    // The image starts white; sizes below 1 become 1, a ratio below 1 is 1.
    QImageSurface(int width, int height, Rendering rendering = Rendering::Stamped,
                  double devicePixelRatio = 1);
    QImageSurface(const QImageSurface&) = delete;
    QImageSurface& operator=(const QImageSurface&) = delete;

    // Finishes what has been drawn so far and gives the picture. Drawing on
    // afterwards leaves a copy taken here unchanged.
    const QImage& Image() { return image_.Image(); }

    double DevicePixelRatio() const { return image_.DevicePixelRatio(); }
    // A new white image of the same logical size at the new ratio.
    void SetDevicePixelRatio(double ratio) { image_.SetDevicePixelRatio(ratio); }

    int Width() const override { return image_.Width(); }
    int Height() const override { return image_.Height(); }
    // The new area is white.
    void Resize(int width, int height) override { image_.Resize(width, height); }

    Point PenPosition() const override { return image_.PenPosition(); }
    void MoveTo(Point to) override { image_.MoveTo(to); }
    void LineTo(Point to) override { Top().LineTo(to); }

    Rgb PenColour() const override { return image_.PenColour(); }
    void SetPenColour(Rgb colour) override { image_.SetPenColour(colour); }
    int PenWidth() const override { return image_.PenWidth(); }
    void SetPenWidth(int width) override { image_.SetPenWidth(width); }
    Rgb BrushColour() const override { return image_.BrushColour(); }
    void SetBrushColour(Rgb colour) override { image_.SetBrushColour(colour); }

    void Polygon(std::span<const Point> points) override { Top().Polygon(points); }
    void Ellipse(Point topLeft, Point bottomRight) override { Top().Ellipse(topLeft, bottomRight); }
    void FillWhite() override { image_.FillWhite(); }
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override {
        Top().Text(topLeft, text, style);
    }

private:
    DrawingSurface& Top() { return stamps_ ? static_cast<DrawingSurface&>(*stamps_) : image_; }

    ImagePainterSurface image_;
    std::optional<StampLayer> stamps_;  // over image_
};

}  // namespace quorvane
