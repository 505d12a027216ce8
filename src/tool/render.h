#pragma once

#include <QStringList>
#include <iosfwd>

namespace quorvane {

// quorvane-tool render: the car view, the train strip or the sheet of the
// whole train of a scheme file as a picture. words are the command's own
// arguments, FILE among them; "-o -" writes a PNG to out. Gives the exit code.
int Render(const QStringList& words, std::ostream& out, std::ostream& err);

}  // namespace quorvane
