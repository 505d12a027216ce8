#pragma once

#include <QStringList>
#include <iosfwd>

#include "model/scheme.h"

namespace quorvane {

// quorvane-tool render: the car view or the train strip of a loaded scheme as
// an image. words are the command's own arguments; gives the exit code.
int Render(const QStringList& words, Scheme& scheme, std::ostream& err);

}  // namespace quorvane
