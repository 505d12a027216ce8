#include "window/parameter_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QValidator>

#include "schemefile/field_bytes.h"
#include "tool/scheme_text.h"

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
                              "QLineEdit:disabled { border-color: gray; }")
                              .arg(ColourName(colour), focused.name());
    // Setting a style sheet restyles the edit even when it is the same one,
    // and every walk step and focus change marks all five edits.
    if (sheet != styleSheet()) {
        setStyleSheet(sheet);
    }
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
    QLineEdit::keyPressEvent(event);
}

void ParameterEdit::ShowRefusalHint() {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusalHint_, this);
}

}  // namespace quorvane
