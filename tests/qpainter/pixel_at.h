// The colour of one pixel of a rendered image, as the drawings name colours.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

#include "model/rgb.h"

namespace quorvane::testing {

inline Rgb PixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

}  // namespace quorvane::testing
