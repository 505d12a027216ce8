// The whole train on paper: the strip, wrapped to the width of a car view,
// and under it every car's diagram with its marks, each headed by its number,
// series and car number. Needs a QGuiApplication (offscreen will do).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/scheme.h"

namespace quorvane {

// Draws the sheet into bytes in the given format: "pdf" for A4 landscape
// pages, "svg" or any image format Qt writes (QImageWriter's names) for one
// tall picture. Gives why it failed, or nothing.
std::optional<QString> DrawTrainSheet(const Scheme& scheme, const QByteArray& format,
                                      QByteArray& bytes);

}  // namespace quorvane
