// Where each control and command of the model meets the window: the object
// name of its widget in the window's layout, what kind of widget it is, its
// captions and tooltips in both languages, its keys, and the handler it
// runs. The object and handler names are those of the window's layout;
// everything behind the window names controls by what they do (Control).
#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <array>
#include <span>
#include <string_view>

#include "model/language.h"
#include "model/mode_table.h"

namespace quorvane {

class TFormMain;

enum class ControlKind {
    Button,
    CheckBox,
    ParameterEdit,
    Display,  // a number field
    Command,  // keys and menu entries only, no widget
};

// Up to two key combinations; Qt::Key_unknown marks an unused place.
using KeyList = std::array<QKeyCombination, 2>;

struct WindowControl {
    Control control;
    std::string_view objectName;  // empty for a command without a widget
    ControlKind kind;
    TextPair caption;  // on its widget and in menus; empty: it shows a picture or a value
    // Its tooltip. "%1" stands for its keys, which otherwise follow in
    // brackets; "%2" for those of the command tipKeysOf.
    TextPair tip;
    // Set alone reads otherwise during the walk ("Edit layout").
    TextPair walkCaption;
    TextPair walkTip;
    KeyList keys;       // its action's keys, from anywhere in the window
    KeyList fieldKeys;  // what the parameter fields take for it: only named in its tooltip
    Control tipKeysOf;
    void (TFormMain::*call)();  // null for edits and number fields
};

// One row per control and command, in the order of Control.
std::span<const WindowControl> WindowControls();

const WindowControl& WindowControlOf(Control control);

// The key sequences of a list, in its order.
QList<QKeySequence> KeySequences(const KeyList& keys);

}  // namespace quorvane
