#include "window/command_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>
#include <cstddef>
#include <utility>

#include "fileio/language_text.h"
#include "window/control_table.h"
#include "window/window_texts.h"

namespace quorvane {

namespace {

std::size_t Index(Control control) {
    return static_cast<std::size_t>(control);
}

// The tooltip of a row from its text: its keys where "%1" stands, or after
// it in brackets.
QString WithKeys(const QString& tip, const WindowControl& row) {
    const QString keys = CommandActions::KeysText(row.control);
    if (tip.contains(QLatin1String("%1"))) {
        return row.tipKeysOf == row.control
                   ? tip.arg(keys)
                   : tip.arg(keys, CommandActions::KeysText(row.tipKeysOf));
    }
    return keys.isEmpty() ? tip : tip + QStringLiteral(" (") + keys + QLatin1Char(')');
}

}  // namespace

CommandActions::CommandActions(QWidget& window, std::function<void(Control)> run)
    : QObject(&window) {
    for (const WindowControl& row : WindowControls()) {
        if (row.call == nullptr || row.kind == ControlKind::CheckBox) {
            continue;
        }
        auto* action = new QAction(this);
        action->setShortcuts(KeySequences(row.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        connect(action, &QAction::triggered, this, [run, control = row.control] { run(control); });
        actions_[Index(row.control)] = action;
    }
    ShowTexts();
    ShowEnabled();
}

QAction* CommandActions::Of(Control control) const {
    return actions_[Index(control)];
}

QString CommandActions::KeysText(Control control) {
    const WindowControl& row = WindowControlOf(control);
    QStringList names;
    for (const QKeySequence& keys : KeySequences(row.keys) + KeySequences(row.fieldKeys)) {
        names << keys.toString(QKeySequence::NativeText);
    }
    return names.join(QStringLiteral(", "));
}

void CommandActions::ApplyLanguage(Language language) {
    language_ = language;
    ShowTexts();
}

void CommandActions::ApplyMode(Mode mode) {
    mode_ = mode;
    ShowTexts();
    ShowEnabled();
}

void CommandActions::ShowUndoSteps(const QString& undo, const QString& redo, bool typing) {
    // Typing calls this at every key.
    if (undo == undoStep_ && redo == redoStep_ && typing == typing_) {
        return;
    }
    undoStep_ = undo;
    redoStep_ = redo;
    typing_ = typing;
    ShowTexts();
    ShowEnabled();
}

void CommandActions::ShowTexts() {
    for (const WindowControl& row : WindowControls()) {
        QAction* action = Of(row.control);
        if (action == nullptr) {
            continue;
        }
        const bool walking = mode_ == Mode::ParameterMode && !row.walkCaption.empty();
        const QString caption = InLanguage(walking ? row.walkCaption : row.caption, language_);
        QString tip = InLanguage(walking ? row.walkTip : row.tip, language_);
        if (row.control == Control::Undo || row.control == Control::Redo) {
            const QString& step = row.control == Control::Undo ? undoStep_ : redoStep_;
            const bool undo = row.control == Control::Undo;
            tip = step.isEmpty()
                      ? InLanguage(undo ? kNothingToUndoTip : kNothingToRedoTip, language_)
                      : InLanguage(undo ? kUndoTip : kRedoTip, language_).arg(step);
        }
        action->setText(caption.isEmpty() ? tip : caption);
        action->setToolTip(WithKeys(tip.isEmpty() ? caption : tip, row));
    }
}

void CommandActions::ShowEnabled() {
    for (const WindowControl& row : WindowControls()) {
        QAction* action = Of(row.control);
        if (action == nullptr) {
            continue;
        }
        bool enabled = ControlStateIn(mode_, row.control).enabled;
        if (row.control == Control::Undo) {
            enabled = enabled && !undoStep_.isEmpty();
        } else if (row.control == Control::Redo) {
            enabled = enabled && !redoStep_.isEmpty() && !typing_;
        }
        action->setEnabled(enabled);
    }
}

void CommandActions::BindButton(QAbstractButton& button, Control control) const {
    QAction* action = Of(control);
    const bool captioned = !WindowControlOf(control).caption.empty();
    connect(&button, &QAbstractButton::clicked, action, &QAction::trigger);
    auto follow = [&button, action, captioned] {
        button.setEnabled(action->isEnabled());
        button.setToolTip(action->toolTip());
        if (captioned) {
            button.setText(action->text());
        }
    };
    connect(action, &QAction::changed, &button, follow);
    follow();
}

}  // namespace quorvane
