// The scheme file: a name line, the car list between "{" and "}" in the order
// of the scheme type, an empty line and a ten-line legend, every line ended
// by CR LF. Texts are written byte for byte.
#pragma once

#include <string>
#include <string_view>

#include "model/scheme.h"

namespace quorvane {

struct WriteResult {
    std::string bytes;  // the whole file, when ok
    std::string error;  // why the scheme cannot be written, when not ok
    bool ok = false;
};

// The file for the scheme under the given name. A text holding "|", CR or LF
// cannot be stored (the format has no escape, and the reader would split it),
// nor can a name holding CR or LF: the result then names the car, axle and
// field and holds no bytes. Nor is a file written that would be larger than
// the reader reads (16 MiB).
WriteResult WriteScheme(const Scheme& scheme, std::string_view schemeName);

}  // namespace quorvane
