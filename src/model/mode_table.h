// Which control and command is enabled or read-only in which mode, as data:
// the window applies it to its widgets and actions, and tests check it
// without any widget.
#pragma once

#include <cstddef>
#include <span>

#include "model/scheme.h"

namespace quorvane {

// Every control and command whose state the modes decide or fix, by what it
// does.
enum class Control {
    // Layout steppers.
    RemoveCar,
    AddCar,
    PreviousCarInLayout,
    NextCarInLayout,
    RemoveAxle,
    AddAxle,
    RemoveBogie,
    AddBogie,
    PreviousSchemeType,
    NextSchemeType,
    Invert,
    // The walk.
    PreviousWheelSet,
    NextWheelSet,
    PreviousCarInWalk,
    NextCarInWalk,
    // The five parameter edits.
    Series,
    CarNumber,
    AxleName,
    WheelSetName,
    Run,
    // The wide buttons.
    NewScheme,
    SetScheme,
    SaveScheme,
    LoadScheme,
    Exit,
    // The undo stack.
    Undo,
    Redo,
    // Commands with keys and menu entries but no control of their own.
    SaveInPlace,
    ExportSheet,
    PrintSheet,
    // Ctrl+G: the cursor into the walk position's field.
    GoToWheelSet,
    // Cars inserted and removed anywhere in the train, from the strip's
    // menu and keys.
    InsertCarAfter,
    InsertCarBefore,
    RemoveCurrentCar,
    // The number fields: each shows a count or a position, and takes a typed
    // number in one mode.
    CarCountDisplay,
    AxleCountDisplay,
    BogieCountDisplay,
    SchemeTypeDisplay,
    LayoutCarDisplay,
    WalkPositionDisplay,
    WalkCarDisplay,
};

inline constexpr int kControlCount = static_cast<int>(Control::WalkCarDisplay) + 1;

// Whether a table of rows, each naming its control, holds every control once
// and in the order above, so that a control is the index of its row.
template <typename Rows>
constexpr bool OneRowPerControlInOrder(const Rows& rows) {
    if (rows.size() != static_cast<std::size_t>(kControlCount)) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].control) != i) {
            return false;
        }
    }
    return true;
}

struct ControlState {
    bool enabled = false;
    bool readOnly = false;  // only the check box and the number fields have one

    bool operator==(const ControlState&) const = default;
};

struct ModeTableRow {
    Control control;
    ControlState layout;
    ControlState parameter;
};

// One row per control, in the order above.
std::span<const ModeTableRow> ModeTable();

const ModeTableRow& ModeTableRowOf(Control control);

// What entering the mode sets.
ControlState ControlStateIn(Mode mode, Control control);

}  // namespace quorvane
