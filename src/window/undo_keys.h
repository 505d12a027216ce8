// The keys of undo and redo. The window takes them from anywhere in it; the
// parameter edits, which would take them for their own typing, leave them.
#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>
#include <array>

namespace quorvane {

inline QKeySequence UndoKey() {
    return QKeySequence(Qt::ControlModifier | Qt::Key_Z);
}

inline std::array<QKeySequence, 2> RedoKeys() {
    return {QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
            QKeySequence(Qt::ControlModifier | Qt::Key_Y)};
}

inline bool IsUndoOrRedoKey(const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    const std::array<QKeySequence, 2> redo = RedoKeys();
    return pressed == UndoKey() || std::find(redo.begin(), redo.end(), pressed) != redo.end();
}

}  // namespace quorvane
