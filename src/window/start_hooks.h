// Two start-up hooks with which the benchmarks time the editor from outside.
// Each is off unless its environment variable is set:
//   QUORVANE_LOAD_AT_START=FILE      loads FILE as "Load scheme" would, before the window shows;
//   QUORVANE_QUIT_AFTER_FIRST_PAINT  prints "quorvane: first paint" on standard output once
//                                    the window has painted, then quits.
#pragma once

#include <QString>
#include <memory>

#include "window/scheme_dialogs.h"

class QWidget;

namespace quorvane {

// The file of QUORVANE_LOAD_AT_START, or an empty string.
QString FileToLoadAtStart();

// Dialogs that answer the first open dialog with file and pass everything
// else on to dialogs.
std::unique_ptr<SchemeDialogs> AnsweringFirstOpen(std::unique_ptr<SchemeDialogs> dialogs,
                                                  const QString& file);

// Installs the first-paint hook on window when QUORVANE_QUIT_AFTER_FIRST_PAINT is set.
void QuitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace quorvane
