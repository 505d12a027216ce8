#include "drawing/render_image.h"

#include "drawing/car_view.h"
#include "drawing/qimage_surface.h"
#include "drawing/train_strip.h"

namespace quorvane {

// One picture from a fresh surface: stamping would draw every shape once
// more to cut its stamp, and no shape is drawn often enough to repay it.
constexpr QImageSurface::Rendering kOnce = QImageSurface::Rendering::Plain;

QImage RenderCarView(Scheme& scheme) {
    QImageSurface surface(kCarViewWidth, kCarViewHeight, kOnce);
    DrawCarView(surface, scheme);
    return surface.Image();
}

QImage RenderTrainStrip(const Scheme& scheme, int hoveredCar) {
    QImageSurface surface(kStripFitWidth, kStripFitHeight, kOnce);
    DrawTrainStrip(surface, scheme, scheme.state.carCount, hoveredCar);
    return surface.Image();
}

}  // namespace quorvane
