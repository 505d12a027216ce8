#include "window/form_main.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "fileio/save_file.h"
#include "fileio/scheme_text.h"
#include "model/progress.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "window/button_icons.h"
#include "window/control_table.h"
#include "window/invert_check_box.h"
#include "window/label_table.h"
#include "window/parameter_edit.h"
#include "window/surface_view.h"
#include "window/undo_keys.h"
#include "window/window_place.h"
#include "window/window_texts.h"

namespace quorvane {

namespace {

constexpr int kClientWidth = 1009;
constexpr int kPanelsHeight = 364;
constexpr int kStatusHeight = 22;
constexpr int kClientHeight = kPanelsHeight + kStatusHeight;
constexpr QPoint kWindowPlace(604, 225);
constexpr int kSmallButton = 25;
constexpr int kWideButtonWidth = 153;
constexpr int kTextButtonWidth = 74;
constexpr int kEditHeight = 21;
constexpr int kCounterWidth = 33;
constexpr int kParameterEditWidth = 90;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFrame* AddPanel(QWidget* parent, const char* name, QRect place) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(place);
    return panel;
}

QLabel* AddLabel(QWidget* parent, const char* name, QPoint at) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

QString ObjectName(Control control) {
    return Utf8(WindowControlOf(control).objectName);
}

void AddButton(QWidget* parent, Control control, QRect place, ButtonPicture picture) {
    auto* button = new QPushButton(parent);
    button->setObjectName(ObjectName(control));
    button->setGeometry(place);
    button->setIcon(ButtonIcon(picture));
    button->setIconSize(QSize(16, 16));
}

void AddSmallButton(QWidget* parent, Control control, QPoint at, ButtonPicture picture) {
    AddButton(parent, control, QRect(at, QSize(kSmallButton, kSmallButton)), picture);
}

void AddWideButton(QWidget* parent, Control control, QPoint at, ButtonPicture picture) {
    AddButton(parent, control, QRect(at, QSize(kWideButtonWidth, kSmallButton)), picture);
}

void AddTextButton(QWidget* parent, Control control, QPoint at) {
    auto* button = new QPushButton(parent);
    button->setObjectName(ObjectName(control));
    button->setGeometry(QRect(at, QSize(kTextButtonWidth, kSmallButton)));
}

// Read-only and always disabled, centred, cream in both styles.
void AddDisplay(QWidget* parent, Control control, QPoint at) {
    auto* counter = new QLineEdit(parent);
    counter->setObjectName(ObjectName(control));
    counter->setGeometry(QRect(at, QSize(kCounterWidth, kEditHeight)));
    counter->setAlignment(Qt::AlignCenter);
    counter->setFocusPolicy(Qt::NoFocus);
    counter->setStyleSheet(QStringLiteral(
        "QLineEdit, QLineEdit:disabled { background-color: rgb(255, 251, 240); color: black;"
        " border: 1px solid black; }"));
}

void AddParameterEdit(QWidget* parent, Control control, QPoint at) {
    auto* edit = new ParameterEdit(parent);
    edit->setObjectName(ObjectName(control));
    edit->setGeometry(QRect(at, QSize(kParameterEditWidth, kEditHeight)));
    // Texts have no length limit; a shorter one would cut loaded texts.
    edit->setMaxLength(std::numeric_limits<int>::max());
}

}  // namespace

TFormMain::TFormMain(std::unique_ptr<SchemeDialogs> dialogs, Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)),
      document_(language),
      language_(language),
      lastFolder_(QDir::currentPath()),
      carSurface_(kCarViewWidth, kCarViewHeight),
      stripSurface_(kStripFitWidth, kStripFitHeight) {
    setObjectName(QStringLiteral("FormMain"));
    // "MS Sans Serif" where the platform has it, else its sans-serif, 8 point.
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);
    move(kWindowPlace);
    // The frame is not known before the window is shown; its client area
    // stands in for it until then.
    const QScreen* opensOn = QGuiApplication::screenAt(kWindowPlace);
    PlaceWindow(QRect(kWindowPlace, size()),
                opensOn != nullptr ? opensOn : QGuiApplication::primaryScreen());
    setAcceptDrops(true);
    BuildControls();
    FindControls();
    ApplyModeStates();
    WireEvents();
    WireKeys();
    connect(&document_, &SchemeDocument::modeChanged, this, &TFormMain::ApplyModeStates);
    connect(&document_, &SchemeDocument::changed, this, &TFormMain::ShowDocument);
    FormCreate();
}

TFormMain::~TFormMain() {
    // Destroying the children moves the focus out of an edit; by then this
    // window is no more than a QWidget, so its handlers must not run.
    for (ParameterEdit* edit : Edits()) {
        edit->disconnect(this);
    }
}

