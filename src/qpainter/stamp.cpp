#include "qpainter/stamp.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

std::optional<Stamp> Stamp::FromRenders(const QImage& onBlack, const QImage& onWhite,
                                        Point anchor) {
    constexpr QRgb kBlackPixel = 0xff000000;
    constexpr QRgb kWhitePixel = 0xffffffff;
    const int width = onBlack.width();
    const int height = onBlack.height();
    Stamp stamp;
    stamp.left_ = width;
    stamp.top_ = height;
    for (int y = 0; y < height; ++y) {
        const auto* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const auto* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (black[x] == kBlackPixel && white[x] == kWhitePixel) {
                continue;
            }
            if (black[x] != white[x] || x == 0 || y == 0 || x == width - 1 || y == height - 1) {
                return std::nullopt;
            }
            const Run next{x - anchor.x, y - anchor.y, 1, stamp.pixels_.size()};
            Run* last = stamp.runs_.empty() ? nullptr : &stamp.runs_.back();
            if (last != nullptr && last->dy == next.dy && last->dx + last->length == next.dx) {
                ++last->length;
            } else {
                stamp.runs_.push_back(next);
            }
            stamp.pixels_.push_back(black[x]);
            stamp.left_ = std::min(stamp.left_, x);
            stamp.top_ = std::min(stamp.top_, y);
            stamp.right_ = std::max(stamp.right_, x);
            stamp.bottom_ = std::max(stamp.bottom_, y);
        }
    }
    if (stamp.runs_.empty()) {
        stamp.left_ = 0;
        stamp.top_ = 0;
        return stamp;
    }
    stamp.left_ -= anchor.x;
    stamp.top_ -= anchor.y;
    stamp.right_ -= anchor.x;
    stamp.bottom_ -= anchor.y;
    return stamp;
}

void Stamp::StampOn(QImage& image, Point at) const {
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (const Run& run : runs_) {
        auto* row = reinterpret_cast<QRgb*>(bits + (at.y + run.dy) * bytesPerLine);
        std::memcpy(row + at.x + run.dx, pixels_.data() + run.first,
                    static_cast<std::size_t>(run.length) * sizeof(QRgb));
    }
}

}  // namespace quorvane
