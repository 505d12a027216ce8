// The measurement plan: every wheel of a scheme in the order of its file, one
// CSV row each, for the crews' checklists and for spreadsheets.
#pragma once

#include <QStringList>
#include <iosfwd>
#include <string>

#include "model/scheme.h"

namespace quorvane {

// UTF-8 CSV, every field quoted, rows ended by CR LF, a header row first:
// position, car, orientation, axle, side, series, car number, axle name,
// wheel-set name, run.
std::string MeasurementPlanCsv(const Scheme& scheme);

// quorvane-tool plan: words are the command's arguments after FILE, that is
// nothing or "-o OUT"; without -o the plan goes to out. Gives the exit code.
int Plan(const QStringList& words, const Scheme& scheme, std::ostream& out, std::ostream& err);

}  // namespace quorvane
