// Where each control of the model meets the window: its object name in the
// window's layout, what kind of widget it is, its caption, its tooltip and
// the handler its click runs. The object and handler names are those of the
// window's layout; everything behind the window names controls by what they
// do (Control).
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/language.h"
#include "model/mode_table.h"

class QWidget;

namespace quorvane {

class TFormMain;

enum class ControlKind { Button, CheckBox, ParameterEdit, Display };

struct WindowControl {
    Control control;
    std::string_view objectName;
    ControlKind kind;
    TextPair caption;            // empty: it shows a picture or a value
    TextPair tip;                // empty: it has no tooltip
    void (TFormMain::*click)();  // null for edits and displays
};

// One row per control, in the order of Control.
std::span<const WindowControl> WindowControls();

const WindowControl& WindowControlOf(Control control);

// The widget of every control among the children of root, by Control. Throws
// std::logic_error naming the first control whose widget is missing or of
// another kind than the table gives it.
std::array<QWidget*, kControlCount> FindControlWidgets(const QWidget& root);

}  // namespace quorvane
