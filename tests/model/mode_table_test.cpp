#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/mode_table.h"

namespace quorvane {
namespace {

constexpr ControlState kOn{.enabled = true, .readOnly = false};
constexpr ControlState kOff{.enabled = false, .readOnly = false};

struct GroupCase {
    const char* group;
    std::vector<Control> controls;
    ControlState layout;
    ControlState parameter;
};

// The modes as the operator meets them: layout steppers only while the
// layout may change, walk, entry and Save only after it was accepted.
TEST(ModeTableTest, EachModeEnablesItsOwnControls) {
    const std::vector<GroupCase> cases{
        {"layout steppers",
         {Control::RemoveCar, Control::AddCar, Control::RemoveAxle, Control::AddAxle,
          Control::RemoveBogie, Control::AddBogie, Control::PreviousSchemeType,
          Control::NextSchemeType, Control::PreviousCarInLayout, Control::NextCarInLayout,
          Control::InsertCarAfter, Control::InsertCarBefore, Control::RemoveCurrentCar},
         kOn,
         kOff},
        {"walk and entry",
         {Control::PreviousWheelSet, Control::NextWheelSet, Control::PreviousCarInWalk,
          Control::NextCarInWalk, Control::Series, Control::CarNumber, Control::AxleName,
          Control::WheelSetName, Control::Run, Control::SaveScheme, Control::SaveInPlace,
          Control::GoToWheelSet},
         kOff,
         kOn},
        // Set reads "Edit layout" in ParameterMode.
        {"always there",
         {Control::NewScheme, Control::SetScheme, Control::LoadScheme, Control::Exit, Control::Undo,
          Control::Redo, Control::ExportSheet, Control::PrintSheet},
         kOn,
         kOn},
        {"invert box", {Control::Invert}, kOn, {.enabled = true, .readOnly = true}},
        // Each number field takes typing in its own mode and only shows its
        // value in the other.
        {"layout number fields",
         {Control::CarCountDisplay, Control::AxleCountDisplay, Control::BogieCountDisplay,
          Control::SchemeTypeDisplay, Control::LayoutCarDisplay},
         kOn,
         {.enabled = false, .readOnly = true}},
        {"walk number fields",
         {Control::WalkPositionDisplay, Control::WalkCarDisplay},
         {.enabled = false, .readOnly = true},
         kOn},
    };
    std::set<Control> seen;
    for (const GroupCase& c : cases) {
        for (Control control : c.controls) {
            SCOPED_TRACE(std::string(c.group) + ": control " +
                         std::to_string(static_cast<int>(control)));
            EXPECT_EQ(ControlStateIn(Mode::LayoutMode, control), c.layout);
            EXPECT_EQ(ControlStateIn(Mode::ParameterMode, control), c.parameter);
            seen.insert(control);
        }
    }
    EXPECT_EQ(seen.size(), ModeTable().size()) << "every control of the table is in a group";
}

}  // namespace
}  // namespace quorvane
