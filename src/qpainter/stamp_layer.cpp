#include "qpainter/stamp_layer.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quorvane {
namespace {

// Enough for every stamp a refresh draws, and some layouts over.
constexpr std::size_t kMaxStamps = 4096;
// Labels and car numbers are a few characters; longer texts go beneath.
constexpr std::size_t kMaxStampedText = 32;

// Pixels that a shape's outline may reach beyond its vertices.
int OutlineMargin(int penWidth) {
    return std::max(penWidth, 1) + 2;
}

int Modulo(int value, int by) {
    return ((value % by) + by) % by;
}

}  // namespace

std::optional<StampLayer::Grid> StampLayer::GridOf(double ratio) {
    for (int logical = 1; logical <= 4; ++logical) {
        const double pixels = ratio * logical;
        if (pixels == std::round(pixels)) {
            return Grid{static_cast<int>(pixels), logical};
        }
    }
    return std::nullopt;
}

void StampLayer::BeginKey(char drawing, bool withColours) {
    key_.clear();
    key_ += drawing;
    if (withColours) {
        AppendToKey(below_.PenColour());
        AppendToKey(below_.PenWidth());
        AppendToKey(below_.BrushColour());
    }
}

template <typename T>
void StampLayer::AppendToKey(const T& value) {
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename Draw>
bool StampLayer::DrawStamped(Point at, Point extentTopLeft, Point extentBottomRight, bool widePen,
                             const Draw& draw) {
    const double ratio = below_.DevicePixelRatio();
    if (ratio != stampedRatio_) {
        stamps_.clear();
        stampedRatio_ = ratio;
    }
    const std::optional<Grid> grid = GridOf(ratio);
    // At a fractional ratio the stamps of a pen wider than one pixel came out
    // a few pixels off what QPainter draws in place, so those go beneath;
    // thin lines, shapes and texts stamp alike.
    if (!grid || (grid->logical > 1 && widePen)) {
        return false;
    }
    const Point phase{Modulo(at.x, grid->logical), Modulo(at.y, grid->logical)};
    if (grid->logical > 1) {
        AppendToKey(phase);
    }
    auto found = stamps_.find(key_);
    if (found == stamps_.end()) {
        if (stamps_.size() >= kMaxStamps) {
            stamps_.clear();
        }
        found =
            stamps_
                .emplace(key_, MakeStamp(at, phase, extentTopLeft, extentBottomRight, *grid, draw))
                .first;
    }
    const std::optional<Stamp>& stamp = found->second;
    const Point onImage{(at.x - phase.x) / grid->logical * grid->pixels,
                        (at.y - phase.y) / grid->logical * grid->pixels};
    QImage& image = below_.Pixels();
    if (!stamp || !stamp->FitsIn(image, onImage)) {
        return false;
    }
    stamp->StampOn(image, onImage);
    return true;
}

// The same calls on a surface of their own, once over black and once over
// white, tell the pixels the drawing sets from those it leaves or blends.
template <typename Draw>
std::optional<Stamp> StampLayer::MakeStamp(Point at, Point phase, Point extentTopLeft,
                                           Point extentBottomRight, Grid grid, const Draw& draw) {
    // `at` goes to the anchor, which has the same phase.
    Point anchor{-extentTopLeft.x, -extentTopLeft.y};
    anchor.x += Modulo(phase.x - anchor.x, grid.logical);
    anchor.y += Modulo(phase.y - anchor.y, grid.logical);
    const int width = anchor.x + extentBottomRight.x + 1;
    const int height = anchor.y + extentBottomRight.y + 1;
    ImagePainterSurface scratch(width, height, below_.DevicePixelRatio());
    scratch.SetPenColour(below_.PenColour());
    scratch.SetPenWidth(below_.PenWidth());
    scratch.SetBrushColour(below_.BrushColour());
    const Point shift{anchor.x - at.x, anchor.y - at.y};
    std::array<QImage, 2> renders;
    for (int i = 0; i < 2; ++i) {
        scratch.Image();  // ends the painter, so that the image may be filled
        scratch.Pixels().fill(i == 0 ? Qt::black : Qt::white);
        draw(scratch, shift);
        renders[static_cast<std::size_t>(i)] = scratch.Image();
    }
    return Stamp::FromRenders(renders[0], renders[1],
                              {(anchor.x - phase.x) / grid.logical * grid.pixels,
                               (anchor.y - phase.y) / grid.logical * grid.pixels});
}

void StampLayer::LineTo(Point to) {
    const Point from = below_.PenPosition();
    const Point delta{to.x - from.x, to.y - from.y};
    BeginKey('L', true);
    AppendToKey(delta);
    const int m = OutlineMargin(below_.PenWidth());
    if (DrawStamped(from, {std::min(delta.x, 0) - m, std::min(delta.y, 0) - m},
                    {std::max(delta.x, 0) + m, std::max(delta.y, 0) + m}, WidePen(),
                    [from, to](DrawingSurface& surface, Point shift) {
                        surface.MoveTo({from.x + shift.x, from.y + shift.y});
                        surface.LineTo({to.x + shift.x, to.y + shift.y});
                    })) {
        below_.MoveTo(to);
        return;
    }
    below_.LineTo(to);
}

void StampLayer::Polygon(std::span<const Point> points) {
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
        const int m = OutlineMargin(below_.PenWidth());
        if (DrawStamped(at, {low.x - m, low.y - m}, {high.x + m, high.y + m}, WidePen(),
                        [points](DrawingSurface& surface, Point shift) {
                            std::vector<Point> moved(points.begin(), points.end());
                            for (Point& p : moved) {
                                p = {p.x + shift.x, p.y + shift.y};
                            }
                            surface.Polygon(moved);
                        })) {
            return;
        }
    }
    below_.Polygon(points);
}

void StampLayer::Ellipse(Point topLeft, Point bottomRight) {
    const Point size{bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
    BeginKey('E', true);
    AppendToKey(size);
    const int m = OutlineMargin(below_.PenWidth());
    if (DrawStamped(topLeft, {std::min(size.x, 0) - m, std::min(size.y, 0) - m},
                    {std::max(size.x, 0) + m, std::max(size.y, 0) + m}, WidePen(),
                    [topLeft, bottomRight](DrawingSurface& surface, Point shift) {
                        surface.Ellipse({topLeft.x + shift.x, topLeft.y + shift.y},
                                        {bottomRight.x + shift.x, bottomRight.y + shift.y});
                    })) {
        return;
    }
    below_.Ellipse(topLeft, bottomRight);
}

void StampLayer::Text(Point topLeft, std::string_view text, const TextStyle& style) {
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
        if (DrawStamped(topLeft, {-em, -em}, {em * (2 * length + 1), em * 3}, false,
                        [topLeft, text, style](DrawingSurface& surface, Point shift) {
                            surface.Text({topLeft.x + shift.x, topLeft.y + shift.y}, text, style);
                        })) {
            return;
        }
    }
    below_.Text(topLeft, text, style);
}

}  // namespace quorvane
