// The whole train on paper: the strip, wrapped to the width of a car view,
// and under it every car's diagram with its marks, each headed by its number,
// series and car number. Needs a QGuiApplication (offscreen will do).
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "model/scheme.h"

namespace quorvane {

// Writes the sheet to path, by its suffix: A4 landscape pages for .pdf, one
// tall picture for .svg and for any image format Qt writes. The file is
// replaced only once complete. Gives why it failed, or nothing. Leaves the
// scheme in LayoutMode with its last car current.
std::optional<std::string> WriteTrainSheet(Scheme& scheme, const QString& path);

}  // namespace quorvane
