// The drawing surface over QPainter on a QImage, for the window and the tool.
// Needs a QGuiApplication for its fonts.
#pragma once

#include <QImage>
#include <QPainter>
#include <optional>
#include <string>
#include <unordered_map>

#include "qpainter/painter_surface.h"
#include "qpainter/stamp.h"

namespace quorvane {

// It draws with the window's policy (SurfacePolicy::Window): antialiasing is
// off, so integer vertices land on whole pixels.
//
// Stamped, the surface draws each distinct shape, line and text once with
// QPainter and copies its pixels wherever it recurs; the pixels are the same
// as Plain gives, which draws every call with QPainter. A drawing that would
// reach past the image's edge, or that blends, always goes to QPainter.
//
// Coordinates are logical pixels. At a device pixel ratio above 1 the image
// has that many pixels to each logical one (rounded up at the right and
// bottom edges) and the drawing is made with all of them, not enlarged;
// lines are then one logical pixel wide. Stamps are made at the ratio in use
// when it is a whole number; at a fractional one every call goes to QPainter,
// since a shape lands on other pixels wherever it stands.
class QImageSurface final : public PainterSurface {
public:
    enum class Rendering { Stamped, Plain };

    // The image starts white; sizes below 1 become 1, a ratio below 1 is 1.
    QImageSurface(int width, int height, Rendering rendering = Rendering::Stamped,
                  double devicePixelRatio = 1);
    ~QImageSurface() override;
    QImageSurface(const QImageSurface&) = delete;
    QImageSurface& operator=(const QImageSurface&) = delete;

    // Finishes what has been drawn so far and gives the picture. Drawing on
    // afterwards leaves a copy taken here unchanged.
    const QImage& Image();

    double DevicePixelRatio() const { return ratio_; }
    // A new white image of the same logical size at the new ratio.
    void SetDevicePixelRatio(double ratio);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The new area is white.
    void Resize(int width, int height) override;

    void LineTo(Point to) override;
    void Polygon(std::span<const Point> points) override;
    void Ellipse(Point topLeft, Point bottomRight) override;
    void FillWhite() override;
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override;

private:
    // The painter starts on the first drawing after construction, a resize or
    // Image().
    QPainter& ActivePainter() override;

    // Stamped: the drawing that key_ names, copied to `at`, drawn first by
    // draw(surface, shift) on a Plain surface that holds extent (relative to
    // `at`) and with `shift` to add to every coordinate. False when the
    // drawing must go to QPainter here after all.
    template <typename Draw>
    bool DrawStamped(Point at, Point extentTopLeft, Point extentBottomRight, const Draw& draw);
    template <typename Draw>
    std::optional<Stamp> MakeStamp(Point at, Point extentTopLeft, Point extentBottomRight,
                                   const Draw& draw);
    void BeginKey(char drawing, bool withColours);
    template <typename T>
    void AppendToKey(const T& value);

    // The whole number of device pixels a logical one stands for, or 0 when
    // the ratio is fractional, which stamps nothing.
    int StampScale() const;

    const Rendering rendering_;
    double ratio_ = 1;
    int width_ = 1;
    int height_ = 1;
    std::unordered_map<std::string, std::optional<Stamp>> stamps_;  // by key; none: not stampable
    std::string key_;  // reused, so that a look-up does not allocate

    QImage image_;
    QPainter painter_;
};

}  // namespace quorvane
