#include "qpainter/qimage_surface.h"

#include <algorithm>
#include <array>
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

// Enough for every stamp a refresh draws, and some layouts over.
constexpr std::size_t kMaxStamps = 4096;
// Labels and car numbers are a few characters; longer texts go to QPainter.
constexpr std::size_t kMaxStampedText = 32;

// Pixels that a shape's outline may reach beyond its vertices.
int OutlineMargin(int penWidth) {
    return std::max(penWidth, 1) + 2;
}

}  // namespace

QImageSurface::QImageSurface(int width, int height, Rendering rendering, double devicePixelRatio)
    : PainterSurface(SurfacePolicy::Window(std::max(devicePixelRatio, 1.0))),
      rendering_(rendering),
      ratio_(std::max(devicePixelRatio, 1.0)),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      image_(WhiteImage(width_, height_, ratio_)) {}

QImageSurface::~QImageSurface() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

const QImage& QImageSurface::Image() {
    if (painter_.isActive()) {
        painter_.end();
    }
    return image_;
}

void QImageSurface::SetDevicePixelRatio(double ratio) {
    ratio = std::max(ratio, 1.0);
    if (ratio == ratio_) {
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    ratio_ = ratio;
    image_ = WhiteImage(width_, height_, ratio_);
    SetPolicy(SurfacePolicy::Window(ratio_));
    stamps_.clear();
}

int QImageSurface::StampScale() const {
    const double whole = std::round(ratio_);
    return whole == ratio_ ? static_cast<int>(whole) : 0;
}

void QImageSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_) {
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    width_ = width;
    height_ = height;
    QImage resized = WhiteImage(width, height, ratio_);
    {
        QPainter copy(&resized);
        copy.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

QPainter& QImageSurface::ActivePainter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        SetUpPainter(painter_);
    }
    return painter_;
}

void QImageSurface::BeginKey(char drawing, bool withColours) {
    key_.clear();
    key_ += drawing;
    if (withColours) {
        AppendToKey(PenColour());
        AppendToKey(PenWidth());
        AppendToKey(BrushColour());
    }
}

