// The drawing surface over QPainter on a QImage, for the window and the tool.
// Needs a QGuiApplication for its fonts.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <vector>

#include "drawing/drawing_surface.h"

namespace quorvane {

// Antialiasing is off, so integer vertices land on whole pixels, and the
// outline of a polygon covers every vertex. Text is "MS Sans Serif" where the
// platform has it, else its regular sans-serif face.
class QImageSurface final : public DrawingSurface {
public:
    // The image starts white; sizes below 1 become 1.
    QImageSurface(int width, int height);
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