void TFormMain::BuildControls() {
    using C = Control;
    using P = ButtonPicture;
    QFrame* panel1 = AddPanel(this, "Panel1", {0, 0, 201, 364});
    AddLabel(panel1, "Label4", {8, 24});
    AddSmallButton(panel1, C::PreviousWheelSet, {88, 16}, P::LeftArrow);
    AddDisplay(panel1, C::WalkPositionDisplay, {120, 18});
    AddSmallButton(panel1, C::NextWheelSet, {160, 16}, P::RightArrow);
    AddLabel(panel1, "Label8", {8, 56});
    AddSmallButton(panel1, C::PreviousCarInWalk, {88, 48}, P::LeftArrow);
    AddDisplay(panel1, C::WalkCarDisplay, {120, 50});
    AddSmallButton(panel1, C::NextCarInWalk, {160, 48}, P::RightArrow);
    AddLabel(panel1, "Label7", {56, 88});
    AddLabel(panel1, "Label1", {8, 120});
    AddParameterEdit(panel1, C::Series, {96, 112});
    AddLabel(panel1, "Label2", {8, 144});
    AddParameterEdit(panel1, C::CarNumber, {96, 136});
    AddLabel(panel1, "Label3", {8, 168});
    AddParameterEdit(panel1, C::AxleName, {96, 160});
    AddLabel(panel1, "Label5", {8, 192});
    AddParameterEdit(panel1, C::WheelSetName, {96, 184});
    AddLabel(panel1, "Label6", {8, 216});
    AddParameterEdit(panel1, C::Run, {96, 208});
    auto* bevel1 = new QFrame(panel1);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel1->setGeometry(8, 248, 185, 2);
    AddWideButton(panel1, C::SaveScheme, {24, 264}, P::SaveDocument);
    AddWideButton(panel1, C::LoadScheme, {24, 296}, P::OpenDocument);
    AddWideButton(panel1, C::Exit, {24, 328}, P::ExitDoor);

    QFrame* panel3 = AddPanel(this, "Panel3", {201, 0, 808, 364});
    QFrame* panel2 = AddPanel(panel3, "Panel2", {2, 2, 804, 103});
    AddLabel(panel2, "Label13", {8, 16});
    AddSmallButton(panel2, C::RemoveCar, {128, 8}, P::RedMinus);
    AddDisplay(panel2, C::CarCountDisplay, {160, 10});
    AddSmallButton(panel2, C::AddCar, {200, 8}, P::GreenPlus);
    AddLabel(panel2, "Label9", {8, 48});
    AddSmallButton(panel2, C::PreviousCarInLayout, {128, 40}, P::LeftArrow);
    AddDisplay(panel2, C::LayoutCarDisplay, {160, 42});
    AddSmallButton(panel2, C::NextCarInLayout, {200, 40}, P::RightArrow);
    auto* invert = new InvertCheckBox(panel2);
    invert->setObjectName(ObjectName(C::Invert));
    invert->setGeometry(8, 72, 81, 17);
    AddLabel(panel2, "Label14", {272, 16});
    AddSmallButton(panel2, C::RemoveAxle, {392, 8}, P::RedMinus);
    AddDisplay(panel2, C::AxleCountDisplay, {424, 10});
    AddSmallButton(panel2, C::AddAxle, {464, 8}, P::GreenPlus);
    AddLabel(panel2, "Label15", {272, 48});
    AddSmallButton(panel2, C::RemoveBogie, {392, 40}, P::RedMinus);
    AddDisplay(panel2, C::BogieCountDisplay, {424, 42});
    AddSmallButton(panel2, C::AddBogie, {464, 40}, P::GreenPlus);
    AddLabel(panel2, "Label12", {272, 80});
    AddSmallButton(panel2, C::PreviousSchemeType, {392, 72}, P::LeftArrow);
    AddDisplay(panel2, C::SchemeTypeDisplay, {424, 74});
    AddSmallButton(panel2, C::NextSchemeType, {464, 72}, P::RightArrow);
    AddWideButton(panel2, C::NewScheme, {648, 8}, P::BlankDocument);
    AddWideButton(panel2, C::SetScheme, {648, 40}, P::SaveDocument);
    AddTextButton(panel2, C::Undo, {648, 72});
    AddTextButton(panel2, C::Redo, {727, 72});

    QFrame* panel5 = AddPanel(panel3, "Panel5", {2, 105, 804, 151});
    image1_ = new SurfaceView(carSurface_, panel5);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->move(2, 2);

    QFrame* panel4 = AddPanel(panel3, "Panel4", {2, 256, 804, 106});
    scrollBox1_ = new QScrollArea(panel4);
    scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox1_->setGeometry(2, 2, 800, 102);
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    scrollBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, kPanelsHeight, kClientWidth, kStatusHeight);
    statusLine_ = new QLabel(statusBar_);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusBar_->addWidget(statusLine_, 1);

    image2_ = new SurfaceView(stripSurface_, nullptr);
    image2_->setObjectName(QStringLiteral("Image2"));
    scrollBox1_->setWidget(image2_);
}

void TFormMain::FindControls() {
    controls_ = FindControlWidgets(*this);
    for (const CaptionPair& pair : Labels().pairs) {
        for (std::string_view name : pair.labels) {
            auto* label = findChild<QLabel*>(Utf8(name));
            if (label == nullptr) {
                throw std::logic_error("the window has no label '" + std::string(name) + "'");
            }
            captionedLabels_.emplace_back(label, pair.text);
        }
    }

    // The parameter edits come first in the tab order of their panel.
    using C = Control;
    const std::array<QWidget*, 12> leftPanelOrder{Edit(C::Series),
                                                  Edit(C::CarNumber),
                                                  Edit(C::AxleName),
                                                  Edit(C::WheelSetName),
                                                  Edit(C::Run),
                                                  Button(C::PreviousWheelSet),
                                                  Button(C::NextWheelSet),
                                                  Button(C::PreviousCarInWalk),
                                                  Button(C::NextCarInWalk),
                                                  Button(C::SaveScheme),
                                                  Button(C::LoadScheme),
                                                  Button(C::Exit)};
    for (std::size_t i = 1; i < leftPanelOrder.size(); ++i) {
        setTabOrder(leftPanelOrder[i - 1], leftPanelOrder[i]);
    }
}

