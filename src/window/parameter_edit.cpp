#include "window/parameter_edit.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QValidator>
#include <algorithm>

#include "fileio/scheme_text.h"
#include "schemefile/field_bytes.h"

namespace quorvane {

namespace {

// "|" would split the field in the file, a line break its car line, and a
// character outside Windows-1251 could not be written at all.
class SchemeTextValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        const std::optional<std::string> bytes = EncodeSchemeText(input);
        return bytes && IsStorableText(*bytes) ? Acceptable : Invalid;
    }
};

QString ColourName(Rgb colour) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.r).arg(colour.g).arg(colour.b);
}

}  // namespace

ParameterEdit::ParameterEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new SchemeTextValidator(this));
    connect(this, &QLineEdit::inputRejected, this, &ParameterEdit::ShowRefusalHint);
}

void ParameterEdit::SetNormalBackground(Rgb colour) {
    const QColor focused = QApplication::palette().color(QPalette::ToolTipBase);
    const QString sheet = QStringLiteral(
                              "QLineEdit { background-color: %1; border: 1px solid black; }"
                              "QLineEdit:focus { background-color: %2; }"
                              // Before Set: the platform's disabled look, not the
                              // light red that asks for typing.
                              "QLineEdit:disabled { background-color: palette(window);"
                              " border-color: gray; }")
                              .arg(ColourName(colour), focused.name());
    // Setting a style sheet restyles the edit even when it is the same one,
    // and every walk step and focus change marks all five edits.
    if (sheet != styleSheet()) {
        setStyleSheet(sheet);
    }
}

QString ShortenedSchemeText(std::string_view bytes) {
    if (bytes.size() <= ParameterEdit::kLongText) {
        return DecodeSchemeText(bytes);
    }
    // One byte is one character in Windows-1251.
    return DecodeSchemeText(bytes.substr(0, ParameterEdit::kShortenedTo)) + QChar(0x2026);
}

void ParameterEdit::ShowSchemeText(std::string_view bytes) {
    shortenedLength_ = bytes.size() > kLongText ? bytes.size() : 0;
    setText(ShortenedSchemeText(bytes));
    if (IsShortened()) {
        setCursorPosition(0);  // its beginning in view
    }
    setReadOnly(IsShortened());
    shown_ = text();
}

void ParameterEdit::FillText(const QString& text) {
    const bool wasShortened = IsShortened();
    shortenedLength_ = 0;
    setReadOnly(false);
    setText(text);
    selectAll();
    if (wasShortened) {
        emit shortenedTextReplaced();
    }
}

std::optional<std::string> ParameterEdit::EditedText() const {
    if (!IsEdited()) {
        return std::nullopt;
    }
    // The validator lets in only what Windows-1251 holds.
    return EncodeSchemeText(text()).value();
}

bool ParameterEdit::ReplacesShortenedText(QKeyEvent* event) const {
    if (!IsShortened()) {
        return false;
    }
    const bool printable = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                           !event->modifiers().testFlag(Qt::ControlModifier);
    return printable || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut);
}

bool ParameterEdit::HoldsCommandKey(const QKeyEvent& event) const {
    return WindowActionTakes(*this, event);
}

bool WindowActionTakes(const QWidget& widget, const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction*> actions = widget.window()->actions();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

bool ParameterEdit::event(QEvent* event) {
    // A line edit takes the override of its own editing keys, some of which
    // are command keys on some desktops (Ctrl+E: end of line under X11);
    // the window's commands win over them.
    if (event->type() == QEvent::ShortcutOverride &&
        HoldsCommandKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void ParameterEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft();
}

void ParameterEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit stepRequested(event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_D)) {
        emit fillDownRequested();
        return;
    }
    if (ReplacesShortenedText(event)) {
        shortenedLength_ = 0;
        setReadOnly(false);
        clear();
        emit shortenedTextReplaced();
        if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void ParameterEdit::ShowRefusalHint() {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusalHint_, this);
}

}  // namespace quorvane
