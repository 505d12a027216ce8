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
#include <utility>
#include <vector>

#include "drawing/car_view.h"
#include "drawing/train_strip.h"
#include "model/layout.h"
#include "schemefile/scheme_reader.h"
#include "schemefile/scheme_writer.h"
#include "tool/save_file.h"
#include "tool/scheme_text.h"
#include "window/button_icons.h"
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

QPushButton* AddButton(QWidget* parent, const char* name, QRect place, ButtonPicture picture) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setIcon(ButtonIcon(picture));
    button->setIconSize(QSize(16, 16));
    return button;
}

QPushButton* AddSmallButton(QWidget* parent, const char* name, QPoint at, ButtonPicture picture) {
    return AddButton(parent, name, QRect(at, QSize(kSmallButton, kSmallButton)), picture);
}

QPushButton* AddWideButton(QWidget* parent, const char* name, QPoint at, ButtonPicture picture) {
    return AddButton(parent, name, QRect(at, QSize(kWideButtonWidth, kSmallButton)), picture);
}

// Read-only and always disabled, centred, cream in both styles.
QLineEdit* AddCounter(QWidget* parent, const char* name, QPoint at) {
    auto* counter = new QLineEdit(parent);
    counter->setObjectName(QString::fromLatin1(name));
    counter->setGeometry(QRect(at, QSize(kCounterWidth, kEditHeight)));
    counter->setAlignment(Qt::AlignCenter);
    counter->setFocusPolicy(Qt::NoFocus);
    counter->setStyleSheet(QStringLiteral(
        "QLineEdit, QLineEdit:disabled { background-color: rgb(255, 251, 240); color: black;"
        " border: 1px solid black; }"));
    return counter;
}

ParameterEdit* AddParameterEdit(QWidget* parent, const char* name, QPoint at) {
    auto* edit = new ParameterEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(QRect(at, QSize(kParameterEditWidth, kEditHeight)));
    // Texts have no length limit; a shorter one would cut loaded texts.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

}  // namespace

TFormMain::TFormMain(std::unique_ptr<SchemeDialogs> dialogs, int language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)),
      scheme_(std::make_unique<Scheme>()),
      spare_(std::make_unique<Scheme>()),
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
    WireEvents();
    WireKeys();
    FormCreate();
}

TFormMain::~TFormMain() {
    // Destroying the children moves the focus out of an edit; by then this
    // window is no more than a QWidget, so its handlers must not run.
    for (ParameterEdit* edit : edits_) {
        edit->disconnect(this);
    }
}

