// The drawing calls turned into QPainter calls, once for every surface over
// QPainter; each surface gives the painter and its SurfacePolicy.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <vector>

#include "drawing/drawing_surface.h"
#include "qpainter/surface_policy.h"

namespace quorvane {

// A one-pixel pen is flat-ended, so a line leaves out its end point; wider
// pens have round ends. The outline of a polygon covers every vertex; an
// ellipse's outline is drawn one pixel inside its box's right and bottom.
class PainterSurface : public DrawingSurface {
public:
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
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override;

    const SurfacePolicy& Policy() const { return policy_; }

protected:
    explicit PainterSurface(SurfacePolicy policy);
    ~PainterSurface() override = default;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void SetPolicy(SurfacePolicy policy);
    // The painter to draw with, begun.
    virtual QPainter& ActivePainter() = 0;
    // For a painter the surface has just begun on its own device: aliased,
    // with the policy's shift and a white background, and the pen, brush and
    // font to be set again.
    void SetUpPainter(QPainter& painter);

private:
    void ApplyPenAndBrush(QPainter& painter);
    void ApplyFont(QPainter& painter, const TextStyle& style);

    SurfacePolicy policy_;
    Point position_;
    Rgb penColour_ = kDefaultPenColour;
    int penWidth_ = kDefaultPenWidth;
    Rgb brushColour_ = kDefaultBrushColour;
    bool penApplied_ = false;
    bool brushApplied_ = false;
    bool fontApplied_ = false;

    TextStyle fontStyle_;
    QFont font_;
    double fontAscent_ = 0;
    QString text_;                 // reused, so that ASCII labels do not allocate
    std::vector<QPoint> polygon_;  // reused likewise
};

}  // namespace quorvane
