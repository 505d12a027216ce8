// Every drawing call through QPainter on a QImage, with the window's policy.
// Needs a QGuiApplication for its fonts.
#pragma once

#include <QImage>
#include <QPainter>

#include "qpainter/painter_surface.h"

namespace quorvane {

// Coordinates are logical pixels. At a device pixel ratio above 1 the image
// has that many pixels to each logical one (rounded up at the right and
// bottom edges) and the drawing is made with all of them, not enlarged;
// lines are then one logical pixel wide.
class ImagePainterSurface final : public PainterSurface {
public:
    // The image starts white; sizes below 1 become 1, a ratio below 1 is 1.
    ImagePainterSurface(int width, int height, double devicePixelRatio = 1);
    ~ImagePainterSurface() override;

    // Finishes what has been drawn so far and gives the picture. Drawing on
    // afterwards leaves a copy taken here unchanged.
    const QImage& Image();
    // The picture to set pixels in directly, between drawings.
    QImage& Pixels() { return image_; }

    double DevicePixelRatio() const { return ratio_; }
    // A new white image of the same logical size at the new ratio.
    void SetDevicePixelRatio(double ratio);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The new area is white.
    void Resize(int width, int height) override;
    void FillWhite() override;

private:
    // Begins on the first drawing after construction, a resize or Image().
    QPainter& ActivePainter() override;
    void EndPainter();

    double ratio_ = 1;
    int width_ = 1;
    int height_ = 1;
    QImage image_;
    QPainter painter_;
};

}  // namespace quorvane
