#include "qpainter/image_painter_surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvane {
namespace {

// 96 dots per inch, so that 8 point is 11 pixels whatever the screen.
constexpr int kDotsPerMeter = 3780;

// At ratio r, r × r image pixels to a logical pixel; the resolution stays
// at 96 dots per inch of logical pixels, so that fonts keep their size.
QImage WhiteImage(int width, int height, double ratio) {
    QImage image(static_cast<int>(std::ceil(width * ratio)),
                 static_cast<int>(std::ceil(height * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

}  // namespace

ImagePainterSurface::ImagePainterSurface(int width, int height, double devicePixelRatio)
    : PainterSurface(SurfacePolicy::Window(std::max(devicePixelRatio, 1.0))),
      ratio_(std::max(devicePixelRatio, 1.0)),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      image_(WhiteImage(width_, height_, ratio_)) {}

ImagePainterSurface::~ImagePainterSurface() {
    EndPainter();
}

void ImagePainterSurface::EndPainter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

const QImage& ImagePainterSurface::Image() {
    EndPainter();
    return image_;
}

void ImagePainterSurface::SetDevicePixelRatio(double ratio) {
    ratio = std::max(ratio, 1.0);
    if (ratio == ratio_) {
        return;
    }
    EndPainter();
    ratio_ = ratio;
    image_ = WhiteImage(width_, height_, ratio_);
    SetPolicy(SurfacePolicy::Window(ratio_));
}

void ImagePainterSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_) {
        return;
    }
    EndPainter();
    width_ = width;
    height_ = height;
    QImage resized = WhiteImage(width, height, ratio_);
    {
        QPainter copy(&resized);
        copy.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

// Straight into the pixels; a painter begun goes on drawing over them.
void ImagePainterSurface::FillWhite() {
    std::memset(image_.bits(), 0xff, static_cast<std::size_t>(image_.sizeInBytes()));
}

QPainter& ImagePainterSurface::ActivePainter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        SetUpPainter(painter_);
    }
    return painter_;
}

}  // namespace quorvane
