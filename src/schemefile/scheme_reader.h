// Reads a scheme file into a new scheme. The whole file is checked before
// anything is handed over, so a refused file leaves the open scheme as it was.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "model/scheme.h"
#include "schemefile/file_limits.h"

namespace quorvane {

struct ReadError {
    int line = 0;  // 1-based; 0 when the reason concerns the file as a whole
    int column = 0;
    std::string reason;

    // "line 3, column 7: reason", or the reason alone.
    std::string Message() const;
};

struct ReadResult {
    std::unique_ptr<Scheme> scheme;  // the loaded scheme, or null when refused
    ReadError error;
};

// Parses a whole file into a new scheme: the one way into a scheme from a
// file's bytes. The loaded scheme holds the cars, counts and texts of the
// file, its name line as fileName, and the scheme type its wheel order
// gives; previousSchemeType stands when the order names no type. Each
// wheel-set name goes to the wheel the writer took it from, so that writing
// the scheme again in its type gives the file's entries back. Everything
// else is as at program start. The walk and the mode are the Load handler's
// to set (AcceptLayout).
ReadResult ReadScheme(std::string_view bytes, int previousSchemeType);

// Reads the file at path whole and gives its bytes to ReadScheme; a file over
// 16 MiB, or one that is not a regular file, is refused before it is read.
ReadResult ReadSchemeFile(const std::string& path, int previousSchemeType);

// The scheme type of the sides of the first four wheel entries (bit n set for
// a right wheel in entry n) and the orientation of the first car line. Codes
// that name no type give previousSchemeType.
int SchemeTypeFromSides(int sideCode, bool firstCarInverted, int previousSchemeType);

// A number's text as a message shows it: as it is written, so that it can be
// found there, but at most 20 characters and then "…" (UTF-8), so that a
// run of megabytes does not make the message.
std::string AsWritten(std::string_view digits);

}  // namespace quorvane