QPushButton* TFormMain::Button(Control control) const {
    Q_ASSERT(WindowControlOf(control).kind == ControlKind::Button);
    return ControlWidget<QPushButton>(control);
}

ParameterEdit* TFormMain::Edit(Control control) const {
    Q_ASSERT(WindowControlOf(control).kind == ControlKind::ParameterEdit);
    return ControlWidget<ParameterEdit>(control);
}

QLineEdit* TFormMain::Display(Control control) const {
    Q_ASSERT(WindowControlOf(control).kind == ControlKind::Display);
    return ControlWidget<QLineEdit>(control);
}

InvertCheckBox* TFormMain::InvertBox() const {
    return ControlWidget<InvertCheckBox>(Control::Invert);
}

std::array<ParameterEdit*, 5> TFormMain::Edits() const {
    std::array<ParameterEdit*, 5> edits{};
    std::size_t found = 0;
    for (const WindowControl& row : WindowControls()) {
        if (row.kind == ControlKind::ParameterEdit) {
            edits.at(found++) = ControlWidget<ParameterEdit>(row.control);
        }
    }
    return edits;
}

void TFormMain::WireEvents() {
    for (const WindowControl& row : WindowControls()) {
        void (TFormMain::*click)() = row.click;
        if (click == nullptr) {
            continue;
        }
        connect(ControlWidget<QAbstractButton>(row.control), &QAbstractButton::clicked, this,
                [this, click] { Guarded([&] { (this->*click)(); }); });
    }
    AddSheetActions(image1_);
    AddSheetActions(image2_);
    // The right button opens the drawings' menu; on the strip any button
    // picks the car, as it always did.
    connect(image1_, &SurfaceView::pressed, this, [this](QPoint at, Qt::MouseButton button) {
        if (button == Qt::LeftButton) {
            Guarded([&] { Image1MouseDown(at); });
        }
    });
    connect(image2_, &SurfaceView::pressed, this,
            [this](QPoint at, Qt::MouseButton) { Guarded([&] { Image2MouseDown(at); }); });
    connect(image2_, &SurfaceView::moved, this,
            [this](QPoint at) { Guarded([&] { Image2MouseMove(at); }); });
    for (ParameterEdit* edit : Edits()) {
        connect(edit, &ParameterEdit::focusLeft, this,
                [this] { Guarded([this] { editSeriesExit(); }); });
        connect(edit, &ParameterEdit::shortenedTextReplaced, this, [this] {
            Guarded([this] {
                UpdateEditTips();
                ShowUnsavedState();
            });
        });
        connect(edit, &QLineEdit::textEdited, this, &TFormMain::ShowUnsavedState);
        connect(edit, &ParameterEdit::fillDownRequested, this,
                [this, edit] { Guarded([&] { FillDown(edit); }); });
    }
}

void TFormMain::WireKeys() {
    // Each runs its button's action, and only while the button is enabled.
    const std::array<std::pair<Control, const char*>, 5> commands{
        {{Control::NewScheme, "Ctrl+N"},
         {Control::LoadScheme, "Ctrl+O"},
         {Control::SaveScheme, "Ctrl+Shift+S"},
         {Control::SetScheme, "Ctrl+L"},
         {Control::Exit, "Ctrl+Q"}}};
    for (const auto& [control, keys] : commands) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        // click() does nothing on a disabled button.
        connect(shortcut, &QShortcut::activated, Button(control), &QAbstractButton::click);
    }
    // Save in place: no dialog once the scheme has a file.
    auto* saveInPlace = new QShortcut(QKeySequence(QStringLiteral("Ctrl+S")), this);
    connect(saveInPlace, &QShortcut::activated, this, [this] {
        if (Button(Control::SaveScheme)->isEnabled()) {
            Guarded([this] { SaveInPlace(); });
        }
    });

    // Steps from the keyboard run the button's handler, only while the button
    // is enabled, and leave the focus on the first empty edit.
    auto keyStep = [this](Control control) {
        if (Button(control)->isEnabled()) {
            Guarded([&] { (this->*WindowControlOf(control).click)(); });
            FocusFirstEmptyEdit();
        }
    };
    // Enter goes on to the next empty field of the wheel set; from the last
    // field, or when none after it is empty, to the next wheel set.
    for (ParameterEdit* edit : Edits()) {
        connect(edit, &ParameterEdit::stepRequested, this, [this, edit, keyStep](bool backwards) {
            if (backwards) {
                keyStep(Control::PreviousWheelSet);
                return;
            }
            if (FocusNextEmptyEdit(edit)) {
                return;
            }
            const bool last = scheme().state.walkCursor + 1 >= scheme().state.totalAxles;
            keyStep(Control::NextWheelSet);
            if (last && scheme().mode == Mode::ParameterMode) {
                const int incomplete = ProgressOf(scheme()).Incomplete();
                ShowMessage(incomplete == 0
                                ? Utf8(kLastWheelSetComplete.In(language_))
                                : Utf8(kLastWheelSetIncomplete.In(language_)).arg(incomplete));
            }
        });
    }
    auto* nextCar = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(nextCar, &QShortcut::activated, this, [keyStep] { keyStep(Control::NextCarInWalk); });
    auto* previousCar = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previousCar, &QShortcut::activated, this,
            [keyStep] { keyStep(Control::PreviousCarInWalk); });

    auto* exportSheet = new QShortcut(QKeySequence(QStringLiteral("Ctrl+E")), this);
    connect(exportSheet, &QShortcut::activated, this,
            [this] { Guarded([this] { ExportSheet(); }); });
    auto* printSheet = new QShortcut(QKeySequence(QStringLiteral("Ctrl+P")), this);
    connect(printSheet, &QShortcut::activated, this, [this] { Guarded([this] { PrintSheet(); }); });

    // From anywhere in the window: the edits leave these keys to it.
    auto* undo = new QShortcut(UndoKey(), this);
    connect(undo, &QShortcut::activated, this, [this] { Guarded([this] { btnUndoClick(); }); });
    for (const QKeySequence& keys : RedoKeys()) {
        auto* redo = new QShortcut(keys, this);
        connect(redo, &QShortcut::activated, this, [this] { Guarded([this] { btnRedoClick(); }); });
    }
}

