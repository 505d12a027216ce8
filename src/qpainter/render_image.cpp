#include "qpainter/render_image.h"

#include "qpainter/qimage_surface.h"
#include "drawing/train_strip.h"

namespace quorvane {

// One picture from a fresh surface: stamping would draw every shape once
// more to cut its stamp, and no shape is drawn often enough to repay it.
constexpr QImageSurface::Rendering kOnce = QImageSurface::Rendering::Plain;

QImage RenderCarView(const CarView& view, double devicePixelRatio) {
    QImageSurface surface(kCarViewWidth, kCarViewHeight, kOnce, devicePixelRatio);
    DrawCarView(surface, view);
    return surface.Image();
}

QImage RenderTrainStrip(const Scheme& scheme, int currentCar, int hoveredCar,
                        double devicePixelRatio) {
    QImageSurface surface(kStripFitWidth, kStripFitHeight, kOnce, devicePixelRatio);
    DrawTrainStrip(surface, scheme, currentCar, hoveredCar);
    return surface.Image();
}

}  // namespace quorvane
