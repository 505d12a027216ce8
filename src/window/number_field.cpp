#include "window/number_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <limits>

#include "window/parameter_edit.h"

namespace quorvane {

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    // Cream and read-only where it only shows its value, white where it
    // takes one.
    setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: white; color: black; border: 1px solid black; }"
        "QLineEdit:read-only, QLineEdit:disabled { background-color: rgb(255, 251, 240); }"));
}

void NumberField::ShowValue(int value) {
    shown_ = QString::number(value);
    setText(shown_);
}

bool NumberField::event(QEvent* event) {
    // As in the parameter edits: the window's commands win over a line
    // edit's own keys (Ctrl+Z, Ctrl+E under X11).
    if (event->type() == QEvent::ShortcutOverride &&
        WindowActionTakes(*this, *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The press that follows would place the cursor; typing replaces the
    // whole number.
    selectOnPress_ = event->reason() == Qt::MouseFocusReason;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    selectOnPress_ = false;
    // Another window or a menu over this one is no leaving of the field.
    const Qt::FocusReason reason = event->reason();
    if (IsPending() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit leftPending();
    }
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit enterPressed();
            return;
        case Qt::Key_Escape:
            DropTyping();
            selectAll();
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (event->modifiers() == Qt::NoModifier) {
                emit stepRequested(event->key() == Qt::Key_Up);
                return;
            }
            break;
        default:
            break;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnPress_) {
        selectOnPress_ = false;
        selectAll();
    }
}

std::optional<int> ParseTypedNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?)(\\d+)\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const bool negative = match.captured(1) == QLatin1String("-");
    bool fits = false;
    const int magnitude = match.captured(2).toInt(&fits);
    if (!fits) {
        return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace quorvane
