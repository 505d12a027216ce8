// The scheme as JSON, for programs that integrate scheme files: texts in
// UTF-8, keys in a fixed order, one line:
// {"name": "train", "schemeType": 3, "cars": [{"inverted": false,
//  "bogieCount": 2, "series": "A", "carNumber": "101", "axles": [{"axleName":
//  "1", "run": "100", "wheelSetNames": ["W1", "W1"]}]}]}
#pragma once

#include <QByteArray>
#include <memory>
#include <string>

#include "model/scheme.h"

namespace quorvane {

std::string SchemeToJson(const Scheme& scheme);

struct JsonSchemeResult {
    std::unique_ptr<Scheme> scheme;  // null when refused
    std::string error;  // names the place: "line 1, column 9: ..." or "car 2, axle 1: ..."
};

// The counts of a car that a scheme file can hold and the reader takes: axle
// indexes from 1 to 16 and a single digit for the bogies, in any relation.
// The editor's layout buttons make only 2 to 16 axles and 1 to 8 bogies, never
// more bogies than axles; a file read may hold the rest.
inline constexpr int kFileMinAxles = 1;
inline constexpr int kFileMinBogies = 0;
inline constexpr int kFileMaxBogies = 9;

// A scheme in the shape above, with the limits of what a scheme file holds,
// so that whatever dump printed is written back: 1 to 40 cars, 1 to 16
// axles, 0 to 9 bogies, scheme type 1 to 6, texts without "|" or line
// breaks that Windows-1251 can hold.
// "name" may be present and is not used: a file takes its name from where it
// is written.
JsonSchemeResult SchemeFromJson(const QByteArray& json);

}  // namespace quorvane
