#include "window/form_main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QUrl>
#include <algorithm>
#include <exception>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "fileio/save_file.h"
#include "fileio/scheme_text.h"
#include "model/layout.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "window/button_icons.h"
#include "window/control_table.h"
#include "window/invert_check_box.h"
#include "window/label_table.h"
#include "window/parameter_edit.h"
#include "window/surface_view.h"
#include "window/window_texts.h"

namespace quorvane {

namespace {

constexpr int kClientWidth = 1009;
constexpr int kClientHeight = 364;
constexpr QPoint kWindowPlace(604, 225);
constexpr int kSmallButton = 25;
constexpr int kWideButtonWidth = 153;
constexpr int kEditHeight = 21;
constexpr int kCounterWidth = 33;
constexpr int kParameterEditWidth = 90;

const QString kWarningCaption = QStringLiteral("Внимание !");
const QString kCannotOpenFile = QStringLiteral("Ошибка при открытии файла!!!");
const QString kCannotWriteFile = QStringLiteral("Ошибка при записи файла!!!");

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
      scheme_(std::make_unique<Scheme>()),
      language_(language),
      carSurface_(kCarViewWidth, kCarViewHeight),
      stripSurface_(kStripFitWidth, kStripFitHeight) {
    setObjectName(QStringLiteral("FormMain"));
    // "MS Sans Serif" where the platform has it, else its sans-serif, 8 point.
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);
    move(kWindowPlace);
    setAcceptDrops(true);
    BuildControls();
    FindControls();
    // The start-up states: layout controls on, except the bogie buttons.
    ApplyControlStates(&StartupControlState);
    WireEvents();
    WireKeys();
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
    connect(image2_, &SurfaceView::pressed, this,
            [this](QPoint at) { Guarded([&] { Image2MouseDown(at); }); });
    connect(image2_, &SurfaceView::moved, this,
            [this](QPoint at) { Guarded([&] { Image2MouseMove(at); }); });
    for (ParameterEdit* edit : Edits()) {
        connect(edit, &ParameterEdit::focusLeft, this,
                [this] { Guarded([this] { editSeriesExit(); }); });
        connect(edit, &ParameterEdit::shortenedTextReplaced, this,
                [this] { Guarded([this] { UpdateEditTips(); }); });
    }
}

void TFormMain::WireKeys() {
    // Each runs its button's action, and only while the button is enabled.
    const std::array<std::pair<Control, const char*>, 4> commands{{{Control::NewScheme, "Ctrl+N"},
                                                                   {Control::LoadScheme, "Ctrl+O"},
                                                                   {Control::SaveScheme, "Ctrl+S"},
                                                                   {Control::Exit, "Ctrl+Q"}}};
    for (const auto& [control, keys] : commands) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        // click() does nothing on a disabled button.
        connect(shortcut, &QShortcut::activated, Button(control), &QAbstractButton::click);
    }

    // Steps from the keyboard run the button's handler, only while the button
    // is enabled, and leave the focus on the first empty edit.
    auto keyStep = [this](Control control) {
        if (Button(control)->isEnabled()) {
            Guarded([&] { (this->*WindowControlOf(control).click)(); });
            FocusFirstEmptyEdit();
        }
    };
    for (ParameterEdit* edit : Edits()) {
        connect(edit, &ParameterEdit::stepRequested, this, [keyStep](bool backwards) {
            keyStep(backwards ? Control::PreviousWheelSet : Control::NextWheelSet);
        });
    }
    auto* nextCar = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(nextCar, &QShortcut::activated, this, [keyStep] { keyStep(Control::NextCarInWalk); });
    auto* previousCar = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previousCar, &QShortcut::activated, this,
            [keyStep] { keyStep(Control::PreviousCarInWalk); });
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
    UpdateEditTips();
    for (const auto& [label, caption] : captionedLabels_) {
        label->setText(Utf8(caption.In(language)));
        label->adjustSize();
    }
}

void TFormMain::UpdateTitle() {
    setWindowTitle(QString::fromUtf8(Labels().title) + QStringLiteral(" - ") +
                   ShortenedSchemeText(scheme_->fileName));
}

