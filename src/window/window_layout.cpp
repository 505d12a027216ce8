#include "window/window_layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "window/button_icons.h"
#include "window/control_table.h"
#include "window/invert_check_box.h"
#include "window/label_table.h"
#include "window/number_field.h"
#include "window/parameter_edit.h"

namespace quorvane {

namespace {

constexpr int kSmallButton = 25;
constexpr int kWideButtonWidth = 153;
constexpr int kTextButtonWidth = 74;
constexpr int kEditHeight = 21;
constexpr int kCounterWidth = 33;
constexpr int kParameterEditWidth = 90;

using C = Control;
using P = ButtonPicture;

QString ObjectName(Control control) {
    return QString::fromLatin1(WindowControlOf(control).objectName);
}

// The caption the label table gives the label of that name.
TextPair CaptionOfLabel(std::string_view name) {
    for (const CaptionPair& pair : Labels().pairs) {
        if (std::find(pair.labels.begin(), pair.labels.end(), name) != pair.labels.end()) {
            return pair.text;
        }
    }
    throw std::logic_error("the label table has no caption for '" + std::string(name) + "'");
}

class Builder {
public:
    explicit Builder(WindowWidgets& widgets) : widgets_(widgets) {}

    static QFrame* Panel(QWidget* parent, const char* name, QRect place) {
        auto* panel = new QFrame(parent);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(place);
        return panel;
    }

    void Label(QWidget* parent, const char* name, QPoint at) {
        auto* label = new QLabel(parent);
        label->setObjectName(QString::fromLatin1(name));
        label->move(at);
        widgets_.labels.emplace_back(label, CaptionOfLabel(name));
    }

    void SmallButton(QWidget* parent, Control control, QPoint at, ButtonPicture picture) {
        Button(parent, control, QRect(at, QSize(kSmallButton, kSmallButton)))
            ->setIcon(ButtonIcon(picture));
    }

    void WideButton(QWidget* parent, Control control, QPoint at, ButtonPicture picture) {
        Button(parent, control, QRect(at, QSize(kWideButtonWidth, kSmallButton)))
            ->setIcon(ButtonIcon(picture));
    }

    void TextButton(QWidget* parent, Control control, QPoint at) {
        Button(parent, control, QRect(at, QSize(kTextButtonWidth, kSmallButton)));
    }

    void Display(QWidget* parent, Control control, QPoint at) {
        auto* field = new NumberField(parent);
        field->setObjectName(ObjectName(control));
        field->setGeometry(QRect(at, QSize(kCounterWidth, kEditHeight)));
        widgets_.displays[Index(control)] = field;
    }

    void Edit(QWidget* parent, Control control, QPoint at) {
        auto* edit = new ParameterEdit(parent);
        edit->setObjectName(ObjectName(control));
        edit->setGeometry(QRect(at, QSize(kParameterEditWidth, kEditHeight)));
        // Texts have no length limit; a shorter one would cut loaded texts.
        edit->setMaxLength(std::numeric_limits<int>::max());
        widgets_.edits.at(Index(control) - Index(C::Series)) = edit;
    }

    void Invert(QWidget* parent, QRect place) {
        widgets_.invert = new InvertCheckBox(parent);
        widgets_.invert->setObjectName(ObjectName(C::Invert));
        widgets_.invert->setGeometry(place);
    }

private:
    static std::size_t Index(Control control) { return static_cast<std::size_t>(control); }

    QPushButton* Button(QWidget* parent, Control control, QRect place) {
        auto* button = new QPushButton(parent);
        button->setObjectName(ObjectName(control));
        button->setGeometry(place);
        button->setIconSize(QSize(16, 16));
        widgets_.buttons[Index(control)] = button;
        return button;
    }

