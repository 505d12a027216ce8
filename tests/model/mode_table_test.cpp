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

// The modes as the operator meets them: layout steppers and Set only while
// the layout may change, walk, entry and Save only after it was accepted.
TEST(ModeTableTest, EachModeEnablesItsOwnControls) {
    const std::vector<GroupCase> cases{
        {"layout steppers",
         {Control::cxButton2, Control::cxButton3, Control::cxButton4, Control::cxButton5,
          Control::cxButton6, Control::cxButton7, Control::cxButton8, Control::cxButton9,
          Control::cxButton13, Control::cxButton14, Control::btnSet},
         kOn,
         kOff},
        {"walk and entry",
         {Control::cxButton1, Control::cxButton10, Control::cxButton11, Control::cxButton12,
          Control::editSeries, Control::editNumber, Control::editAxle, Control::editWheelPair,
          Control::editRun, Control::btnSave},
         kOff,
         kOn},
        {"always there", {Control::btnNew, Control::btnLoad, Control::btnExit}, kOn, kOn},
        {"invert box", {Control::chbInvert}, kOn, {.enabled = true, .readOnly = true}},
        {"counter displays",
         {Control::editNumCar, Control::editNumAxle, Control::editNumBogie, Control::editTypeScheme,
          Control::editSetCar, Control::editSetCurAxle, Control::editSetCurCar},
         {.enabled = false, .readOnly = true},
         {.enabled = false, .readOnly = true}},
    };
    std::set<Control> seen;
    for (const GroupCase& c : cases) {
        for (Control control : c.controls) {
            SCOPED_TRACE(std::string(c.group) + ": " + std::string(ModeTableRowOf(control).name));
            EXPECT_EQ(ControlStateIn(Mode::LayoutMode, control), c.layout);
            EXPECT_EQ(ControlStateIn(Mode::ParameterMode, control), c.parameter);
            seen.insert(control);
        }
    }
    EXPECT_EQ(seen.size(), ModeTable().size()) << "every control of the table is in a group";
}

TEST(ModeTableTest, StartupIsLayoutModeWithTheBogieButtonsDisabled) {
    for (const ModeTableRow& row : ModeTable()) {
        SCOPED_TRACE(std::string(row.name));
        const bool bogieButton =
            row.control == Control::cxButton6 || row.control == Control::cxButton7;
        EXPECT_EQ(StartupControlState(row.control), bogieButton ? kOff : row.layout);
    }
}

TEST(ModeTableTest, NamesAreTheWindowsControlNames) {
    std::set<std::string_view> names;
    for (const ModeTableRow& row : ModeTable()) {
        names.insert(row.name);
    }
    EXPECT_EQ(names.size(), ModeTable().size());
    EXPECT_EQ(ModeTableRowOf(Control::cxButton14).name, "cxButton14");
    EXPECT_EQ(ModeTableRowOf(Control::editWheelPair).name, "editWheelPair");
    EXPECT_EQ(ModeTableRowOf(Control::editSetCurCar).name, "editSetCurCar");
}

}  // namespace
}  // namespace quorvane