void TFormMain::RefreshView() {
    const Scheme& s = *scheme_;
    DrawStrip(-1);
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

void TFormMain::FormCreate() {
    ApplyCaptions(language_);
    NewScheme();
}

void TFormMain::NewScheme() {
    UpdateTitle();
    quorvane::NewScheme(*scheme_);
    changed_ = false;
    LoadEditsFromModel();
    RefreshView();
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
}

void TFormMain::EnterParameterMode() {
    ApplyControlStates(
        [](Control control) { return ControlStateIn(Mode::ParameterMode, control); });
}

void TFormMain::EnterLayoutMode() {
    ApplyControlStates([](Control control) { return ControlStateIn(Mode::LayoutMode, control); });
}

void TFormMain::StoreEditsToModel() {
    const EditedTexts edited{
        .series = Edit(Control::Series)->EditedText(),
        .carNumber = Edit(Control::CarNumber)->EditedText(),
        .axleName = Edit(Control::AxleName)->EditedText(),
        .wheelSetName = Edit(Control::WheelSetName)->EditedText(),
        .run = Edit(Control::Run)->EditedText(),
    };
    if (quorvane::StoreEditsToModel(*scheme_, edited)) {
        changed_ = true;
    }
    for (ParameterEdit* edit : Edits()) {
        edit->TakeAsShown();
    }
    if (edited.wheelSetName) {
        UpdateEditTips();  // both wheels have the one name now
    }
}

bool TFormMain::HasUnsavedWork() const {
    const std::array<ParameterEdit*, 5> edits = Edits();
    return changed_ ||
           (scheme_->mode == Mode::ParameterMode &&
            std::any_of(edits.begin(), edits.end(), [](auto* edit) { return edit->IsEdited(); }));
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
            return SaveScheme();
    }
    return false;
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
    const ParameterTexts texts = quorvane::LoadEditsFromModel(*scheme_);
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
    if (scheme_->mode != Mode::ParameterMode) {
        return;
    }
    if (const std::optional<DifferingNames> names = DifferingWheelSetNames(*scheme_)) {
        auto letter = [](int side) {
            return side == kLeftSide ? QStringLiteral("L") : QStringLiteral("R");
        };
        const QString tip = Utf8(kDifferingNamesTip.In(language_))
                                .arg(QString::number(scheme_->state.currentAxle + 1),
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
    scheme_->mode = Mode::LayoutMode;
    EnterLayoutMode();
    NewScheme();
}

void TFormMain::btnSetClick() {
    changed_ = true;
    scheme_->mode = Mode::ParameterMode;
    AcceptLayout(*scheme_);
    RefreshView();
    EnterParameterMode();
    FocusFirstEmptyEdit();
}

void TFormMain::btnSaveClick() {
    SaveScheme();
}

bool TFormMain::SaveScheme() {
    StoreEditsToModel();
    const std::optional<QString> path = dialogs_->AskSaveFileName(
        this, QDir::currentPath(), ShortenedSchemeText(scheme_->fileName) + QStringLiteral(".sch"));
    if (!path) {
        return false;
    }
    // Below the fixed first line: the file and why.
    auto warn = [&](const QString& first, const QString& reason) {
        dialogs_->Warn(this, kWarningCaption,
                       first + QLatin1Char('\n') + QDir::toNativeSeparators(*path) +
                           QStringLiteral(": ") + reason);
    };
    const std::optional<std::string> name = SchemeNameOfPath(*path);
    if (!name) {
        warn(kCannotOpenFile,
             QStringLiteral("the file name holds a character that a scheme name cannot store"));
        return false;
    }
    const WriteResult written = WriteScheme(*scheme_, *name);
    if (!written.ok) {
        warn(kCannotWriteFile, QString::fromStdString(written.error));
        return false;
    }
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(*path, written.bytes)) {
        warn(failure->opening ? kCannotOpenFile : kCannotWriteFile, failure->reason);
        return false;
    }
    scheme_->fileName = *name;
    changed_ = false;
    UpdateTitle();
    return true;
}

void TFormMain::btnLoadClick() {
    if (!ConfirmDiscard()) {
        return;
    }
    const std::optional<QString> path = dialogs_->AskOpenFileName(this);
    if (path) {
        OpenFile(*path);
    }
}

bool TFormMain::OpenFile(const QString& path) {
    if (!LoadScheme(path)) {
        return false;
    }
    EnterLoadedScheme();
    return true;
}

// A file that was read: the walk starts on it in ParameterMode.
void TFormMain::EnterLoadedScheme() {
    scheme_->mode = Mode::ParameterMode;
    AcceptLayout(*scheme_);
    RefreshView();
    LoadEditsFromModel();
    EnterParameterMode();
    UpdateTitle();
    changed_ = false;
    FocusFirstEmptyEdit();
}

bool TFormMain::LoadScheme(const QString& path) {
    // A new scheme, taken only when the whole file was read.
    ReadResult read =
        ReadSchemeFile(QFile::encodeName(path).toStdString(), scheme_->state.schemeType);
    if (!read.scheme) {
        dialogs_->Warn(this, kWarningCaption,
                       QFileInfo(path).fileName() + QStringLiteral(": ") +
                           QString::fromStdString(read.error.Message()));
        return false;
    }
    scheme_ = std::move(read.scheme);
    return true;
}

void TFormMain::btnExitClick() {
    close();
}

// Previous and next wheel set, previous and next car of the walk.
void TFormMain::cxButton1Click() {
    WalkStep(PreviousWheelSet);
}

void TFormMain::cxButton10Click() {
    WalkStep(NextWheelSet);
}

void TFormMain::cxButton11Click() {
    WalkStep(PreviousCarInWalk);
}

void TFormMain::cxButton12Click() {
    WalkStep(NextCarInWalk);
}

void TFormMain::cxButton2Click() {
    LayoutStep(RemoveCar);
}

void TFormMain::cxButton3Click() {
    LayoutStep(AddCar);
}

void TFormMain::cxButton4Click() {
    LayoutStep(RemoveAxle);
}

void TFormMain::cxButton5Click() {
    LayoutStep(AddAxle);
}

void TFormMain::cxButton6Click() {
    LayoutStep(RemoveBogie);
}

void TFormMain::cxButton7Click() {
    LayoutStep(AddBogie);
}

void TFormMain::cxButton8Click() {
    LayoutStep(PreviousSchemeType);
}

void TFormMain::cxButton9Click() {
    LayoutStep(NextSchemeType);
}

void TFormMain::cxButton13Click() {
    PreviousCarInLayout(*scheme_);
    RefreshView();
}

void TFormMain::cxButton14Click() {
    NextCarInLayout(*scheme_);
    RefreshView();
}

void TFormMain::chbInvertClick() {
    const bool ticked = InvertBox()->isChecked();
    if (CurrentCar(*scheme_).inverted != ticked) {
        changed_ = true;
    }
    SetInverted(*scheme_, ticked);
    RefreshView();
}

namespace {

// What the layout steps can change: counts, type and orientation.
std::vector<int> LayoutShape(const Scheme& scheme) {
    std::vector<int> shape{scheme.state.carCount, scheme.state.schemeType};
    for (const CarRecord& car : scheme.cars) {
        shape.insert(shape.end(), {car.axleCount, car.bogieCount, car.inverted ? 1 : 0});
    }
    return shape;
}

}  // namespace

void TFormMain::LayoutStep(void (*step)(Scheme&)) {
    const std::vector<int> before = LayoutShape(*scheme_);
    step(*scheme_);
    if (LayoutShape(*scheme_) != before) {
        changed_ = true;
    }
    RefreshView();
}

void TFormMain::WalkStep(bool (*step)(Scheme&)) {
    StoreEditsToModel();
    if (step(*scheme_)) {
        LoadEditsFromModel();
    }
    RefreshView();
}

void TFormMain::Image2MouseDown(QPoint at) {
    const int car = CarAtStripPoint(scheme_->state.carCount, at.x(), at.y());
    if (car >= 0) {
        if (scheme_->mode == Mode::ParameterMode) {
            StoreEditsToModel();
        }
        if (SelectCar(*scheme_, car)) {
            LoadEditsFromModel();
        }
    }
    RefreshView();
}

void TFormMain::Image2MouseMove(QPoint at) {
    // The strip changes only where the pointer crosses into another car.
    const int car = CarAtStripPoint(scheme_->state.carCount, at.x(), at.y());
    if (car != stripHovered_) {
        DrawStrip(car);
    }
}

void TFormMain::DrawStrip(int hovered) {
    stripHovered_ = kStripUnknown;
    DrawTrainStrip(stripSurface_, scheme_->state.carCount, scheme_->state.currentCar, hovered);
    stripHovered_ = hovered;
    image2_->Refresh();
}

void TFormMain::editSeriesExit() {
    MarkEmptyFields();
}

}  // namespace quorvane
