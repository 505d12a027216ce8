// A number field: a count or a position shown beside its steppers, which
// takes a typed number in the mode where it is enabled. It tells typing not
// applied yet from the value shown, and leaves applying it to the window:
// Enter or leaving the field asks for it, Escape drops it, Up and Down ask
// for the steppers.
#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>

namespace quorvane {

class NumberField final : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberField(QWidget* parent);

    void ShowValue(int value);
    // Whether it holds typing that differs from the value shown.
    bool IsPending() const { return text() != shown_; }
    // The value shown, as text, for a refusal to name.
    const QString& Shown() const { return shown_; }
    void DropTyping() { setText(shown_); }

signals:
    void enterPressed();
    // It lost the focus to another place of the window with typing pending.
    void leftPending();
    void stepRequested(bool up);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString shown_;
    bool selectOnPress_ = false;
};

// A typed number: digits with an optional sign and spaces around; a number
// too long for an int stands as the int at its end, which any range clamps.
std::optional<int> ParseTypedNumber(const QString& text);

}  // namespace quorvane
