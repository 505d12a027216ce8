#include "window/number_fields.h"

#include <QStringList>
#include <optional>
#include <vector>

#include "document/scheme_document.h"
#include "fileio/language_text.h"
#include "model/layout.h"
#include "window/command_actions.h"
#include "window/number_field.h"
#include "window/parameter_panel.h"
#include "window/window_texts.h"

namespace quorvane {

namespace {

std::size_t Index(Control control) {
    return static_cast<std::size_t>(control);
}

// Each field sits between the steppers of what it shows; its name is its
// label's, as messages give it.
struct FieldSteppers {
    Control field;
    Control down;
    Control up;
    TextPair name;
};

constexpr std::array kSteppers{
    FieldSteppers{Control::CarCountDisplay,
                  Control::RemoveCar,
                  Control::AddCar,
                  {"Число вагонов", "The number of cars"}},
    FieldSteppers{Control::AxleCountDisplay,
                  Control::RemoveAxle,
                  Control::AddAxle,
                  {"Осей в вагоне", "Axles in the car"}},
    FieldSteppers{Control::BogieCountDisplay,
                  Control::RemoveBogie,
                  Control::AddBogie,
                  {"Тележек в вагоне", "Bogies in the car"}},
    FieldSteppers{Control::SchemeTypeDisplay,
                  Control::PreviousSchemeType,
                  Control::NextSchemeType,
                  {"Тип схемы", "Type of the scheme"}},
    FieldSteppers{Control::LayoutCarDisplay,
                  Control::PreviousCarInLayout,
                  Control::NextCarInLayout,
                  {"Текущий вагон", "Current car"}},
    FieldSteppers{Control::WalkPositionDisplay,
                  Control::PreviousWheelSet,
                  Control::NextWheelSet,
                  {"Позиция", "Position"}},
    FieldSteppers{Control::WalkCarDisplay,
                  Control::PreviousCarInWalk,
                  Control::NextCarInWalk,
                  {"Вагон", "Car"}},
};

const TextPair& NameOf(Control field) {
    for (const FieldSteppers& row : kSteppers) {
        if (row.field == field) {
            return row.name;
        }
    }
    return kSteppers.front().name;
}

std::optional<LayoutCount> CountOfField(Control field) {
    switch (field) {
        case Control::CarCountDisplay:
            return LayoutCount::Cars;
        case Control::AxleCountDisplay:
            return LayoutCount::Axles;
        case Control::BogieCountDisplay:
            return LayoutCount::Bogies;
        case Control::SchemeTypeDisplay:
            return LayoutCount::SchemeType;
        default:
            return std::nullopt;
    }
}

// "3, 4, 7", numbered from 1.
QString Numbers(const std::vector<int>& indices) {
    QStringList numbers;
    for (const int index : indices) {
        numbers << QString::number(index + 1);
    }
    return numbers.join(QStringLiteral(", "));
}

}  // namespace

NumberFields::NumberFields(SchemeDocument& document, const ParameterPanel& panel,
                           const std::array<NumberField*, kControlCount>& fields, QObject* parent)
    : QObject(parent), document_(document), panel_(panel), fields_(fields) {
    for (const FieldSteppers& row : kSteppers) {
        NumberField* field = Field(row.field);
        connect(field, &NumberField::enterPressed, this, &NumberFields::enterPressed);
        connect(field, &NumberField::leftPending, this, [this, field] { emit leftPending(field); });
        connect(field, &NumberField::stepRequested, this, [this, control = row.field](bool up) {
            emit stepRequested(StepperOf(control, up));
        });
    }
}

void NumberFields::ApplyLanguage(Language language) {
    language_ = language;
    ShowTips();
}

void NumberFields::ShowTips() {
    for (const FieldSteppers& row : kSteppers) {
        NumberField* field = Field(row.field);
        field->setToolTip(field->isEnabled() && !field->isReadOnly()
                              ? InLanguage(kNumberFieldTip, language_)
                              : QString());
    }
}

Control NumberFields::StepperOf(Control field, bool up) {
    for (const FieldSteppers& row : kSteppers) {
        if (row.field == field) {
            return up ? row.up : row.down;
        }
    }
    return field;
}

NumberField* NumberFields::Field(Control control) const {
    return fields_[Index(control)];
}

void NumberFields::Show(const Scheme& s) {
    const CarRecord& car = CurrentCar(s);
    Field(Control::CarCountDisplay)->ShowValue(s.state.carCount);
    Field(Control::AxleCountDisplay)->ShowValue(car.axleCount);
    Field(Control::BogieCountDisplay)->ShowValue(car.bogieCount);
    Field(Control::SchemeTypeDisplay)->ShowValue(s.state.schemeType);
    Field(Control::LayoutCarDisplay)->ShowValue(s.state.currentCar + 1);
    Field(Control::WalkPositionDisplay)->ShowValue(s.state.walkCursor + 1);
    Field(Control::WalkCarDisplay)->ShowValue(s.state.currentCar + 1);
}

NumberField* NumberFields::Pending() const {
    for (const FieldSteppers& row : kSteppers) {
        NumberField* field = Field(row.field);
        if (field->isEnabled() && !field->isReadOnly() && field->IsPending()) {
            return field;
        }
    }
    return nullptr;
}

void NumberFields::Apply(NumberField& field) {
    Control control = Control::CarCountDisplay;
    for (const FieldSteppers& row : kSteppers) {
        if (Field(row.field) == &field) {
            control = row.field;
        }
    }
    const QString typed = field.text();
    const std::optional<int> number = ParseTypedNumber(typed);
    if (!number) {
        const QString kept = field.Shown();
        field.DropTyping();
        emit message(InLanguage(kNotANumber, language_)
                         .arg(InLanguage(NameOf(control), language_), typed.trimmed(), kept));
        return;
    }
    ApplyNumber(control, *number, typed.trimmed());
}

void NumberFields::ApplyNumber(Control field, int typed, const QString& written) {
    const Scheme& s = document_.scheme();
    const std::optional<LayoutCount> count = CountOfField(field);
    CountRange range{1, 1};
    if (count) {
        range = RangeOf(s, *count);
    } else if (field == Control::WalkPositionDisplay) {
        range = {1, s.state.totalAxles};
    } else {
        range = {1, s.state.carCount};
    }
    const int value = range.Clamp(typed);
    QStringList notes;
    if (value != typed) {
        notes << InLanguage(kNumberClamped, language_)
                     .arg(InLanguage(NameOf(field), language_))
                     .arg(range.min)
                     .arg(range.max)
                     .arg(written)
                     .arg(value);
    }
    const QString undoKeys = CommandActions::KeysText(Control::Undo);
    if (count == LayoutCount::Cars && value < s.state.carCount) {
        if (const std::vector<int> cars = CarsWithTextsFrom(s, value); !cars.empty()) {
            notes << InLanguage(kCarsDropped, language_).arg(Numbers(cars), undoKeys);
        }
    } else if (count == LayoutCount::Axles && value < CurrentCar(s).axleCount) {
        if (const std::vector<int> axles = AxlesWithTextsFrom(s, value); !axles.empty()) {
            notes << InLanguage(kAxlesDropped, language_)
                         .arg(QString::number(s.state.currentCar + 1), Numbers(axles), undoKeys);
        }
    }

    if (count) {
        document_.SetLayoutCount(*count, value);
    } else if (field == Control::WalkPositionDisplay) {
        document_.GoToWheelSet(panel_.EditsNow(), value - 1);
    } else {
        document_.SelectCar(panel_.EditsNow(), value - 1);
    }
    if (!notes.isEmpty()) {
        emit message(notes.join(QStringLiteral("; ")));
    }
}

}  // namespace quorvane