    WindowWidgets& widgets_;
};

}  // namespace

WindowWidgets BuildWindowWidgets(QWidget& window) {
    WindowWidgets widgets;
    Builder add(widgets);

    QFrame* panel1 = Builder::Panel(&window, "Panel1", {0, 0, 201, 364});
    add.Label(panel1, "Label4", {8, 24});
    add.SmallButton(panel1, C::PreviousWheelSet, {88, 16}, P::LeftArrow);
    add.Display(panel1, C::WalkPositionDisplay, {120, 18});
    add.SmallButton(panel1, C::NextWheelSet, {160, 16}, P::RightArrow);
    add.Label(panel1, "Label8", {8, 56});
    add.SmallButton(panel1, C::PreviousCarInWalk, {88, 48}, P::LeftArrow);
    add.Display(panel1, C::WalkCarDisplay, {120, 50});
    add.SmallButton(panel1, C::NextCarInWalk, {160, 48}, P::RightArrow);
    add.Label(panel1, "Label7", {56, 88});
    add.Label(panel1, "Label1", {8, 120});
    add.Edit(panel1, C::Series, {96, 112});
    add.Label(panel1, "Label2", {8, 144});
    add.Edit(panel1, C::CarNumber, {96, 136});
    add.Label(panel1, "Label3", {8, 168});
    add.Edit(panel1, C::AxleName, {96, 160});
    add.Label(panel1, "Label5", {8, 192});
    add.Edit(panel1, C::WheelSetName, {96, 184});
    add.Label(panel1, "Label6", {8, 216});
    add.Edit(panel1, C::Run, {96, 208});
    auto* bevel1 = new QFrame(panel1);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel1->setGeometry(8, 248, 185, 2);
    add.WideButton(panel1, C::SaveScheme, {24, 264}, P::SaveDocument);
    add.WideButton(panel1, C::LoadScheme, {24, 296}, P::OpenDocument);
    add.WideButton(panel1, C::Exit, {24, 328}, P::ExitDoor);

    QFrame* panel3 = Builder::Panel(&window, "Panel3", {201, 0, 808, 364});
    QFrame* panel2 = Builder::Panel(panel3, "Panel2", {2, 2, 804, 103});
    add.Label(panel2, "Label13", {8, 16});
    add.SmallButton(panel2, C::RemoveCar, {128, 8}, P::RedMinus);
    add.Display(panel2, C::CarCountDisplay, {160, 10});
    add.SmallButton(panel2, C::AddCar, {200, 8}, P::GreenPlus);
    add.Label(panel2, "Label9", {8, 48});
    add.SmallButton(panel2, C::PreviousCarInLayout, {128, 40}, P::LeftArrow);
    add.Display(panel2, C::LayoutCarDisplay, {160, 42});
    add.SmallButton(panel2, C::NextCarInLayout, {200, 40}, P::RightArrow);
    add.Invert(panel2, {8, 72, 81, 17});
    add.Label(panel2, "Label14", {272, 16});
    add.SmallButton(panel2, C::RemoveAxle, {392, 8}, P::RedMinus);
    add.Display(panel2, C::AxleCountDisplay, {424, 10});
    add.SmallButton(panel2, C::AddAxle, {464, 8}, P::GreenPlus);
    add.Label(panel2, "Label15", {272, 48});
    add.SmallButton(panel2, C::RemoveBogie, {392, 40}, P::RedMinus);
    add.Display(panel2, C::BogieCountDisplay, {424, 42});
    add.SmallButton(panel2, C::AddBogie, {464, 40}, P::GreenPlus);
    add.Label(panel2, "Label12", {272, 80});
    add.SmallButton(panel2, C::PreviousSchemeType, {392, 72}, P::LeftArrow);
    add.Display(panel2, C::SchemeTypeDisplay, {424, 74});
    add.SmallButton(panel2, C::NextSchemeType, {464, 72}, P::RightArrow);
    add.WideButton(panel2, C::NewScheme, {648, 8}, P::BlankDocument);
    add.WideButton(panel2, C::SetScheme, {648, 40}, P::SaveDocument);
    add.TextButton(panel2, C::Undo, {648, 72});
    add.TextButton(panel2, C::Redo, {727, 72});

    widgets.carPanel = Builder::Panel(panel3, "Panel5", {2, 105, 804, 151});
    widgets.stripPanel = Builder::Panel(panel3, "Panel4", {2, 256, 804, 106});

    // The parameter edits come first in the tab order of their panel.
    const auto button = [&widgets](Control control) {
        return widgets.buttons[static_cast<std::size_t>(control)];
    };
    const std::array<QWidget*, 12> leftPanelOrder{
        widgets.edits[0],         widgets.edits[1],
        widgets.edits[2],         widgets.edits[3],
        widgets.edits[4],         button(C::PreviousWheelSet),
        button(C::NextWheelSet),  button(C::PreviousCarInWalk),
        button(C::NextCarInWalk), button(C::SaveScheme),
        button(C::LoadScheme),    button(C::Exit)};
    for (std::size_t i = 1; i < leftPanelOrder.size(); ++i) {
        QWidget::setTabOrder(leftPanelOrder[i - 1], leftPanelOrder[i]);
    }
    return widgets;
}

}  // namespace quorvane
