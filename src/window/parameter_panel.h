// The five parameter edits as the operator types in them: the texts of the
// walk position shown as untouched, typing not stored yet told apart from
// them, Enter through a wheel set's empty fields, Ctrl+D fill-down, the
// colour of an empty field and the tooltips of a shortened text or of two
// differing wheel-set names.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "model/language.h"
#include "model/parameter_entry.h"

namespace quorvane {

class ParameterEdit;
class SchemeDocument;

class ParameterPanel final : public QObject {
    Q_OBJECT

public:
    // The edits in tab order, series first, made by the window.
    ParameterPanel(const SchemeDocument& document, const std::array<ParameterEdit*, 5>& edits,
                   QObject* parent);

    const std::array<ParameterEdit*, 5>& Edits() const { return edits_; }

    // The edits as the operator leaves them: those changed, with their texts.
    EditedTexts EditsNow() const;
    // Whether an edit holds typing that differs from the scheme.
    bool HasTyping() const;

    // Shows the texts of the walk position, untouched; empty in LayoutMode.
    void ShowWalkPosition();
    void ApplyLanguage(Language language);

    // Where typing goes on at a new walk position: the first empty edit,
    // else the first one.
    void FocusForTyping();

signals:
    // Typing changed what the edits hold against the scheme.
    void typingChanged();
    // Enter past the wheel set's last empty field, or Shift+Enter.
    void stepRequested(bool backwards);
    // A note for the status line.
    void message(const QString& text);

private:
    // The first empty edit after the one given; false when there is none.
    bool FocusNextEmpty(const ParameterEdit* after);
    void FillDown(ParameterEdit* edit);
    void MarkEmptyFields();
    void ShowTips();

    const SchemeDocument& document_;
    std::array<ParameterEdit*, 5> edits_;
    Language language_ = Language::English;
};

}  // namespace quorvane
