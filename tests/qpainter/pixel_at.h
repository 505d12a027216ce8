// The colour of one pixel of a rendered image, as the drawings name colours,
// and where a colour lies.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdint>

#include "model/rgb.h"

namespace quorvane::testing {

inline Rgb PixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// The smallest rectangle holding every pixel of the colour, or an empty one.
inline QRect InkOf(const QImage& image, Rgb colour) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (PixelAt(image, x, y) == colour) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

}  // namespace quorvane::testing
