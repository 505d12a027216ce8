#include "qpainter/qimage_surface.h"

namespace quorvane {

QImageSurface::QImageSurface(int width, int height, Rendering rendering, double devicePixelRatio)
    : image_(width, height, devicePixelRatio) {
    if (rendering == Rendering::Stamped) {
        stamps_.emplace(image_);
    }
}

}  // namespace quorvane
