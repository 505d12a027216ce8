#include "window/form_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <QWindow>
#include <exception>
#include <optional>
#include <utility>

#include "fileio/language_text.h"
#include "model/car_shift.h"
#include "window/command_actions.h"
#include "window/content_scroll.h"
#include "window/control_table.h"
#include "window/file_controller.h"
#include "window/invert_check_box.h"
#include "window/number_field.h"
#include "window/number_fields.h"
#include "window/parameter_edit.h"
#include "window/parameter_panel.h"
#include "window/scheme_drawings.h"
#include "window/surface_view.h"
#include "window/window_place.h"
#include "window/window_status.h"
#include "window/window_texts.h"

namespace quorvane {

namespace {

constexpr QPoint kWindowPlace(604, 225);

std::size_t Index(Control control) {
    return static_cast<std::size_t>(control);
}

}  // namespace

TFormMain::TFormMain(std::unique_ptr<SchemeDialogs> dialogs, Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)),
      document_(language),
      language_(language) {
    setObjectName(QStringLiteral("FormMain"));
    // "MS Sans Serif" where the platform has it, else its sans-serif, 8 point.
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    scroll_ = new ContentScroll(*this, QSize(kClientWidth, kClientHeight));
    move(kWindowPlace);
    // The frame is not known before the window is shown; its client area
    // stands in for it until then.
    const QScreen* opensOn = QGuiApplication::screenAt(kWindowPlace);
    FitWindow({}, opensOn != nullptr ? opensOn : QGuiApplication::primaryScreen());
    setAcceptDrops(true);

    widgets_ = BuildWindowWidgets(scroll_->Content());
    actions_ = new CommandActions(*this, [this](Control control) {
        Run([this, call = WindowControlOf(control).call] { (this->*call)(); });
    });
    panel_ = new ParameterPanel(document_, widgets_.edits, this);
    numbers_ = new NumberFields(document_, *panel_, widgets_.displays, this);
    drawings_ = new SchemeDrawings(document_, *widgets_.carPanel, *widgets_.stripPanel);
    status_ = new WindowStatus(*this, scroll_->Content(), kStatusPlace);
    files_ = new FileController(document_, *panel_, *dialogs_, *this);
    Wire();

    // FormCreate: the captions, the mode's states, the new scheme.
    ApplyCaptions(language_);
    ApplyModeStates();
    ShowDocument();
    FocusWhereTypingGoes();
}

TFormMain::~TFormMain() {
    // Destroying the children moves the focus out of an edit; by then this
    // window is no more than a QWidget, so its handlers must not run.
    for (ParameterEdit* edit : widgets_.edits) {
        edit->disconnect();
    }
    for (NumberField* field : widgets_.displays) {
        if (field != nullptr) {
            field->disconnect();
        }
    }
}

QAction* TFormMain::Action(Control control) const {
    return actions_->Of(control);
}

