// A drawing rasterised once by QPainter and copied from then on: the runs of
// neighbouring pixels it sets in each row, placed relative to an anchor. Only
// drawings that set every pixel they touch to a colour of their own, whatever
// lay beneath (opaque, without antialiasing), can be stamped.
#pragma once

#include <QImage>
#include <optional>
#include <vector>

#include "drawing/drawing_surface.h"

namespace quorvane {

class Stamp {
public:
    // From one drawing rendered twice with its anchor at `anchor`, once on an
    // all-black and once on an all-white RGB32 image of the same size.
    // Nothing when a pixel is neither left as its background in both nor the
    // same in both (the drawing blends), or when a pixel on the images' edge
    // is set (the drawing may reach beyond them).
    static std::optional<Stamp> FromRenders(const QImage& onBlack, const QImage& onWhite,
                                            Point anchor);

    // Whether every pixel it sets lies inside image with the anchor at `at`.
    bool FitsIn(const QImage& image, Point at) const {
        return at.x + left_ >= 0 && at.y + top_ >= 0 && at.x + right_ < image.width() &&
               at.y + bottom_ < image.height();
    }

    // Sets its pixels in an RGB32 image that it fits in.
    void StampOn(QImage& image, Point at) const;

private:
    struct Run {
        int dx;
        int dy;
        int length;
        std::size_t first;  // of its pixels in pixels_
    };

    std::vector<Run> runs_;
    std::vector<QRgb> pixels_;
    // The pixels it sets lie within these, relative to the anchor, inclusive.
    int left_ = 0;
    int top_ = 0;
    int right_ = -1;
    int bottom_ = -1;
};

}  // namespace quorvane
