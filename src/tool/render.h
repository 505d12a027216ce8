#pragma once

#include <QStringList>
#include <iosfwd>

#include "model/scheme.h"

namespace quorvane {

// quorvane-tool render: the car view, the train strip or the sheet of the
// whole train of a loaded scheme as a picture. words are the command's own arguments; gives the
// exit code.
int Render(const QStringList& words, Scheme& scheme, std::ostream& err);

}  // namespace quorvane