void TFormMain::Wire() {
    for (const WindowControl& row : WindowControls()) {
        if (QPushButton* button = widgets_.buttons[Index(row.control)]) {
            actions_->BindButton(*button, row.control);
        }
    }
    connect(widgets_.invert, &QAbstractButton::clicked, this,
            [this] { Run([this] { chbInvertClick(); }); });

    drawings_->AddStripMenuActions({Action(Control::InsertCarBefore),
                                    Action(Control::InsertCarAfter),
                                    Action(Control::RemoveCurrentCar)});
    drawings_->AddMenuActions({Action(Control::ExportSheet), Action(Control::PrintSheet)});
    connect(&drawings_->CarView(), &SurfaceView::pressed, this,
            [this](QPoint at, Qt::MouseButton button) {
                Guarded([&] { drawings_->Image1MouseDown(at, button); });
            });
    connect(&drawings_->Strip(), &SurfaceView::pressed, this, [this](QPoint at, Qt::MouseButton) {
        Guarded([&] { drawings_->Image2MouseDown(at); });
    });
    connect(&drawings_->Strip(), &SurfaceView::moved, this,
            [this](QPoint at) { Guarded([&] { drawings_->Image2MouseMove(at); }); });
    connect(drawings_, &SchemeDrawings::axleClicked, this,
            [this](int axle) { Run([&] { document_.SelectAxle(panel_->EditsNow(), axle); }); });
    connect(drawings_, &SchemeDrawings::carClicked, this,
            [this](int car) { Run([&] { document_.SelectCar(panel_->EditsNow(), car); }); });

    connect(panel_, &ParameterPanel::typingChanged, this, &TFormMain::ShowUnsavedState);
    connect(panel_, &ParameterPanel::message, status_, &WindowStatus::ShowMessage);
    // Enter and Shift+Enter step as the walk buttons do, while they may.
    connect(panel_, &ParameterPanel::stepRequested, this, [this](bool backwards) {
        if (backwards) {
            Action(Control::PreviousWheelSet)->trigger();
            return;
        }
        const bool last = scheme().state.walkCursor + 1 >= scheme().state.totalAxles;
        Action(Control::NextWheelSet)->trigger();
        if (last && scheme().mode == Mode::ParameterMode) {
            status_->ShowLastWheelSet(scheme());
        }
    });

    // Enter applies the typing as any command would first; leaving the
    // field applies it where the focus went.
    connect(numbers_, &NumberFields::enterPressed, this, [this] { Run([] {}); });
    connect(numbers_, &NumberFields::leftPending, this,
            [this](NumberField* field) { Guarded([&] { numbers_->Apply(*field); }); });
    connect(numbers_, &NumberFields::stepRequested, this, [this](Control command) {
        keepFocus_ = true;
        Action(command)->trigger();
        keepFocus_ = false;
    });
    connect(numbers_, &NumberFields::message, status_, &WindowStatus::ShowMessage);

    connect(files_, &FileController::opened, this, &TFormMain::FocusWhereTypingGoes);
    connect(files_, &FileController::message, status_, &WindowStatus::ShowMessage);
    connect(&document_, &SchemeDocument::modeChanged, this, &TFormMain::ApplyModeStates);
    connect(&document_, &SchemeDocument::changed, this, &TFormMain::ShowDocument);
}

void TFormMain::Run(const std::function<void()>& command) {
    const Mode mode = scheme().mode;
    const int walk = scheme().state.walkCursor;
    QWidget* focused = focusWidget();
    if (NumberField* pending = numbers_->Pending()) {
        Guarded([&] { numbers_->Apply(*pending); });
    }
    Guarded(command);
    const bool keepFocus = std::exchange(keepFocus_, false);
    if (!isVisible() || keepFocus) {
        return;
    }
    const auto button = [this](Control control) { return widgets_.buttons[Index(control)]; };
    QWidget* now = focusWidget();
    // Qt hands the focus of a control that was disabled to the next one
    // in the chain, which may be any button.
    const bool misplaced = now == nullptr || now != focused || !now->isEnabled() ||
                           now == button(Control::NewScheme) ||
                           now == button(Control::LoadScheme) || now == button(Control::Exit);
    const bool moved = scheme().mode != mode ||
                       (scheme().mode == Mode::ParameterMode && scheme().state.walkCursor != walk);
    if (moved || misplaced) {
        FocusWhereTypingGoes();
    }
}

void TFormMain::FocusWhereTypingGoes() {
    if (scheme().mode == Mode::ParameterMode) {
        panel_->FocusForTyping();
    } else {
        drawings_->Strip().setFocus(Qt::OtherFocusReason);
    }
}

void TFormMain::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        drawings_->ForgetHover();
        dialogs_->Warn(this, windowTitle(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        drawings_->ForgetHover();
        dialogs_->Warn(this, windowTitle(), QString());
    }
}

