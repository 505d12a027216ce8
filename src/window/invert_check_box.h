#pragma once

#include <QCheckBox>

namespace quorvane {

// The Invert box. Read-only, it keeps its look but a click or a key does not
// change it.
class InvertCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

    void SetReadOnly(bool readOnly) {
        readOnly_ = readOnly;
        setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    }

protected:
    bool hitButton(const QPoint& pos) const override {
        return !readOnly_ && QCheckBox::hitButton(pos);
    }
    void nextCheckState() override {
        if (!readOnly_) {
            QCheckBox::nextCheckState();
        }
    }

private:
    bool readOnly_ = false;
};

}  // namespace quorvane
