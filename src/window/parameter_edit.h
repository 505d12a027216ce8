// A parameter edit: one of the five texts typed at a walk position. It takes
// only what a scheme file can store, shows its emptiness colour while it has
// no focus and the tooltip colour while it has, and reports losing the focus.
#pragma once

#include <QLineEdit>

#include "model/rgb.h"

namespace quorvane {

class ParameterEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit ParameterEdit(QWidget* parent);

    // The background while the edit has no focus.
    void SetNormalBackground(Rgb colour);
    // Shown when a typed or pasted character is refused.
    void SetRefusalHint(const QString& hint) { refusalHint_ = hint; }

signals:
    void focusLeft();
    // Enter asks for the next wheel set, Shift+Enter for the previous one.
    void stepRequested(bool backwards);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowRefusalHint();

    QString refusalHint_;
};

}  // namespace quorvane
