#include "window/control_table.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "window/form_main.h"
#include "window/invert_check_box.h"
#include "window/parameter_edit.h"

namespace quorvane {

namespace {

using K = ControlKind;
using F = TFormMain;

constexpr WindowControl Button(Control control, std::string_view name, TextPair tip,
                               void (F::*click)()) {
    return {control, name, K::Button, {}, tip, click};
}
constexpr WindowControl CaptionedButton(Control control, std::string_view name, TextPair caption,
                                        void (F::*click)()) {
    return {control, name, K::Button, caption, {}, click};
}
constexpr WindowControl TippedButton(Control control, std::string_view name, TextPair caption,
                                     TextPair tip, void (F::*click)()) {
    return {control, name, K::Button, caption, tip, click};
}
constexpr WindowControl Edit(Control control, std::string_view name) {
    return {control, name, K::ParameterEdit, {}, {}, nullptr};
}
constexpr WindowControl Display(Control control, std::string_view name) {
    return {control, name, K::Display, {}, {}, nullptr};
}

constexpr std::array kControls{
    Button(Control::RemoveCar, "cxButton2", {"Убрать вагон", "Remove a car"}, &F::cxButton2Click),
    Button(Control::AddCar, "cxButton3", {"Добавить вагон", "Add a car"}, &F::cxButton3Click),
    Button(Control::PreviousCarInLayout, "cxButton13", {"Предыдущий вагон", "Previous car"},
           &F::cxButton13Click),
    Button(Control::NextCarInLayout, "cxButton14", {"Следующий вагон", "Next car"},
           &F::cxButton14Click),
    Button(Control::RemoveAxle, "cxButton4", {"Убрать ось", "Remove an axle"}, &F::cxButton4Click),
    Button(Control::AddAxle, "cxButton5", {"Добавить ось", "Add an axle"}, &F::cxButton5Click),
    Button(Control::RemoveBogie, "cxButton6", {"Убрать тележку", "Remove a bogie"},
           &F::cxButton6Click),
    Button(Control::AddBogie, "cxButton7", {"Добавить тележку", "Add a bogie"}, &F::cxButton7Click),
    Button(Control::PreviousSchemeType, "cxButton8",
           {"Предыдущий тип схемы", "Previous scheme type"}, &F::cxButton8Click),
    Button(Control::NextSchemeType, "cxButton9", {"Следующий тип схемы", "Next scheme type"},
           &F::cxButton9Click),
    WindowControl{
        Control::Invert, "chbInvert", K::CheckBox, {"Обратный", "Invert"}, {}, &F::chbInvertClick},
    Button(Control::PreviousWheelSet, "cxButton1",
           {"Предыдущая колёсная пара (Shift+Enter)", "Previous wheel set (Shift+Enter)"},
           &F::cxButton1Click),
    Button(Control::NextWheelSet, "cxButton10",
           {"Следующая колёсная пара (Enter)", "Next wheel set (Enter)"}, &F::cxButton10Click),
    Button(Control::PreviousCarInWalk, "cxButton11",
           {"Предыдущий вагон (Page Up)", "Previous car (Page Up)"}, &F::cxButton11Click),
    Button(Control::NextCarInWalk, "cxButton12",
           {"Следующий вагон (Page Down)", "Next car (Page Down)"}, &F::cxButton12Click),
    Edit(Control::Series, "editSeries"),
    Edit(Control::CarNumber, "editNumber"),
    Edit(Control::AxleName, "editAxle"),
    Edit(Control::WheelSetName, "editWheelPair"),
    Edit(Control::Run, "editRun"),
    CaptionedButton(Control::NewScheme, "btnNew", {"Новая схема", "New scheme"}, &F::btnNewClick),
    // Its caption and tip in ParameterMode are the window's.
    TippedButton(Control::SetScheme, "btnSet", {"Принять", "Set scheme"},
                 {"Принять схему и начать ввод параметров (Ctrl+L)",
                  "Fix the layout and enter the wheel parameters (Ctrl+L)"},
                 &F::btnSetClick),
    TippedButton(Control::SaveScheme, "btnSave", {"Сохранить схему", "Save scheme"},
                 {"Сохранить в файл, выбранный в диалоге (Ctrl+Shift+S). Ctrl+S сохраняет в "
                  "файл схемы без диалога",
                  "Save to a file chosen in the dialog (Ctrl+Shift+S). Ctrl+S saves into the "
                  "scheme's own file without the dialog"},
                 &F::btnSaveClick),
    CaptionedButton(Control::LoadScheme, "btnLoad", {"Загрузить схему", "Load scheme"},
                    &F::btnLoadClick),
    CaptionedButton(Control::Exit, "btnExit", {"Выход", "Exit"}, &F::btnExitClick),
    // Their tooltips name the step they would take back or make again.
    CaptionedButton(Control::Undo, "btnUndo", {"Отменить", "Undo"}, &F::btnUndoClick),
    CaptionedButton(Control::Redo, "btnRedo", {"Повторить", "Redo"}, &F::btnRedoClick),
    Display(Control::CarCountDisplay, "editNumCar"),
    Display(Control::AxleCountDisplay, "editNumAxle"),
    Display(Control::BogieCountDisplay, "editNumBogie"),
    Display(Control::SchemeTypeDisplay, "editTypeScheme"),
    Display(Control::LayoutCarDisplay, "editSetCar"),
    Display(Control::WalkPositionDisplay, "editSetCurAxle"),
    Display(Control::WalkCarDisplay, "editSetCurCar"),
};

static_assert(OneRowPerControlInOrder(kControls));

bool IsOfKind(QWidget* widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return qobject_cast<QPushButton*>(widget) != nullptr;
        case ControlKind::CheckBox:
            return dynamic_cast<InvertCheckBox*>(widget) != nullptr;
        case ControlKind::ParameterEdit:
            return qobject_cast<ParameterEdit*>(widget) != nullptr;
        case ControlKind::Display:
            return qobject_cast<QLineEdit*>(widget) != nullptr &&
                   qobject_cast<ParameterEdit*>(widget) == nullptr;
    }
    return false;
}

}  // namespace

std::span<const WindowControl> WindowControls() {
    return kControls;
}

const WindowControl& WindowControlOf(Control control) {
    return kControls.at(static_cast<std::size_t>(control));
}

std::array<QWidget*, kControlCount> FindControlWidgets(const QWidget& root) {
    std::array<QWidget*, kControlCount> widgets{};
    for (const WindowControl& row : kControls) {
        const std::string name(row.objectName);
        QWidget* widget = root.findChild<QWidget*>(QString::fromStdString(name));
        if (widget == nullptr) {
            throw std::logic_error("the window has no control '" + name + "'");
        }
        if (!IsOfKind(widget, row.kind)) {
            throw std::logic_error("the window's control '" + name + "' is of another kind");
        }
        widgets[static_cast<std::size_t>(row.control)] = widget;
    }
    return widgets;
}

}  // namespace quorvane