void TFormMain::ApplyCaptions(Language language) {
    language_ = language;
    document_.SetLanguage(language);
    actions_->ApplyLanguage(language);
    panel_->ApplyLanguage(language);
    numbers_->ApplyLanguage(language);
    status_->ApplyLanguage(language);
    files_->ApplyLanguage(language);
    widgets_.invert->setText(InLanguage(WindowControlOf(Control::Invert).caption, language));
    for (const auto& [label, caption] : widgets_.labels) {
        label->setText(InLanguage(caption, language));
        label->adjustSize();
    }
    ShowUnsavedState();
    status_->Show(scheme());
}

void TFormMain::UpdateTitle() {
    status_->ShowTitle(scheme());
}

void TFormMain::RefreshView() {
    drawings_->Refresh();
    ShowCounters();
}

void TFormMain::ShowCounters() {
    numbers_->Show(scheme());
    widgets_.invert->setChecked(CurrentCar(scheme()).inverted);
}

void TFormMain::ShowDocument() {
    panel_->ShowWalkPosition();
    RefreshView();
    UpdateTitle();
    ShowUnsavedState();
    status_->Show(scheme());
}

void TFormMain::ApplyModeStates() {
    const Mode mode = scheme().mode;
    actions_->ApplyMode(mode);
    for (const WindowControl& row : WindowControls()) {
        const ControlState state = ControlStateIn(mode, row.control);
        switch (row.kind) {
            case ControlKind::ParameterEdit:  // read-only only while a text is shortened
                widgets_.edits.at(Index(row.control) - Index(Control::Series))
                    ->setEnabled(state.enabled);
                break;
            case ControlKind::CheckBox:
                widgets_.invert->setEnabled(state.enabled);
                widgets_.invert->SetReadOnly(state.readOnly);
                break;
            case ControlKind::Display:
                widgets_.displays[Index(row.control)]->setEnabled(state.enabled);
                widgets_.displays[Index(row.control)]->setReadOnly(state.readOnly);
                break;
            case ControlKind::Button:  // follow their actions
            case ControlKind::Command:
                break;
        }
    }
    numbers_->ShowTips();
    ShowUnsavedState();
}

// Typing not stored yet is the newest change: Undo takes it back first, and
// Redo waits until it is gone.
void TFormMain::ShowUnsavedState() {
    const bool typed = panel_->HasTyping();
    status_->ShowUnsaved(document_.IsModified() || typed);
    const QUndoStack& stack = document_.undoStack();
    actions_->ShowUndoSteps(typed ? InLanguage(kTypingStep, language_)
                                  : (stack.canUndo() ? stack.undoText() : QString()),
                            stack.canRedo() ? stack.redoText() : QString(), typed);
}

bool TFormMain::HasUnsavedWork() const {
    return files_->HasUnsavedWork();
}

bool TFormMain::OpenFile(const QString& path) {
    return files_->OpenFile(path);
}

void TFormMain::btnNewClick() {
    files_->New();
}

void TFormMain::btnSetClick() {
    if (scheme().mode == Mode::LayoutMode) {
        document_.AcceptLayout();
    } else {
        document_.EditLayout(panel_->EditsNow());
    }
}

void TFormMain::btnSaveClick() {
    files_->SaveWithDialog();
}

void TFormMain::SaveInPlace() {
    files_->SaveInPlace();
}

void TFormMain::btnLoadClick() {
    files_->Open();
}

void TFormMain::btnExitClick() {
    close();
}

void TFormMain::btnUndoClick() {
    if (panel_->HasTyping()) {
        panel_->ShowWalkPosition();
        ShowUnsavedState();
    } else {
        document_.Undo();
    }
}

void TFormMain::btnRedoClick() {
    if (!panel_->HasTyping()) {
        document_.Redo();
    }
}

// Previous and next wheel set, previous and next car of the walk.
void TFormMain::cxButton1Click() {
    document_.StepWalk(panel_->EditsNow(), SchemeDocument::WalkStep::PreviousWheelSet);
}

