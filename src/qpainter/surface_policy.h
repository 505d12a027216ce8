// What sets the QPainter surfaces apart, in one place: the window draws
// aliased pixels with a font in points, the sheet vectors with a font in
// pixels at 96 dots per inch. Everything else they draw the same way, in
// PainterSurface.
#pragma once

#include <QFont>
#include <QString>

#include "drawing/drawing_surface.h"

namespace quorvane {

struct SurfacePolicy {
    enum class FontSize {
        Points,         // the device's resolution sizes the text
        PixelsAt96Dpi,  // 8 point is 11 units on any device
    };
    enum class OpaqueText {
        BackgroundMode,  // the painter's opaque background, behind each glyph run
        FilledCell,      // a white rectangle of the text's advance and height first
    };

    QString fontFamily;
    QFont::StyleStrategy fontStrategy = QFont::PreferDefault;
    FontSize fontSize = FontSize::PixelsAt96Dpi;
    // Whole-pixel ascent and advance, as the font's bitmaps are placed; else
    // the outline's own, for vectors.
    bool integerMetrics = false;
    OpaqueText opaqueText = OpaqueText::FilledCell;
    // The width a pen of width 1 or less draws with; 0 is QPainter's
    // cosmetic pen, one device pixel whatever the scale.
    double thinPenWidth = 1;
    // A painter the surface begins itself is moved by half a logical pixel.
    bool halfPixelShift = false;
    // The painter is the caller's, who may change it between calls: pen,
    // brush and font are set again at every call rather than when they change.
    bool stateEveryCall = false;

    // The window and the tool's pictures at a device pixel ratio: "MS Sans
    // Serif" where the platform has it, never smoothed; aliased lines that
    // cover the pixel right of and below each coordinate, one logical pixel
    // wide at any ratio.
    static SurfacePolicy Window(double devicePixelRatio);
    // The sheet: DejaVu Sans, which has Cyrillic letters and lies on every
    // machine the package goes to, sized in the page's units; thin lines one
    // unit wide, which a printer cannot lose.
    static SurfacePolicy Sheet();
};

// The font of a text style under a policy.
QFont FontOf(const SurfacePolicy& policy, const TextStyle& style);

}  // namespace quorvane
