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
constexpr ModeTableRow Layout(Control control) {
    return {control, kEnabled, kDisabled};
}
constexpr ModeTableRow Parameter(Control control) {
    return {control, kDisabled, kEnabled};
}
constexpr ModeTableRow Fixed(Control control, ControlState state) {
    return {control, state, state};
}

constexpr std::array kTable{
    Layout(Control::RemoveCar),
    Layout(Control::AddCar),
    Layout(Control::PreviousCarInLayout),
    Layout(Control::NextCarInLayout),
    Layout(Control::RemoveAxle),
    Layout(Control::AddAxle),
    Layout(Control::RemoveBogie),
    Layout(Control::AddBogie),
    Layout(Control::PreviousSchemeType),
    Layout(Control::NextSchemeType),
    ModeTableRow{Control::Invert, kEditable, kReadOnly},
    Parameter(Control::PreviousWheelSet),
    Parameter(Control::NextWheelSet),
    Parameter(Control::PreviousCarInWalk),
    Parameter(Control::NextCarInWalk),
    Parameter(Control::Series),
    Parameter(Control::CarNumber),
    Parameter(Control::AxleName),
    Parameter(Control::WheelSetName),
    Parameter(Control::Run),
    Fixed(Control::NewScheme, kEnabled),
    // "Set scheme" in LayoutMode, "Edit layout" in ParameterMode.
    Fixed(Control::SetScheme, kEnabled),
    Parameter(Control::SaveScheme),
    Fixed(Control::LoadScheme, kEnabled),
    Fixed(Control::Exit, kEnabled),
    // No mode disables them; the window does while there is nothing to undo or redo.
    Fixed(Control::Undo, kEnabled),
    Fixed(Control::Redo, kEnabled),
    // Ctrl+S, like Save, once there are texts to save.
    Parameter(Control::SaveInPlace),
    Fixed(Control::ExportSheet, kEnabled),
    Fixed(Control::PrintSheet, kEnabled),
    Parameter(Control::GoToWheelSet),
    Layout(Control::InsertCarAfter),
    Layout(Control::InsertCarBefore),
    Layout(Control::RemoveCurrentCar),
    // A number field takes typing only in its own mode, and shows its value
    // in the other.
    ModeTableRow{Control::CarCountDisplay, kEditable, kDisplay},
    ModeTableRow{Control::AxleCountDisplay, kEditable, kDisplay},
    ModeTableRow{Control::BogieCountDisplay, kEditable, kDisplay},
    ModeTableRow{Control::SchemeTypeDisplay, kEditable, kDisplay},
    ModeTableRow{Control::LayoutCarDisplay, kEditable, kDisplay},
    ModeTableRow{Control::WalkPositionDisplay, kDisplay, kEditable},
    ModeTableRow{Control::WalkCarDisplay, kDisplay, kEditable},
};

static_assert(OneRowPerControlInOrder(kTable));

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

}  // namespace quorvane