void TFormMain::cxButton10Click() {
    document_.StepWalk(panel_->EditsNow(), SchemeDocument::WalkStep::NextWheelSet);
}

void TFormMain::cxButton11Click() {
    document_.StepWalk(panel_->EditsNow(), SchemeDocument::WalkStep::PreviousCar);
}

void TFormMain::cxButton12Click() {
    document_.StepWalk(panel_->EditsNow(), SchemeDocument::WalkStep::NextCar);
}

void TFormMain::cxButton2Click() {
    const int cars = scheme().state.carCount;
    const bool heldTexts = scheme().mode == Mode::LayoutMode && cars > 1 &&
                           HoldsTexts(scheme().cars.at(static_cast<std::size_t>(cars - 1)));
    document_.ChangeLayout(SchemeDocument::LayoutStep::RemoveCar);
    ShowRemovedTexts(cars, heldTexts && scheme().state.carCount < cars);
}

void TFormMain::InsertCarAfter() {
    ChangeCars(SchemeDocument::CarStep::InsertAfter);
}

void TFormMain::InsertCarBefore() {
    ChangeCars(SchemeDocument::CarStep::InsertBefore);
}

void TFormMain::RemoveCurrentCar() {
    ChangeCars(SchemeDocument::CarStep::Remove);
}

void TFormMain::ChangeCars(SchemeDocument::CarStep step) {
    if (scheme().mode != Mode::LayoutMode) {
        return;
    }
    const bool removing = step == SchemeDocument::CarStep::Remove;
    const int car = scheme().state.currentCar + 1;
    const bool heldTexts = removing && HoldsTexts(CurrentCar(scheme()));
    if (!document_.ChangeCars(step)) {
        status_->ShowMessage(InLanguage(removing ? kOneCarLeft : kFortyCars, language_));
        return;
    }
    ShowRemovedTexts(car, heldTexts);
}

void TFormMain::ShowRemovedTexts(int car, bool heldTexts) {
    if (heldTexts) {
        status_->ShowMessage(InLanguage(kCarRemovedWithTexts, language_).arg(car));
    }
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
    document_.SetInverted(widgets_.invert->isChecked());
}

void TFormMain::ExportSheet() {
    files_->ExportSheet();
}

void TFormMain::PrintSheet() {
    files_->PrintSheet();
}

void TFormMain::GoToWheelSet() {
    NumberField* field = numbers_->Field(Control::WalkPositionDisplay);
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
    keepFocus_ = true;
}

void TFormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_ && windowHandle() != nullptr) {
        shownOnce_ = true;
        // Qt 6.4 tells of no change of the ratio itself, only of the screen.
        connect(windowHandle(), &QWindow::screenChanged, this,
                [this] { Guarded([this] { drawings_->MatchRatio(devicePixelRatioF()); }); });
        const QRect frame = frameGeometry();
        const QRect client = geometry();
        FitWindow(QMargins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom()),
                  screen());
    }
    drawings_->MatchRatio(devicePixelRatioF());
}

void TFormMain::FitWindow(QMargins frame, const QScreen* screen) {
    const QSize content(kClientWidth, kClientHeight);
    if (screen == nullptr) {
        setFixedSize(content);
        return;
    }
    const double ratio = screen->devicePixelRatio();
    const QSize client =
        FitOnScreen(content, frame, screen->availableGeometry(), ratio,
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_));
    setFixedSize(client);
    // Where the desktop places windows, the size still fits its screen.
    if (!PlatformPlacesWindows()) {
        return;
    }
    const QRect asked(pos(), client.grownBy(frame));
    const QPoint place = PlaceOnScreen(asked, screen->availableGeometry(), ratio);
    if (place != asked.topLeft()) {
        move(place);
    }
}

void TFormMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Guarded([&] { mayClose = files_->ConfirmDiscard(); });
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
        if (files_->ConfirmDiscard()) {
            files_->OpenFile(*path);
        }
    });
}

}  // namespace quorvane
