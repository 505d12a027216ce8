// The seven number fields as the operator types in them: the counts of the
// layout and the current car, the walk position and the walk's car. A typed
// number is applied as the steppers would take it, clamped at their limits;
// what is not a number is refused and the value shown again. Each says on
// the status line what it clamped, refused or dropped.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "model/language.h"
#include "model/mode_table.h"
#include "model/scheme.h"

namespace quorvane {

class NumberField;
class ParameterPanel;
class SchemeDocument;

class NumberFields final : public QObject {
    Q_OBJECT

public:
    // The fields by Control, as the window made them; null for the others.
    NumberFields(SchemeDocument& document, const ParameterPanel& panel,
                 const std::array<NumberField*, kControlCount>& fields, QObject* parent);

    // The messages' language and the fields' tooltips.
    void ApplyLanguage(Language language);
    // How to type, on the fields that take typing now.
    void ShowTips();
    // The values of the scheme, any typing dropped.
    void Show(const Scheme& scheme);

    NumberField* Field(Control control) const;
    // The field whose typing is not applied yet, if any.
    NumberField* Pending() const;
    // Applies the field's typing: the document moves or takes a step, and
    // the status line hears of a clamp, a refusal or what went.
    void Apply(NumberField& field);

    // The stepper of a field's Up (up) or Down.
    static Control StepperOf(Control field, bool up);

signals:
    // Enter in a field.
    void enterPressed();
    // A field lost the focus with typing pending.
    void leftPending(NumberField* field);
    // Up or Down in a field: the command of its stepper.
    void stepRequested(Control command);
    // A note for the status line.
    void message(const QString& text);

private:
    // The number typed, and as written, for a message to show.
    void ApplyNumber(Control field, int typed, const QString& written);

    SchemeDocument& document_;
    const ParameterPanel& panel_;
    std::array<NumberField*, kControlCount> fields_;
    Language language_ = Language::English;
};

}  // namespace quorvane