void TFormMain::BuildControls() {
    QFrame* panel1 = AddPanel(this, "Panel1", {0, 0, 201, 364});
    AddLabel(panel1, "Label4", {8, 24});
    cxButton_[1] = AddSmallButton(panel1, "cxButton1", {88, 16}, ButtonPicture::LeftArrow);
    editSetCurAxle_ = AddCounter(panel1, "editSetCurAxle", {120, 18});
    cxButton_[10] = AddSmallButton(panel1, "cxButton10", {160, 16}, ButtonPicture::RightArrow);
    AddLabel(panel1, "Label8", {8, 56});
    cxButton_[11] = AddSmallButton(panel1, "cxButton11", {88, 48}, ButtonPicture::LeftArrow);
    editSetCurCar_ = AddCounter(panel1, "editSetCurCar", {120, 50});
    cxButton_[12] = AddSmallButton(panel1, "cxButton12", {160, 48}, ButtonPicture::RightArrow);
    AddLabel(panel1, "Label7", {56, 88});
    AddLabel(panel1, "Label1", {8, 120});
    edits_[0] = AddParameterEdit(panel1, "editSeries", {96, 112});
    AddLabel(panel1, "Label2", {8, 144});
    edits_[1] = AddParameterEdit(panel1, "editNumber", {96, 136});
    AddLabel(panel1, "Label3", {8, 168});
    edits_[2] = AddParameterEdit(panel1, "editAxle", {96, 160});
    AddLabel(panel1, "Label5", {8, 192});
    edits_[3] = AddParameterEdit(panel1, "editWheelPair", {96, 184});
    AddLabel(panel1, "Label6", {8, 216});
    edits_[4] = AddParameterEdit(panel1, "editRun", {96, 208});
    auto* bevel1 = new QFrame(panel1);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel1->setGeometry(8, 248, 185, 2);
    btnSave_ = AddWideButton(panel1, "btnSave", {24, 264}, ButtonPicture::SaveDocument);
    btnLoad_ = AddWideButton(panel1, "btnLoad", {24, 296}, ButtonPicture::OpenDocument);
    btnExit_ = AddWideButton(panel1, "btnExit", {24, 328}, ButtonPicture::ExitDoor);

    QFrame* panel3 = AddPanel(this, "Panel3", {201, 0, 808, 364});
    QFrame* panel2 = AddPanel(panel3, "Panel2", {2, 2, 804, 103});
    AddLabel(panel2, "Label13", {8, 16});
    cxButton_[2] = AddSmallButton(panel2, "cxButton2", {128, 8}, ButtonPicture::RedMinus);
    editNumCar_ = AddCounter(panel2, "editNumCar", {160, 10});
    cxButton_[3] = AddSmallButton(panel2, "cxButton3", {200, 8}, ButtonPicture::GreenPlus);
    AddLabel(panel2, "Label9", {8, 48});
    cxButton_[13] = AddSmallButton(panel2, "cxButton13", {128, 40}, ButtonPicture::LeftArrow);
    editSetCar_ = AddCounter(panel2, "editSetCar", {160, 42});
    cxButton_[14] = AddSmallButton(panel2, "cxButton14", {200, 40}, ButtonPicture::RightArrow);
    chbInvert_ = new InvertCheckBox(panel2);
    chbInvert_->setObjectName(QStringLiteral("chbInvert"));
    chbInvert_->setGeometry(8, 72, 81, 17);
    AddLabel(panel2, "Label14", {272, 16});
    cxButton_[4] = AddSmallButton(panel2, "cxButton4", {392, 8}, ButtonPicture::RedMinus);
    editNumAxle_ = AddCounter(panel2, "editNumAxle", {424, 10});
    cxButton_[5] = AddSmallButton(panel2, "cxButton5", {464, 8}, ButtonPicture::GreenPlus);
    AddLabel(panel2, "Label15", {272, 48});
    cxButton_[6] = AddSmallButton(panel2, "cxButton6", {392, 40}, ButtonPicture::RedMinus);
    editNumBogie_ = AddCounter(panel2, "editNumBogie", {424, 42});
    cxButton_[7] = AddSmallButton(panel2, "cxButton7", {464, 40}, ButtonPicture::GreenPlus);
    AddLabel(panel2, "Label12", {272, 80});
    cxButton_[8] = AddSmallButton(panel2, "cxButton8", {392, 72}, ButtonPicture::LeftArrow);
    editTypeScheme_ = AddCounter(panel2, "editTypeScheme", {424, 74});
    cxButton_[9] = AddSmallButton(panel2, "cxButton9", {464, 72}, ButtonPicture::RightArrow);
    btnNew_ = AddWideButton(panel2, "btnNew", {648, 8}, ButtonPicture::BlankDocument);
    btnSet_ = AddWideButton(panel2, "btnSet", {648, 40}, ButtonPicture::SaveDocument);

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

    // The parameter edits come first in the tab order of their panel.
    const std::array<QWidget*, 12> leftPanelOrder{
        edits_[0],     edits_[1],     edits_[2],     edits_[3], edits_[4], cxButton_[1],
        cxButton_[10], cxButton_[11], cxButton_[12], btnSave_,  btnLoad_,  btnExit_};
    for (std::size_t i = 1; i < leftPanelOrder.size(); ++i) {
        setTabOrder(leftPanelOrder[i - 1], leftPanelOrder[i]);
    }

    // The start-up states: layout controls on, except the bogie buttons.
    ApplyControlStates(&StartupControlState);
}

void TFormMain::Connect(QPushButton* button, void (TFormMain::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Guarded([&] { (this->*handler)(); }); });
}

