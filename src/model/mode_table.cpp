#include "model/mode_table.h"

#include <array>

namespace quorvane {

namespace {

constexpr ControlState kEnabled{.enabled = true, .readOnly = false};
constexpr ControlState kDisabled{.enabled = false, .readOnly = false};
constexpr ControlState kEditable{.enabled = true, .readOnly = false};
constexpr ControlState kReadOnly{.enabled = true, .readOnly = true};
constexpr ControlState kDisplay{.enabled = false, .readOnly = true};

// Layout steppers in LayoutMode, walk and entry controls in ParameterMode.
constexpr ModeTableRow Layout(Control control, std::string_view name) {
    return {control, name, kEnabled, kDisabled};
}
constexpr ModeTableRow Parameter(Control control, std::string_view name) {
    return {control, name, kDisabled, kEnabled};
}
constexpr ModeTableRow Fixed(Control control, std::string_view name, ControlState state) {
    return {control, name, state, state};
}

constexpr std::array kTable{
    Parameter(Control::cxButton1, "cxButton1"),
    Layout(Control::cxButton2, "cxButton2"),
    Layout(Control::cxButton3, "cxButton3"),
    Layout(Control::cxButton4, "cxButton4"),
    Layout(Control::cxButton5, "cxButton5"),
    Layout(Control::cxButton6, "cxButton6"),
    Layout(Control::cxButton7, "cxButton7"),
    Layout(Control::cxButton8, "cxButton8"),
    Layout(Control::cxButton9, "cxButton9"),
    Parameter(Control::cxButton10, "cxButton10"),
    Parameter(Control::cxButton11, "cxButton11"),
    Parameter(Control::cxButton12, "cxButton12"),
    Layout(Control::cxButton13, "cxButton13"),
    Layout(Control::cxButton14, "cxButton14"),
    ModeTableRow{Control::chbInvert, "chbInvert", kEditable, kReadOnly},
    Parameter(Control::editSeries, "editSeries"),
    Parameter(Control::editNumber, "editNumber"),
    Parameter(Control::editAxle, "editAxle"),
    Parameter(Control::editWheelPair, "editWheelPair"),
    Parameter(Control::editRun, "editRun"),
    Fixed(Control::btnNew, "btnNew", kEnabled),
    Layout(Control::btnSet, "btnSet"),
    Parameter(Control::btnSave, "btnSave"),
    Fixed(Control::btnLoad, "btnLoad", kEnabled),
    Fixed(Control::btnExit, "btnExit", kEnabled),
    Fixed(Control::editNumCar, "editNumCar", kDisplay),
    Fixed(Control::editNumAxle, "editNumAxle", kDisplay),
    Fixed(Control::editNumBogie, "editNumBogie", kDisplay),
    Fixed(Control::editTypeScheme, "editTypeScheme", kDisplay),
    Fixed(Control::editSetCar, "editSetCar", kDisplay),
    Fixed(Control::editSetCurAxle, "editSetCurAxle", kDisplay),
    Fixed(Control::editSetCurCar, "editSetCurCar", kDisplay),
};

// Rows stand in the order of the enumeration, so a control is its own index.
constexpr bool RowsInEnumOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInEnumOrder());
static_assert(kTable.size() == static_cast<std::size_t>(Control::editSetCurCar) + 1);

}  // namespace

std::span<const ModeTableRow> ModeTable() {
    return kTable;
}

const ModeTableRow& ModeTableRowOf(Control control) {
    return kTable.at(static_cast<std::size_t>(control));
}

ControlState ControlStateIn(Mode mode, Control control) {
    const ModeTableRow& row = ModeTableRowOf(control);
    return mode == Mode::ParameterMode ? row.parameter : row.layout;
}

ControlState StartupControlState(Control control) {
    if (control == Control::cxButton6 || control == Control::cxButton7) {
        return kDisabled;
    }
    return ControlStateIn(Mode::LayoutMode, control);
}

}  // namespace quorvane
