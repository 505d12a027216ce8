#include "window/control_table.h"

#include <array>
#include <cstddef>

#include "window/form_main.h"

namespace quorvane {

namespace {

using K = ControlKind;
using F = TFormMain;

constexpr KeyList kNoKeys{};

constexpr KeyList Keys(QKeyCombination first, QKeyCombination second = {}) {
    return {first, second};
}

constexpr WindowControl Row(Control control, std::string_view name, ControlKind kind,
                            TextPair caption, TextPair tip, KeyList keys, void (F::*call)()) {
    return {control, name, kind, caption, tip, {}, {}, keys, kNoKeys, control, call};
}

// A picture button: its tooltip says what it does.
constexpr WindowControl Button(Control control, std::string_view name, TextPair tip,
                               void (F::*call)(), KeyList keys = kNoKeys) {
    return Row(control, name, K::Button, {}, tip, keys, call);
}
// A walk button whose step the parameter fields take on a key of their own.
constexpr WindowControl FieldKeyButton(Control control, std::string_view name, TextPair tip,
                                       void (F::*call)(), KeyList fieldKeys) {
    WindowControl row = Button(control, name, tip, call);
    row.fieldKeys = fieldKeys;
    return row;
}
constexpr WindowControl CaptionedButton(Control control, std::string_view name, TextPair caption,
                                        void (F::*call)(), KeyList keys) {
    return Row(control, name, K::Button, caption, {}, keys, call);
}
constexpr WindowControl Command(Control control, TextPair caption, TextPair tip, KeyList keys,
                                void (F::*call)()) {
    return Row(control, {}, K::Command, caption, tip, keys, call);
}
constexpr WindowControl Edit(Control control, std::string_view name) {
    return Row(control, name, K::ParameterEdit, {}, {}, kNoKeys, nullptr);
}
constexpr WindowControl Display(Control control, std::string_view name) {
    return Row(control, name, K::Display, {}, {}, kNoKeys, nullptr);
}

constexpr WindowControl SetRow() {
    WindowControl row = Row(
        Control::SetScheme, "btnSet", K::Button, {"Принять", "Set scheme"},
        {"Принять схему и начать ввод параметров", "Fix the layout and enter the wheel parameters"},
        Keys(Qt::CTRL | Qt::Key_L), &F::btnSetClick);
    row.walkCaption = {"Изменить схему", "Edit layout"};
    row.walkTip = {
        "Снова изменить вагоны, оси, тележки и тип схемы; тексты остаются у своих вагонов и осей",
        "Change cars, axles, bogies and the scheme type again; every text stays with its car and "
        "axle"};
    return row;
}

constexpr WindowControl SaveRow() {
    WindowControl row =
        Row(Control::SaveScheme, "btnSave", K::Button, {"Сохранить схему", "Save scheme"},
            {"Сохранить в файл, выбранный в диалоге (%1). %2 сохраняет в файл схемы без диалога",
             "Save to a file chosen in the dialog (%1). %2 saves into the scheme's own file "
             "without the dialog"},
            Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &F::btnSaveClick);
    row.tipKeysOf = Control::SaveInPlace;
    return row;
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
    Row(Control::Invert, "chbInvert", K::CheckBox, {"Обратный", "Invert"}, {}, kNoKeys,
        &F::chbInvertClick),
    FieldKeyButton(Control::PreviousWheelSet, "cxButton1",
                   {"Предыдущая колёсная пара", "Previous wheel set"}, &F::cxButton1Click,
                   Keys(Qt::SHIFT | Qt::Key_Enter)),
    FieldKeyButton(Control::NextWheelSet, "cxButton10",
                   {"Следующая колёсная пара", "Next wheel set"}, &F::cxButton10Click,
                   Keys(Qt::Key_Enter)),
    Button(Control::PreviousCarInWalk, "cxButton11", {"Предыдущий вагон", "Previous car"},
           &F::cxButton11Click, Keys(Qt::Key_PageUp)),
    Button(Control::NextCarInWalk, "cxButton12", {"Следующий вагон", "Next car"},
           &F::cxButton12Click, Keys(Qt::Key_PageDown)),
    Edit(Control::Series, "editSeries"),
    Edit(Control::CarNumber, "editNumber"),
    Edit(Control::AxleName, "editAxle"),
    Edit(Control::WheelSetName, "editWheelPair"),
    Edit(Control::Run, "editRun"),
    CaptionedButton(Control::NewScheme, "btnNew", {"Новая схема", "New scheme"}, &F::btnNewClick,
                    Keys(Qt::CTRL | Qt::Key_N)),
    SetRow(),
    SaveRow(),
    CaptionedButton(Control::LoadScheme, "btnLoad", {"Загрузить схему", "Load scheme"},
                    &F::btnLoadClick, Keys(Qt::CTRL | Qt::Key_O)),
    CaptionedButton(Control::Exit, "btnExit", {"Выход", "Exit"}, &F::btnExitClick,
                    Keys(Qt::CTRL | Qt::Key_Q)),
    // Their tooltips name the step they would take back or make again.
    CaptionedButton(Control::Undo, "btnUndo", {"Отменить", "Undo"}, &F::btnUndoClick,
                    Keys(Qt::CTRL | Qt::Key_Z)),
    CaptionedButton(Control::Redo, "btnRedo", {"Повторить", "Redo"}, &F::btnRedoClick,
                    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y)),
    Command(Control::SaveInPlace, {"Сохранить", "Save"},
            {"Сохранить в файл схемы без диалога",
             "Save into the scheme's own file without the "
             "dialog"},
            Keys(Qt::CTRL | Qt::Key_S), &F::SaveInPlace),
    Command(Control::ExportSheet, {"Экспорт листа…", "Export sheet…"}, {},
            Keys(Qt::CTRL | Qt::Key_E), &F::ExportSheet),
    Command(Control::PrintSheet, {"Печать…", "Print…"}, {}, Keys(Qt::CTRL | Qt::Key_P),
            &F::PrintSheet),
    Command(Control::GoToWheelSet, {"Перейти к позиции", "Go to position"},
            {"Набрать номер колёсной пары в поле «Позиция»",
             "Type the number of a wheel set into the Position field"},
            Keys(Qt::CTRL | Qt::Key_G), &F::GoToWheelSet),
    Command(Control::InsertCarAfter, {"Вставить вагон после", "Insert car after"},
            {"Вставить после текущего вагона вагон с такими же осями, тележками и "
             "направлением",
             "Insert after the current car a car with the same axles, bogies and orientation"},
            Keys(Qt::Key_Insert), &F::InsertCarAfter),
    Command(Control::InsertCarBefore, {"Вставить вагон перед", "Insert car before"},
            {"Вставить перед текущим вагоном вагон с такими же осями, тележками и "
             "направлением",
             "Insert before the current car a car with the same axles, bogies and orientation"},
            Keys(Qt::ALT | Qt::Key_Insert), &F::InsertCarBefore),
    Command(Control::RemoveCurrentCar, {"Удалить вагон", "Remove car"},
            {"Удалить текущий вагон с его текстами; вагоны за ним сдвигаются",
             "Remove the current car with its texts; the cars behind it move up"},
            Keys(Qt::ALT | Qt::Key_Delete), &F::RemoveCurrentCar),
    Display(Control::CarCountDisplay, "editNumCar"),
    Display(Control::AxleCountDisplay, "editNumAxle"),
    Display(Control::BogieCountDisplay, "editNumBogie"),
    Display(Control::SchemeTypeDisplay, "editTypeScheme"),
    Display(Control::LayoutCarDisplay, "editSetCar"),
    Display(Control::WalkPositionDisplay, "editSetCurAxle"),
    Display(Control::WalkCarDisplay, "editSetCurCar"),
};

static_assert(OneRowPerControlInOrder(kControls));

}  // namespace

std::span<const WindowControl> WindowControls() {
    return kControls;
}

const WindowControl& WindowControlOf(Control control) {
    return kControls.at(static_cast<std::size_t>(control));
}

QList<QKeySequence> KeySequences(const KeyList& keys) {
    QList<QKeySequence> sequences;
    for (const QKeyCombination key : keys) {
        if (key.key() != Qt::Key_unknown) {
            sequences << QKeySequence(key);
        }
    }
    return sequences;
}

}  // namespace quorvane