void TFormMain::WireEvents() {
    Connect(btnNew_, &TFormMain::btnNewClick);
    Connect(btnSet_, &TFormMain::btnSetClick);
    Connect(btnSave_, &TFormMain::btnSaveClick);
    Connect(btnLoad_, &TFormMain::btnLoadClick);
    Connect(btnExit_, &TFormMain::btnExitClick);
    constexpr std::array<void (TFormMain::*)(), 15> kSmallButtonHandlers{
        nullptr,
        &TFormMain::cxButton1Click,
        &TFormMain::cxButton2Click,
        &TFormMain::cxButton3Click,
        &TFormMain::cxButton4Click,
        &TFormMain::cxButton5Click,
        &TFormMain::cxButton6Click,
        &TFormMain::cxButton7Click,
        &TFormMain::cxButton8Click,
        &TFormMain::cxButton9Click,
        &TFormMain::cxButton10Click,
        &TFormMain::cxButton11Click,
        &TFormMain::cxButton12Click,
        &TFormMain::cxButton13Click,
        &TFormMain::cxButton14Click,
    };
    for (std::size_t n = 1; n < cxButton_.size(); ++n) {
        Connect(cxButton_[n], kSmallButtonHandlers[n]);
    }
    connect(chbInvert_, &QCheckBox::clicked, this,
            [this] { Guarded([this] { chbInvertClick(); }); });
    connect(image2_, &SurfaceView::pressed, this,
            [this](QPoint at) { Guarded([&] { Image2MouseDown(at); }); });
    connect(image2_, &SurfaceView::moved, this,
            [this](QPoint at) { Guarded([&] { Image2MouseMove(at); }); });
    for (ParameterEdit* edit : edits_) {
        connect(edit, &ParameterEdit::focusLeft, this,
                [this] { Guarded([this] { editSeriesExit(); }); });
        connect(edit, &ParameterEdit::shortenedTextReplaced, this,
                [this] { Guarded([this] { UpdateEditTips(); }); });
    }
}

void TFormMain::WireKeys() {
    // Each runs its button's action, and only while the button is enabled.
    const std::array<std::pair<QPushButton*, const char*>, 4> commands{
        {{btnNew_, "Ctrl+N"}, {btnLoad_, "Ctrl+O"}, {btnSave_, "Ctrl+S"}, {btnExit_, "Ctrl+Q"}}};
    for (const auto& [button, keys] : commands) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        // click() does nothing on a disabled button.
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    }

    // Steps from the keyboard leave the focus on the first empty edit.
    auto keyStep = [this](QPushButton* button, void (TFormMain::*handler)()) {
        if (button->isEnabled()) {
            Guarded([&] { (this->*handler)(); });
            FocusFirstEmptyEdit();
        }
    };
    for (ParameterEdit* edit : edits_) {
        connect(edit, &ParameterEdit::stepRequested, this, [this, keyStep](bool backwards) {
            backwards ? keyStep(cxButton_[1], &TFormMain::cxButton1Click)
                      : keyStep(cxButton_[10], &TFormMain::cxButton10Click);
        });
    }
    auto* nextCar = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(nextCar, &QShortcut::activated, this,
            [this, keyStep] { keyStep(cxButton_[12], &TFormMain::cxButton12Click); });
    auto* previousCar = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previousCar, &QShortcut::activated, this,
            [this, keyStep] { keyStep(cxButton_[11], &TFormMain::cxButton11Click); });
}

