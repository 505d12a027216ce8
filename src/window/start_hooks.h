// The start-up hook with which the benchmarks time the editor from outside:
// off unless QUORVANE_QUIT_AFTER_FIRST_PAINT is set, it prints
// "quorvane: first paint" on standard output once the window has painted,
// then quits. (A file to load goes on the command line.)
#pragma once

class QWidget;

namespace quorvane {

// Installs the first-paint hook on window when QUORVANE_QUIT_AFTER_FIRST_PAINT is set.
void QuitAfterFirstPaintIfAsked(QWidget& window);

// Whether the hook has quit already, before the main loop was entered.
bool QuitAfterFirstPaintHappened();

}  // namespace quorvane