void TFormMain::FillDown(ParameterEdit* edit) {
    const std::optional<ParameterTexts> previous = PreviousWheelSetTexts(scheme());
    if (!previous) {
        ShowMessage(Utf8(kNothingToFillDown.In(language_)));
        return;
    }
    const std::array<const std::string*, 5> texts{&previous->series, &previous->carNumber,
                                                  &previous->axleName, &previous->wheelSetName,
                                                  &previous->run};
    const std::array<ParameterEdit*, 5> edits = Edits();
    const auto field = std::find(edits.begin(), edits.end(), edit) - edits.begin();
    const std::string& text = *texts.at(static_cast<std::size_t>(field));
    // An edit shows a longer text shortened, and a shortened text cannot be typed.
    if (text.size() > ParameterEdit::kLongText) {
        ShowMessage(Utf8(kFillDownTooLong.In(language_)));
        return;
    }
    edit->FillText(DecodeSchemeText(text));
    ShowUnsavedState();
}

bool TFormMain::FocusNextEmptyEdit(const ParameterEdit* after) {
    const std::array<ParameterEdit*, 5> edits = Edits();
    const auto from = std::find(edits.begin(), edits.end(), after);
    for (auto it = from == edits.end() ? from : from + 1; it != edits.end(); ++it) {
        if ((*it)->isEnabled() && (*it)->text().isEmpty()) {
            (*it)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void TFormMain::FocusFirstEmptyEdit() {
    for (ParameterEdit* edit : Edits()) {
        if (edit->isEnabled() && edit->text().isEmpty()) {
            edit->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void TFormMain::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        stripHovered_ = kStripUnknown;
        dialogs_->Warn(this, windowTitle(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        stripHovered_ = kStripUnknown;
        dialogs_->Warn(this, windowTitle(), QString());
    }
}

void TFormMain::ApplyCaptions(Language language) {
    language_ = language;
    document_.SetLanguage(language);
    for (const WindowControl& row : WindowControls()) {
        if (!row.tip.empty()) {
            ControlWidget<QWidget>(row.control)->setToolTip(Utf8(row.tip.In(language)));
        }
        if (!row.caption.empty()) {
            ControlWidget<QAbstractButton>(row.control)->setText(Utf8(row.caption.In(language)));
        }
    }
    for (ParameterEdit* edit : Edits()) {
        edit->SetRefusalHint(Utf8(kRefusalHint.In(language)));
    }
    ShowSetButtonTexts();
    UpdateEditTips();
    ShowUnsavedState();
    ShowStatus();
    for (const auto& [action, caption] : captionedActions_) {
        action->setText(Utf8(caption.In(language)));
    }
    for (const auto& [label, caption] : captionedLabels_) {
        label->setText(Utf8(caption.In(language)));
        label->adjustSize();
    }
}

void TFormMain::UpdateTitle() {
    // "[*]" is where the desktop shows "*" for unsaved work; written twice, a
    // name's own "[*]" is shown as it is.
    QString name = ShortenedSchemeText(scheme().fileName);
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QString::fromUtf8(Labels().title) + QStringLiteral(" - ") + name +
                   QStringLiteral("[*]"));
}

void TFormMain::RefreshView() {
    const Scheme& s = scheme();
    DrawStrip(-1);
    // The current car's pictogram, gaps included, always in view.
    scrollBox1_->ensureVisible(
        kStripBodyLeft + s.state.currentCar * kStripPitch + kStripBodyWidth / 2, kStripBodyTop,
        kStripPitch / 2 + kStripBodyLeft, 0);
    DrawCarView(carSurface_, CurrentCarView(s));
    image1_->Refresh();
    const CarRecord& car = CurrentCar(s);
    Display(Control::CarCountDisplay)->setText(QString::number(s.state.carCount));
    Display(Control::AxleCountDisplay)->setText(QString::number(car.axleCount));
    Display(Control::BogieCountDisplay)->setText(QString::number(car.bogieCount));
    Display(Control::SchemeTypeDisplay)->setText(QString::number(s.state.schemeType));
    Display(Control::LayoutCarDisplay)->setText(QString::number(s.state.currentCar + 1));
    Display(Control::WalkPositionDisplay)->setText(QString::number(s.state.walkCursor + 1));
    Display(Control::WalkCarDisplay)->setText(QString::number(s.state.currentCar + 1));
    InvertBox()->setChecked(car.inverted);
}

// The document starts with a new scheme.
void TFormMain::FormCreate() {
    ApplyCaptions(language_);
    ShowDocument();
}

void TFormMain::ShowDocument() {
    LoadEditsFromModel();
    RefreshView();
    UpdateTitle();
    ShowUnsavedState();
    ShowStatus();
}

void TFormMain::ShowStatus() {
    const Scheme& s = scheme();
    const TrainProgress progress = ProgressOf(s);
    const QString car = QString::number(s.state.currentCar + 1);
    const QString cars = QString::number(s.state.carCount);
    const QString complete = QString::number(progress.complete);
    const QString wheelSets = QString::number(progress.wheelSets);
    statusBar_->clearMessage();
    if (s.mode == Mode::ParameterMode) {
        // The axle as the diagram numbers it, whichever way the car stands.
        statusLine_->setText(Utf8(kWalkStatus.In(language_))
                                 .arg(car, cars, QString::number(s.state.currentAxle + 1),
                                      QString::number(CurrentCar(s).axleCount),
                                      QString::number(s.state.walkCursor + 1), wheelSets,
                                      complete));
    } else {
        statusLine_->setText(Utf8(kLayoutStatus.In(language_)).arg(car, cars, complete, wheelSets));
    }
}

// Until the next change of the document.
void TFormMain::ShowMessage(const QString& message) {
    statusBar_->showMessage(message);
}

void TFormMain::ApplyControlStates(ControlState (*stateOf)(Control)) {
    for (const WindowControl& row : WindowControls()) {
        const ControlState state = stateOf(row.control);
        ControlWidget<QWidget>(row.control)->setEnabled(state.enabled);
        switch (row.kind) {
            case ControlKind::CheckBox:
                InvertBox()->SetReadOnly(state.readOnly);
                break;
            case ControlKind::Display:
                Display(row.control)->setReadOnly(state.readOnly);
                break;
            case ControlKind::ParameterEdit:  // read-only only while a text is shortened
            case ControlKind::Button:
                break;
        }
    }
    ShowUnsavedState();  // the undo buttons, which no mode disables
}

void TFormMain::ApplyModeStates() {
    if (scheme().mode == Mode::ParameterMode) {
        ApplyControlStates(
            [](Control control) { return ControlStateIn(Mode::ParameterMode, control); });
    } else {
        ApplyControlStates(
            [](Control control) { return ControlStateIn(Mode::LayoutMode, control); });
    }
    ShowSetButtonTexts();
}

// "Set scheme" while the layout is edited, "Edit layout" during the walk.
void TFormMain::ShowSetButtonTexts() {
    const bool walking = scheme().mode == Mode::ParameterMode;
    const WindowControl& row = WindowControlOf(Control::SetScheme);
    QPushButton* set = Button(Control::SetScheme);
    set->setText(Utf8((walking ? kEditLayoutCaption : row.caption).In(language_)));
    set->setToolTip(Utf8((walking ? kEditLayoutTip : row.tip).In(language_)));
}

EditedTexts TFormMain::EditsNow() const {
    return EditedTexts{
        .series = Edit(Control::Series)->EditedText(),
        .carNumber = Edit(Control::CarNumber)->EditedText(),
        .axleName = Edit(Control::AxleName)->EditedText(),
        .wheelSetName = Edit(Control::WheelSetName)->EditedText(),
        .run = Edit(Control::Run)->EditedText(),
    };
}

bool TFormMain::HasTypedEdits() const {
    const std::array<ParameterEdit*, 5> edits = Edits();
    return scheme().mode == Mode::ParameterMode &&
           std::any_of(edits.begin(), edits.end(), [](auto* edit) { return edit->IsEdited(); });
}

bool TFormMain::HasUnsavedWork() const {
    return document_.IsModified() || HasTypedEdits();
}

void TFormMain::ShowUnsavedState() {
    const bool typed = HasTypedEdits();
    // Each call hands the title to the desktop again; typing calls this.
    if (const bool unsaved = document_.IsModified() || typed; unsaved != isWindowModified()) {
        setWindowModified(unsaved);
    }
    UpdateUndoControls(typed);
}

// Typing not stored yet is the newest change: Undo takes it back first, and
// Redo waits until it is gone.
void TFormMain::UpdateUndoControls(bool typed) {
    const QUndoStack& stack = document_.undoStack();
    QPushButton* undo = Button(Control::Undo);
    QPushButton* redo = Button(Control::Redo);
    undo->setEnabled(typed || stack.canUndo());
    redo->setEnabled(!typed && stack.canRedo());
    auto tip = [this](const TextPair& nothing, const TextPair& named, const QString& step) {
        return step.isEmpty() ? Utf8(nothing.In(language_)) : Utf8(named.In(language_)).arg(step);
    };
    const QString undoStep =
        typed ? Utf8(kTypingStep.In(language_)) : (stack.canUndo() ? stack.undoText() : QString());
    undo->setToolTip(tip(kNothingToUndoTip, kUndoTip, undoStep));
    redo->setToolTip(
        tip(kNothingToRedoTip, kRedoTip, stack.canRedo() ? stack.redoText() : QString()));
}

bool TFormMain::ConfirmDiscard() {
    if (!HasUnsavedWork()) {
        return true;
    }
    const QString question = Utf8(kUnsavedQuestion.In(language_));
    switch (dialogs_->AskUnsaved(this, question)) {
        case UnsavedChoice::Discard:
            return true;
        case UnsavedChoice::Cancel:
            return false;
        case UnsavedChoice::Save:
            return SaveInPlace();
    }
    return false;
}

void TFormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_ && windowHandle() != nullptr) {
        shownOnce_ = true;
        // Qt 6.4 tells of no change of the ratio itself, only of the screen.
        connect(windowHandle(), &QWindow::screenChanged, this,
                [this] { Guarded([this] { MatchScreenRatio(); }); });
        PlaceWindow(frameGeometry(), screen());
    }
    MatchScreenRatio();
}

void TFormMain::PlaceWindow(QRect frame, const QScreen* screen) {
    if (screen == nullptr || !PlatformPlacesWindows()) {
        return;
    }
    const QPoint place = PlaceOnScreen(frame, screen->availableGeometry());
    if (place != frame.topLeft()) {
        move(place);
    }
}

void TFormMain::MatchScreenRatio() {
    const double ratio = devicePixelRatioF();
    if (ratio == carSurface_.DevicePixelRatio() && ratio == stripSurface_.DevicePixelRatio()) {
        return;
    }
    carSurface_.SetDevicePixelRatio(ratio);
    stripSurface_.SetDevicePixelRatio(ratio);
    stripHovered_ = kStripUnknown;
    RefreshView();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Guarded([&] { mayClose = ConfirmDiscard(); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

namespace {

// The one local scheme file a drag carries, if it carries just that.
std::optional<QString> DraggedScheme(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = data->urls().constFirst().toLocalFile();
    if (!path.endsWith(QStringLiteral(".sch"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedScheme(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void TFormMain::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = DraggedScheme(event->mimeData());
    if (!path) {
        return;
    }
    event->acceptProposedAction();
    Guarded([&] {
        if (ConfirmDiscard()) {
            OpenFile(*path);
        }
    });
}

void TFormMain::LoadEditsFromModel() {
    const ParameterTexts texts = scheme().mode == Mode::ParameterMode
                                     ? quorvane::LoadEditsFromModel(scheme())
                                     : ParameterTexts{};
    Edit(Control::Series)->ShowSchemeText(texts.series);
    Edit(Control::CarNumber)->ShowSchemeText(texts.carNumber);
    Edit(Control::AxleName)->ShowSchemeText(texts.axleName);
    Edit(Control::WheelSetName)->ShowSchemeText(texts.wheelSetName);
    Edit(Control::Run)->ShowSchemeText(texts.run);
    UpdateEditTips();
    MarkEmptyFields();
}

void TFormMain::UpdateEditTips() {
    for (ParameterEdit* edit : Edits()) {
        edit->setToolTip(
            edit->IsShortened()
                ? Utf8(kShortenedTextTip.In(language_))
                      .arg(QLocale().toString(static_cast<qulonglong>(edit->ShortenedLength())))
                : QString());
    }
    if (scheme().mode != Mode::ParameterMode) {
        return;
    }
    if (const std::optional<DifferingNames> names = DifferingWheelSetNames(scheme())) {
        auto letter = [](int side) {
            return side == kLeftSide ? QStringLiteral("L") : QStringLiteral("R");
        };
        const QString tip = Utf8(kDifferingNamesTip.In(language_))
                                .arg(QString::number(scheme().state.currentAxle + 1),
                                     letter(names->shownSide), ShortenedSchemeText(names->shown),
                                     letter(names->otherSide), ShortenedSchemeText(names->other));
        ParameterEdit* wheelSet = Edit(Control::WheelSetName);
        wheelSet->setToolTip(
            wheelSet->toolTip().isEmpty() ? tip : wheelSet->toolTip() + QLatin1Char('\n') + tip);
    }
}

void TFormMain::MarkEmptyFields() {
    for (ParameterEdit* edit : Edits()) {
        edit->SetNormalBackground(edit->text().isEmpty() ? kEmptyFieldColour : kFilledFieldColour);
    }
}

void TFormMain::btnNewClick() {
    if (!ConfirmDiscard()) {
        return;
    }
    document_.New();
}

void TFormMain::btnSetClick() {
    if (scheme().mode == Mode::LayoutMode) {
        document_.AcceptLayout();
        FocusFirstEmptyEdit();
    } else {
        document_.EditLayout(EditsNow());
    }
}

void TFormMain::btnSaveClick() {
    SaveWithDialog();
}

bool TFormMain::SaveInPlace() {
    document_.StoreEdits(EditsNow());
    const QString own = document_.filePath();
    if (own.isEmpty()) {
        return SaveWithDialog();
    }
    return MayReplace(own) && WriteTo(own);
}

bool TFormMain::SaveWithDialog() {
    document_.StoreEdits(EditsNow());
    const QString own = document_.filePath();
    QString folder = lastFolder_;
    QString proposed = ShortenedSchemeText(scheme().fileName) + QStringLiteral(".sch");
    if (!own.isEmpty()) {
        folder = QFileInfo(own).absolutePath();
        proposed = QFileInfo(own).fileName();
    }
    // Where the operator does not agree to replace the file chosen, the
    // dialog comes back with that file chosen.
    for (;;) {
        const std::optional<QString> path = dialogs_->AskSaveFileName(this, folder, proposed);
        if (!path) {
            return false;
        }
        if (MayReplace(*path)) {
            return WriteTo(*path);
        }
        folder = QFileInfo(*path).absolutePath();
        proposed = QFileInfo(*path).fileName();
    }
}

bool TFormMain::MayReplace(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    if (!IsOwnFile(path)) {
        return AskReplace(kReplaceAnotherQuestion, path);
    }
    return !document_.FileChangedOnDisk() || AskReplace(kChangedOnDiskQuestion, path);
}

bool TFormMain::IsOwnFile(const QString& path) const {
    const QString own = document_.filePath();
    if (own.isEmpty()) {
        return false;
    }
    const QFileInfo a(path);
    const QFileInfo b(own);
    return a.absoluteFilePath() == b.absoluteFilePath() ||
           (!a.canonicalFilePath().isEmpty() && a.canonicalFilePath() == b.canonicalFilePath());
}

bool TFormMain::AskReplace(const TextPair& question, const QString& path) {
    return dialogs_->AskReplace(this, Utf8(question.In(language_)).arg(QFileInfo(path).fileName()),
                                Utf8(kReplaceButton.In(language_)),
                                Utf8(kCancelButton.In(language_)));
}

bool TFormMain::WriteTo(const QString& path) {
    // Below the fixed first line: the file and why.
    auto warn = [&](const QString& first, const QString& reason) {
        dialogs_->Warn(this, Utf8(kWarningCaption.In(language_)),
                       first + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
                           QStringLiteral(": ") + reason);
    };
    const std::optional<std::string> name = SchemeNameOfPath(path);
    if (!name) {
        warn(Utf8(kCannotOpenFile.In(language_)), Utf8(kNameNotStorable.In(language_)));
        return false;
    }
    const WriteResult written = WriteScheme(scheme(), *name);
    if (!written.ok) {
        warn(Utf8(kCannotWriteFile.In(language_)), QString::fromStdString(written.error));
        return false;
    }
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(path, written.bytes)) {
        warn(Utf8((failure->opening ? kCannotOpenFile : kCannotWriteFile).In(language_)),
             failure->reason);
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    document_.MarkSaved(*name, path);
    // Nothing is refused for being incomplete; the operator is told.
    const int incomplete = ProgressOf(scheme()).Incomplete();
    ShowMessage(incomplete == 0   ? Utf8(kSavedComplete.In(language_))
                : incomplete == 1 ? Utf8(kSavedOneIncomplete.In(language_))
                                  : Utf8(kSavedIncomplete.In(language_)).arg(incomplete));
    return true;
}

void TFormMain::btnLoadClick() {
    if (!ConfirmDiscard()) {
        return;
    }
    const std::optional<QString> path = dialogs_->AskOpenFileName(this, lastFolder_);
    if (path) {
        OpenFile(*path);
    }
}

bool TFormMain::OpenFile(const QString& path) {
    if (!LoadScheme(path)) {
        return false;
    }
    FocusFirstEmptyEdit();
    return true;
}

// A file that was read whole starts a new document, its walk in ParameterMode.
bool TFormMain::LoadScheme(const QString& path) {
    ReadResult read =
        ReadSchemeFile(QFile::encodeName(path).toStdString(), scheme().state.schemeType);
    if (!read.scheme) {
        dialogs_->Warn(this, Utf8(kWarningCaption.In(language_)),
                       QFileInfo(path).fileName() + QStringLiteral(": ") +
                           QString::fromStdString(read.error.Message()));
        return false;
    }
    document_.Open(std::move(read.scheme), path);
    lastFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void TFormMain::btnExitClick() {
    close();
}

void TFormMain::btnUndoClick() {
    if (HasTypedEdits()) {
        LoadEditsFromModel();
        ShowUnsavedState();
    } else {
        document_.Undo();
    }
}

void TFormMain::btnRedoClick() {
    if (!HasTypedEdits()) {
        document_.Redo();
    }
}

// Previous and next wheel set, previous and next car of the walk.
void TFormMain::cxButton1Click() {
    document_.StepWalk(EditsNow(), SchemeDocument::WalkStep::PreviousWheelSet);
}

void TFormMain::cxButton10Click() {
    document_.StepWalk(EditsNow(), SchemeDocument::WalkStep::NextWheelSet);
}

void TFormMain::cxButton11Click() {
    document_.StepWalk(EditsNow(), SchemeDocument::WalkStep::PreviousCar);
}

void TFormMain::cxButton12Click() {
    document_.StepWalk(EditsNow(), SchemeDocument::WalkStep::NextCar);
}

void TFormMain::cxButton2Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::RemoveCar);
}

void TFormMain::cxButton3Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::AddCar);
}

void TFormMain::cxButton4Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::RemoveAxle);
}

void TFormMain::cxButton5Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::AddAxle);
}

void TFormMain::cxButton6Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::RemoveBogie);
}

void TFormMain::cxButton7Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::AddBogie);
}

