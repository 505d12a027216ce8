// Which control is enabled or read-only in which mode, as data: the window
// applies it, and tests check it without any widget.
#pragma once

#include <span>
#include <string_view>

#include "model/scheme.h"

namespace quorvane {

// Every control whose state the modes decide or fix.
enum class Control {
    cxButton1,
    cxButton2,
    cxButton3,
    cxButton4,
    cxButton5,
    cxButton6,
    cxButton7,
    cxButton8,
    cxButton9,
    cxButton10,
    cxButton11,
    cxButton12,
    cxButton13,
    cxButton14,
    chbInvert,
    editSeries,
    editNumber,
    editAxle,
    editWheelPair,
    editRun,
    btnNew,
    btnSet,
    btnSave,
    btnLoad,
    btnExit,
    editNumCar,
    editNumAxle,
    editNumBogie,
    editTypeScheme,
    editSetCar,
    editSetCurAxle,
    editSetCurCar,
};

struct ControlState {
    bool enabled = false;
    bool readOnly = false;  // only the check box and the counter displays have one

    bool operator==(const ControlState&) const = default;
};

struct ModeTableRow {
    Control control;
    std::string_view name;  // the control's name in the window
    ControlState layout;
    ControlState parameter;
};

// One row per control, in the order above.
std::span<const ModeTableRow> ModeTable();

const ModeTableRow& ModeTableRowOf(Control control);

// What entering the mode sets.
ControlState ControlStateIn(Mode mode, Control control);

// The window starts with the LayoutMode column, except that the bogie buttons
// stay disabled until the first New.
ControlState StartupControlState(Control control);

}  // namespace quorvane
