#include "qpainter/surface_policy.h"

#include <cmath>

namespace quorvane {

SurfacePolicy SurfacePolicy::Window(double devicePixelRatio) {
    const bool whole = devicePixelRatio == 1;
    return {
        .fontFamily = QStringLiteral("MS Sans Serif"),
        .fontStrategy = QFont::NoAntialias,
        .fontSize = FontSize::Points,
        .integerMetrics = true,
        .opaqueText = OpaqueText::BackgroundMode,
        // At ratio 1 the cosmetic pen leaves out a line's end point, as the
        // line-to of the platforms the coordinates come from does. Above it a
        // cosmetic pen would be one image pixel, so the pen is a logical one,
        // and half a pixel's shift puts it over the same area as at ratio 1.
        .thinPenWidth = whole ? 0.0 : 1.0,
        .halfPixelShift = !whole,
        .stateEveryCall = false,
    };
}

SurfacePolicy SurfacePolicy::Sheet() {
    return {
        .fontFamily = QStringLiteral("DejaVu Sans"),
        .fontStrategy = QFont::PreferDefault,
        .fontSize = FontSize::PixelsAt96Dpi,
        .integerMetrics = false,
        .opaqueText = OpaqueText::FilledCell,
        .thinPenWidth = 1,
        .halfPixelShift = false,
        .stateEveryCall = true,
    };
}

QFont FontOf(const SurfacePolicy& policy, const TextStyle& style) {
    QFont font(policy.fontFamily);
    font.setStyleHint(QFont::SansSerif, policy.fontStrategy);
    if (policy.fontSize == SurfacePolicy::FontSize::Points) {
        font.setPointSize(style.pointSize);
    } else {
        font.setPixelSize(static_cast<int>(std::lround(style.pointSize * 96.0 / 72.0)));
    }
    font.setBold(style.bold);
    return font;
}

}  // namespace quorvane