void TFormMain::cxButton8Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::PreviousSchemeType);
}

void TFormMain::cxButton9Click() {
    document_.ChangeLayout(SchemeDocument::LayoutStep::NextSchemeType);
}

void TFormMain::cxButton13Click() {
    document_.PreviousCarInLayout();
}

void TFormMain::cxButton14Click() {
    document_.NextCarInLayout();
}

void TFormMain::chbInvertClick() {
    document_.SetInverted(InvertBox()->isChecked());
}

void TFormMain::AddSheetActions(QWidget* drawing) {
    drawing->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* exportSheet = new QAction(drawing);
    exportSheet->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    // The window's own shortcut serves the key; here it is only shown.
    exportSheet->setShortcutContext(Qt::WidgetShortcut);
    connect(exportSheet, &QAction::triggered, this, [this] { Guarded([this] { ExportSheet(); }); });
    auto* printSheet = new QAction(drawing);
    printSheet->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    printSheet->setShortcutContext(Qt::WidgetShortcut);
    connect(printSheet, &QAction::triggered, this, [this] { Guarded([this] { PrintSheet(); }); });
    drawing->addAction(exportSheet);
    drawing->addAction(printSheet);
    captionedActions_.emplace_back(exportSheet, kExportSheetAction);
    captionedActions_.emplace_back(printSheet, kPrintSheetAction);
}