void TFormMain::FocusFirstEmptyEdit() {
    for (ParameterEdit* edit : edits_) {
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

void TFormMain::ApplyCaptions(int language) {
    language_ = language;
    const auto lang = static_cast<std::size_t>(language);
    for (const ButtonTip& tip : ButtonTips()) {
        findChild<QWidget*>(QString::fromUtf8(tip.control))
            ->setToolTip(QString::fromUtf8(tip.text[lang]));
    }
    for (ParameterEdit* edit : edits_) {
        edit->SetRefusalHint(QString::fromUtf8(kRefusalHint[lang]));
    }
    UpdateEditTips();
    const LabelTable& labels = Labels();
    for (const CaptionPair& pair : labels.pairs) {
        const QString caption = QString::fromUtf8(pair.text[static_cast<std::size_t>(language)]);
        for (std::string_view name : pair.controls) {
            QWidget* control = findChild<QWidget*>(QString::fromUtf8(name));
            if (auto* label = qobject_cast<QLabel*>(control)) {
                label->setText(caption);
                label->adjustSize();
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                button->setText(caption);
            }
        }
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
    editNumCar_->setText(QString::number(s.state.carCount));
    editNumAxle_->setText(QString::number(car.axleCount));
    editNumBogie_->setText(QString::number(car.bogieCount));
    editTypeScheme_->setText(QString::number(s.state.schemeType));
    editSetCar_->setText(QString::number(s.state.currentCar + 1));
    editSetCurAxle_->setText(QString::number(s.state.walkCursor + 1));
    editSetCurCar_->setText(QString::number(s.state.currentCar + 1));
    chbInvert_->setChecked(car.inverted);
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
    for (const ModeTableRow& row : ModeTable()) {
        QWidget* control = findChild<QWidget*>(QString::fromUtf8(row.name));
        const ControlState state = stateOf(row.control);
        control->setEnabled(state.enabled);
        if (control == chbInvert_) {
            chbInvert_->SetReadOnly(state.readOnly);
        } else if (qobject_cast<ParameterEdit*>(control) != nullptr) {
            // Always editable by the table; read-only only while shortened.
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setReadOnly(state.readOnly);
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
        .series = edits_[0]->EditedText(),
        .carNumber = edits_[1]->EditedText(),
        .axleName = edits_[2]->EditedText(),
        .wheelSetName = edits_[3]->EditedText(),
        .run = edits_[4]->EditedText(),
    };
    if (quorvane::StoreEditsToModel(*scheme_, edited)) {
        changed_ = true;
    }
    for (ParameterEdit* edit : edits_) {
        edit->TakeAsShown();
    }
    if (edited.wheelSetName) {
        UpdateEditTips();  // both wheels have the one name now
    }
}

bool TFormMain::HasUnsavedWork() const {
    return changed_ ||
           (scheme_->mode == Mode::ParameterMode &&
            std::any_of(edits_.begin(), edits_.end(), [](auto* edit) { return edit->IsEdited(); }));
}

bool TFormMain::ConfirmDiscard() {
    if (!HasUnsavedWork()) {
        return true;
    }
    const QString question =
        QString::fromUtf8(kUnsavedQuestion[static_cast<std::size_t>(language_)]);
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
    edits_[0]->ShowSchemeText(texts.series);
    edits_[1]->ShowSchemeText(texts.carNumber);
    edits_[2]->ShowSchemeText(texts.axleName);
    edits_[3]->ShowSchemeText(texts.wheelSetName);
    edits_[4]->ShowSchemeText(texts.run);
    UpdateEditTips();
    MarkEmptyFields();
}

void TFormMain::UpdateEditTips() {
    const auto lang = static_cast<std::size_t>(language_);
    for (ParameterEdit* edit : edits_) {
        edit->setToolTip(
            edit->IsShortened()
                ? Utf8(kShortenedTextTip[lang])
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
        const QString tip = Utf8(kDifferingNamesTip[lang])
                                .arg(QString::number(scheme_->state.currentAxle + 1),
                                     letter(names->shownSide), ShortenedSchemeText(names->shown),
                                     letter(names->otherSide), ShortenedSchemeText(names->other));
        ParameterEdit* wheelSet = edits_[3];
        wheelSet->setToolTip(
            wheelSet->toolTip().isEmpty() ? tip : wheelSet->toolTip() + QLatin1Char('\n') + tip);
    }
}

void TFormMain::MarkEmptyFields() {
    for (ParameterEdit* edit : edits_) {
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
    // The file is read into the spare scheme and swapped in only when valid;
    // the scheme it replaces becomes the spare, whose texts the next load reuses.
    if (const std::optional<ReadError> error = ReadSchemeFileInto(
            QFile::encodeName(path).toStdString(), scheme_->state.schemeType, *spare_)) {
        dialogs_->Warn(this, kWarningCaption,
                       QFileInfo(path).fileName() + QStringLiteral(": ") +
                           QString::fromStdString(error->Message()));
        return false;
    }
    std::swap(scheme_, spare_);
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
    if (CurrentCar(*scheme_).inverted != chbInvert_->isChecked()) {
        changed_ = true;
    }
    SetInverted(*scheme_, chbInvert_->isChecked());
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