template <typename T>
void QImageSurface::AppendToKey(const T& value) {
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename Draw>
bool QImageSurface::DrawStamped(Point at, Point extentTopLeft, Point extentBottomRight,
                                const Draw& draw) {
    const int scale = StampScale();
    if (rendering_ != Rendering::Stamped || scale == 0) {
        return false;
    }
    auto found = stamps_.find(key_);
    if (found == stamps_.end()) {
        if (stamps_.size() >= kMaxStamps) {
            stamps_.clear();
        }
        found = stamps_.emplace(key_, MakeStamp(at, extentTopLeft, extentBottomRight, draw)).first;
    }
    const std::optional<Stamp>& stamp = found->second;
    const Point onImage{at.x * scale, at.y * scale};
    if (!stamp || !stamp->FitsIn(image_, onImage)) {
        return false;
    }
    stamp->StampOn(image_, onImage);
    return true;
}

// The same calls on a Plain surface, once over black and once over white,
// tell the pixels the drawing sets from those it leaves or blends.
template <typename Draw>
std::optional<Stamp> QImageSurface::MakeStamp(Point at, Point extentTopLeft,
                                              Point extentBottomRight, const Draw& draw) {
    const int width = extentBottomRight.x - extentTopLeft.x + 1;
    const int height = extentBottomRight.y - extentTopLeft.y + 1;
    QImageSurface scratch(width, height, Rendering::Plain, ratio_);
    scratch.SetPenColour(PenColour());
    scratch.SetPenWidth(PenWidth());
    scratch.SetBrushColour(BrushColour());
    const Point anchor{-extentTopLeft.x, -extentTopLeft.y};
    const Point shift{anchor.x - at.x, anchor.y - at.y};
    std::array<QImage, 2> renders;
    for (int i = 0; i < 2; ++i) {
        scratch.Image();  // ends the painter, so that the image may be filled
        scratch.image_.fill(i == 0 ? Qt::black : Qt::white);
        draw(scratch, shift);
        renders[static_cast<std::size_t>(i)] = scratch.Image();
    }
    const int scale = StampScale();
    return Stamp::FromRenders(renders[0], renders[1], {anchor.x * scale, anchor.y * scale});
}

void QImageSurface::LineTo(Point to) {
    const Point from = PenPosition();
    const Point delta{to.x - from.x, to.y - from.y};
    BeginKey('L', true);
    AppendToKey(delta);
    const int m = OutlineMargin(PenWidth());
    if (DrawStamped(from, {std::min(delta.x, 0) - m, std::min(delta.y, 0) - m},
                    {std::max(delta.x, 0) + m, std::max(delta.y, 0) + m},
                    [from, to](QImageSurface& surface, Point shift) {
                        surface.MoveTo({from.x + shift.x, from.y + shift.y});
                        surface.LineTo({to.x + shift.x, to.y + shift.y});
                    })) {
        MoveTo(to);
        return;
    }
    PainterSurface::LineTo(to);
}

void QImageSurface::Polygon(std::span<const Point> points) {
    if (!points.empty()) {
        const Point at = points.front();
        BeginKey('P', true);
        Point low{0, 0};
        Point high{0, 0};
        for (const Point& p : points) {
            const Point relative{p.x - at.x, p.y - at.y};
            AppendToKey(relative);
            low = {std::min(low.x, relative.x), std::min(low.y, relative.y)};
            high = {std::max(high.x, relative.x), std::max(high.y, relative.y)};
        }
        const int m = OutlineMargin(PenWidth());
        if (DrawStamped(at, {low.x - m, low.y - m}, {high.x + m, high.y + m},
                        [points](QImageSurface& surface, Point shift) {
                            std::vector<Point> moved(points.begin(), points.end());
                            for (Point& p : moved) {
                                p = {p.x + shift.x, p.y + shift.y};
                            }
                            surface.Polygon(moved);
                        })) {
            return;
        }
    }
    PainterSurface::Polygon(points);
}

void QImageSurface::Ellipse(Point topLeft, Point bottomRight) {
    const Point size{bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
    BeginKey('E', true);
    AppendToKey(size);
    const int m = OutlineMargin(PenWidth());
    if (DrawStamped(topLeft, {std::min(size.x, 0) - m, std::min(size.y, 0) - m},
                    {std::max(size.x, 0) + m, std::max(size.y, 0) + m},
                    [topLeft, bottomRight](QImageSurface& surface, Point shift) {
                        surface.Ellipse({topLeft.x + shift.x, topLeft.y + shift.y},
                                        {bottomRight.x + shift.x, bottomRight.y + shift.y});
                    })) {
        return;
    }
    PainterSurface::Ellipse(topLeft, bottomRight);
}

void QImageSurface::FillWhite() {
    if (rendering_ == Rendering::Stamped) {
        std::memset(image_.bits(), 0xff, static_cast<std::size_t>(image_.sizeInBytes()));
        return;
    }
    if (painter_.isActive()) {
        painter_.end();
    }
    image_.fill(Qt::white);
}

void QImageSurface::Text(Point topLeft, std::string_view text, const TextStyle& style) {
    // Text is black on white whatever the pen and brush. The extent allows
    // two ems a character and an em around, in pixels at 96 dots per inch.
    if (text.size() <= kMaxStampedText) {
        BeginKey('T', false);
        AppendToKey(style.pointSize);
        AppendToKey(style.bold);
        AppendToKey(style.opaqueBackground);
        key_.append(text);
        const int em = std::clamp(style.pointSize, 1, 100) * 2;
        const int length = static_cast<int>(text.size());
        if (DrawStamped(topLeft, {-em, -em}, {em * (2 * length + 1), em * 3},
                        [topLeft, text, style](QImageSurface& surface, Point shift) {
                            surface.Text({topLeft.x + shift.x, topLeft.y + shift.y}, text, style);
                        })) {
            return;
        }
    }
    PainterSurface::Text(topLeft, text, style);
}

}  // namespace quorvane