SheetOptions TFormMain::SheetOptionsNow() const {
    SheetOptions options;
    options.language = language_;
    if (!document_.filePath().isEmpty()) {
        options.fileName = QFileInfo(document_.filePath()).fileName();
    }
    return options;
}

void TFormMain::ExportSheet() {
    document_.StoreEdits(EditsNow());
    const QString proposed = ShortenedSchemeText(scheme().fileName) + QStringLiteral(".pdf");
    const std::optional<QString> path = dialogs_->AskExportFileName(this, lastFolder_, proposed);
    if (!path) {
        return;
    }
    const QByteArray format = QFileInfo(*path).suffix().toLower().toLatin1();
    if (format != "pdf" && format != "svg" && format != "png") {
        dialogs_->Warn(this, Utf8(kWarningCaption.In(language_)),
                       Utf8(kSheetFormats.In(language_)));
        return;
    }
    QByteArray bytes;
    const std::optional<QString> error = DrawTrainSheet(scheme(), format, SheetOptionsNow(), bytes);
    const std::optional<SaveFailure> failure =
        error ? std::nullopt
              : SaveFileAtomically(*path, std::string_view(bytes.constData(),
                                                           static_cast<std::size_t>(bytes.size())));
    if (error || failure) {
        const QString reason = error ? *error : failure->reason;
        const TextPair& first = failure && failure->opening ? kCannotOpenFile : kCannotWriteFile;
        dialogs_->Warn(this, Utf8(kWarningCaption.In(language_)),
                       Utf8(first.In(language_)) + QLatin1Char('\n') +
                           QDir::toNativeSeparators(*path) + QStringLiteral(": ") + reason);
        return;
    }
    lastFolder_ = QFileInfo(*path).absolutePath();
    ShowMessage(Utf8(kSheetExported.In(language_)).arg(QFileInfo(*path).fileName()));
}

