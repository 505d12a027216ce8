// The drawing surface over QPainter on a QImage, for the window and the tool.
// Needs a QGuiApplication for its fonts.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "drawing/drawing_surface.h"
#include "drawing/stamp.h"

namespace quorvane {

// Antialiasing is off, so integer vertices land on whole pixels, and the
// outline of a polygon covers every vertex. Text is "MS Sans Serif" where the
// platform has it, else its regular sans-serif face.
//
// Stamped, the surface draws each distinct shape, line and text once with
// QPainter and copies its pixels wherever it recurs; the pixels are the same
// as Plain gives, which draws every call with QPainter. A drawing that would
// reach past the image's edge, or that blends, always goes to QPainter.
class QImageSurface final : public DrawingSurface {
public:
    enum class Rendering { Stamped, Plain };

    // The image starts white; sizes below 1 become 1.
    QImageSurface(int width, int height, Rendering rendering = Rendering::Stamped);
    ~QImageSurface() override;
    QImageSurface(const QImageSurface&) = delete;
    QImageSurface& operator=(const QImageSurface&) = delete;

    // Finishes what has been drawn so far and gives the picture. Drawing on
    // afterwards leaves a copy taken here unchanged.
    const QImage& Image();

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // The new area is white.
    void Resize(int width, int height) override;

    Point PenPosition() const override { return position_; }
    void MoveTo(Point to) override { position_ = to; }
    void LineTo(Point to) override;

    Rgb PenColour() const override { return penColour_; }
    void SetPenColour(Rgb colour) override;
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override;
    Rgb BrushColour() const override { return brushColour_; }
    void SetBrushColour(Rgb colour) override;

    void Polygon(std::span<const Point> points) override;
    void Ellipse(Point topLeft, Point bottomRight) override;
    void FillWhite() override;
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override;

private:
    // The painter starts on the first drawing after construction, a resize or
    // Image(), and takes the pen, brush and font from the members.
    QPainter& Painter();
    void ApplyPen();

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

    const Rendering rendering_;
    std::unordered_map<std::string, std::optional<Stamp>> stamps_;  // by key; none: not stampable
    std::string key_;  // reused, so that a look-up does not allocate

    QImage image_;
    QPainter painter_;
    bool penApplied_ = false;
    bool fontApplied_ = false;

    Point position_;
    Rgb penColour_ = kDefaultPenColour;
    int penWidth_ = kDefaultPenWidth;
    Rgb brushColour_ = kDefaultBrushColour;

    TextStyle fontStyle_;
    QFont font_;
    int fontAscent_ = 0;
    QString text_;                 // reused, so that labels do not allocate; bytes map as Latin-1
    std::vector<QPoint> polygon_;  // reused likewise
};

}  // namespace quorvane
