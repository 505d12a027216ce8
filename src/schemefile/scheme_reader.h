// Reads a scheme file into a new scheme. The whole file is checked before
// anything is handed over, so a refused file leaves the open scheme as it was.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
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

// Parses a whole file. The loaded scheme holds the cars, counts and texts of
// the file, its name line as fileName, and the scheme type its wheel order
// gives; previousSchemeType stands when the order names no type. Each
// wheel-set name goes to the wheel the writer took it from, so that writing
// the scheme again in its type gives the file's entries back. Everything
// else is as at program start: no text of the scheme that was open survives.
// The walk and the mode are the Load handler's to set (AcceptLayout).
ReadResult ReadScheme(std::string_view bytes, int previousSchemeType);

// Reads the file at path whole and parses it; a file over 16 MiB is refused
// before it is read.
ReadResult ReadSchemeFile(const std::string& path, int previousSchemeType);

// The same two, parsing into into, which is reset first but keeps the
// storage of its texts: a load into the scheme that the previous load
// replaced allocates nothing for texts of like sizes. Nothing when the file
// was read; after a refusal into holds nothing of use.
std::optional<ReadError> ReadSchemeInto(std::string_view bytes, int previousSchemeType,
                                        Scheme& into);
std::optional<ReadError> ReadSchemeFileInto(const std::string& path, int previousSchemeType,
                                            Scheme& into);

// The scheme type of the sides of the first four wheel entries (bit n set for
// a right wheel in entry n) and the orientation of the first car line. Codes
// that name no type give previousSchemeType.
int SchemeTypeFromSides(int sideCode, bool firstCarInverted, int previousSchemeType);

}  // namespace quorvane