void TFormMain::PrintSheet() {
    document_.StoreEdits(EditsNow());
    if (!dialogs_->PrintersAvailable()) {
        if (dialogs_->AskExportInstead(this, Utf8(kNoPrinterQuestion.In(language_)),
                                       Utf8(kExportInsteadButton.In(language_)),
                                       Utf8(kCancelButton.In(language_)))) {
            ExportSheet();
        }
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SheetPageLayout(SheetOptionsNow()));
    printer.setDocName(ShortenedSchemeText(scheme().fileName));
    if (!dialogs_->AskPrint(this, printer)) {
        return;
    }
    if (!PrintTrainSheet(scheme(), SheetOptionsNow(), printer)) {
        dialogs_->Warn(this, Utf8(kWarningCaption.In(language_)), Utf8(kCannotPrint.In(language_)));
        return;
    }
    ShowMessage(Utf8(kSheetPrinted.In(language_)));
}

void TFormMain::Image1MouseDown(QPoint at) {
    if (scheme().mode != Mode::ParameterMode) {
        return;
    }
    const int axle = AxleAtCarViewPoint(CurrentCar(scheme()), {at.x(), at.y()});
    if (axle >= 0) {
        document_.SelectAxle(EditsNow(), axle);
        FocusFirstEmptyEdit();
    }
}

void TFormMain::Image2MouseDown(QPoint at) {
    const int car = CarAtStripPoint(scheme().state.carCount, at.x(), at.y());
    if (car >= 0) {
        document_.SelectCar(EditsNow(), car);
    } else {
        RefreshView();
    }
}

void TFormMain::Image2MouseMove(QPoint at) {
    // The strip changes only where the pointer crosses into another car.
    const int car = CarAtStripPoint(scheme().state.carCount, at.x(), at.y());
    if (car != stripHovered_) {
        DrawStrip(car);
    }
}

void TFormMain::DrawStrip(int hovered) {
    stripHovered_ = kStripUnknown;
    DrawTrainStrip(stripSurface_, scheme(), scheme().state.currentCar, hovered);
    stripHovered_ = hovered;
    image2_->Refresh();
}

void TFormMain::editSeriesExit() {
    MarkEmptyFields();
}

}  // namespace quorvane
