// One QAction for each command of the control table: its caption and
// tooltip in the window's language, its keys from anywhere in the window,
// and its enabled state as the mode table gives it. Buttons and the
// drawings' menus are views of these actions; a key, a click and a menu
// entry all trigger the same one.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "model/language.h"
#include "model/mode_table.h"
#include "model/scheme.h"

class QAbstractButton;
class QAction;
class QWidget;

namespace quorvane {

class CommandActions final : public QObject {
    Q_OBJECT

public:
    // The actions of the commands, added to window so that their keys work
    // wherever the focus is in it; each runs run with its control.
    CommandActions(QWidget& window, std::function<void(Control)> run);

    // The action of a command; null for a control that is none (an edit, a
    // display, the Invert box).
    QAction* Of(Control control) const;

    void ApplyLanguage(Language language);
    // Enables each action as the mode table gives it for mode; Set takes the
    // texts of the mode.
    void ApplyMode(Mode mode);
    // The steps Undo and Redo would take, as their tooltips name them; an
    // empty one disables its action. Typing not stored yet is the newest
    // change, so Redo waits while there is any.
    void ShowUndoSteps(const QString& undo, const QString& redo, bool typing);

    // The button triggers the action and shows its enabled state and
    // tooltip, and its caption where it has one.
    void BindButton(QAbstractButton& button, Control control) const;

    // The keys of a command as the desktop names them: "Ctrl+Shift+Z, Ctrl+Y".
    static QString KeysText(Control control);

private:
    void ShowTexts();
    void ShowEnabled();

    std::array<QAction*, kControlCount> actions_{};
    Language language_ = Language::English;
    Mode mode_ = Mode::LayoutMode;
    QString undoStep_;
    QString redoStep_;
    bool typing_ = false;
};

}  // namespace quorvane
