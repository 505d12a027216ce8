#include "drawing/render_image.h"

#include "drawing/car_view.h"
#include "drawing/qimage_surface.h"
#include "drawing/train_strip.h"

namespace quorvane {

QImage RenderCarView(Scheme& scheme) {
    QImageSurface surface(kCarViewWidth, kCarViewHeight);
    DrawCarView(surface, scheme);
    return surface.Image();
}

QImage RenderTrainStrip(const Scheme& scheme, int hoveredCar) {
    QImageSurface surface(kStripFitWidth, kStripFitHeight);
    DrawTrainStrip(surface, scheme, scheme.state.carCount, hoveredCar);
    return surface.Image();
}

}  // namespace quorvane
