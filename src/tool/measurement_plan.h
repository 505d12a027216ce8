// The measurement plan: every wheel of a scheme in the order of its file, one
// CSV row each, for the crews' checklists and for spreadsheets.
#pragma once

#include <QStringList>
#include <functional>
#include <iosfwd>
#include <string_view>

#include "model/scheme.h"

namespace quorvane {

struct PlanOptions {
    // A field starting with =, +, -, @, a tab or a carriage return gets a
    // "'" before it, so that a spreadsheet program shows it as text instead
    // of running it as a formula. Programs reading the plan want the texts
    // as they are, so it is off unless asked for.
    bool spreadsheetSafe = false;
};

// Hands the plan on in pieces of some kilobytes: the texts of a file may be
// megabytes long and are repeated on every row of their car, so the whole
// plan can be far larger than the memory it would take. send gives false to
// stop; MeasurementPlan then gives false too.
//
// UTF-8 CSV, every field quoted, rows ended by CR LF, a header row first:
// position, car, orientation, axle, side, series, car number, axle name,
// wheel-set name, run.
bool MeasurementPlan(const Scheme& scheme, PlanOptions options,
                     const std::function<bool(std::string_view)>& send);

// quorvane-tool plan: words are the command's arguments, that is FILE and
// maybe --spreadsheet-safe and "-o OUT"; without -o, or with "-o -", the
// plan goes to out. Gives the exit code.
int Plan(const QStringList& words, std::ostream& out, std::ostream& err);

}  // namespace quorvane
