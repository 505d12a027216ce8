// The editor's one window, a view of the document: its controls, its
// captions and title, the refresh of both drawings and every counter, and
// the wiring of every control event to the document and the scheme files.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "document/scheme_document.h"
#include "model/language.h"
#include "model/mode_table.h"
#include "model/parameter_entry.h"
#include "model/scheme.h"
#include "qpainter/qimage_surface.h"
#include "sheet/train_sheet.h"
#include "window/scheme_dialogs.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScreen;
class QScrollArea;
class QStatusBar;

namespace quorvane {

class InvertCheckBox;
class ParameterEdit;
class SurfaceView;

class TFormMain final : public QWidget {
    Q_OBJECT

public:
    // Throws when the window lacks a control of the control table.
    explicit TFormMain(std::unique_ptr<SchemeDialogs> dialogs,
                       Language language = Language::English, QWidget* parent = nullptr);
    ~TFormMain() override;

    const SchemeDocument& document() const { return document_; }
    const Scheme& scheme() const { return document_.scheme(); }

    // Whether closing, New or Load would lose work: the document is modified
    // (not undone back to its last save, load or New), or an edit holds
    // typing not stored yet.
    bool HasUnsavedWork() const;

    // Loads a file as Load does, without the dialog and without asking about
    // unsaved work; a refused file is reported and changes nothing.
    bool OpenFile(const QString& path);

    void ApplyCaptions(Language language);
    void UpdateTitle();
    void RefreshView();

    // The event handlers, by control and event.
    void FormCreate();
    void btnNewClick();
    void btnSetClick();
    void btnSaveClick();
    void btnLoadClick();
    void btnExitClick();
    void btnUndoClick();
    void btnRedoClick();
    void cxButton1Click();
    void cxButton2Click();
    void cxButton3Click();
    void cxButton4Click();
    void cxButton5Click();
    void cxButton6Click();
    void cxButton7Click();
    void cxButton8Click();
    void cxButton9Click();
    void cxButton10Click();
    void cxButton11Click();
    void cxButton12Click();
    void cxButton13Click();
    void cxButton14Click();
    void chbInvertClick();
    void Image1MouseDown(QPoint at);
    // Ctrl+E and Ctrl+P, and the drawings' context menus: the measurement
    // sheet of the scheme as it stands, typing stored first.
    void ExportSheet();
    void PrintSheet();
    void Image2MouseDown(QPoint at);
    void Image2MouseMove(QPoint at);
    void editSeriesExit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    // Finds every control of the control table and every captioned label, or
    // throws naming the first that is missing or of another kind.
    void FindControls();
    void WireEvents();
    void WireKeys();

    // Runs a handler; an exception that escapes it is shown, and the editor
    // goes on with the scheme as the handler left it.
    void Guarded(const std::function<void()>& handler);

    template <class Widget>
    Widget* ControlWidget(Control control) const {
        return static_cast<Widget*>(controls_[static_cast<std::size_t>(control)]);
    }
    QPushButton* Button(Control control) const;
    ParameterEdit* Edit(Control control) const;
    QLineEdit* Display(Control control) const;
    InvertCheckBox* InvertBox() const;
    // The five parameter edits, series first.
    std::array<ParameterEdit*, 5> Edits() const;

    // Everything the document shows: the edits, both drawings, the counters,
    // the title and the undo controls.
    void ShowDocument();
    void ApplyControlStates(ControlState (*stateOf)(Control));
    // The control states of the document's mode.
    void ApplyModeStates();
    void ShowSetButtonTexts();
    // The edits as the operator leaves them: those changed, with their texts.
    EditedTexts EditsNow() const;
    // Whether an edit holds typing that differs from the model.
    bool HasTypedEdits() const;
    // Shows the texts of the walk position, as untouched; empty in LayoutMode.
    void LoadEditsFromModel();
    // The tooltips of the edits: a shortened text, two wheel-set names.
    void UpdateEditTips();
    void MarkEmptyFields();
    // The marks of unsaved work: the title's and the undo controls'.
    void ShowUnsavedState();
    void UpdateUndoControls(bool typed);
    // Ctrl+S and the unsaved-work question's Save: into the scheme's own file
    // without a dialog, asking first when another program changed it; with
    // the dialog when the scheme has no file yet.
    bool SaveInPlace();
    // The Save button and Ctrl+Shift+S: the dialog, which proposes the own
    // file, or "NAME.sch" in the folder last used.
    bool SaveWithDialog();
    // Whether saving may replace what is at path: nothing, the scheme's own
    // file as it was opened or saved, or a file the operator agreed to
    // replace when asked.
    bool MayReplace(const QString& path);
    // Whether path names the file the scheme was opened from or saved to.
    bool IsOwnFile(const QString& path) const;
    // The question of kind question about the file at path: true for Replace.
    bool AskReplace(const TextPair& question, const QString& path);
    // Writes the scheme to path atomically; a failure is shown and leaves
    // the old file and the scheme's unsaved mark as they were.
    bool WriteTo(const QString& path);
    bool LoadScheme(const QString& path);
    // Asks about unsaved work; true when the action may go on.
    bool ConfirmDiscard();
    // The sheet in the editor's language, of the scheme's file and today.
    SheetOptions SheetOptionsNow() const;
    // The drawings' context menu: Export sheet and Print.
    void AddSheetActions(QWidget* drawing);
    // Moves the window, frame and all, onto the available area of its screen
    // where the platform lets it.
    void PlaceWindow(QRect frame, const QScreen* screen);
    // Both drawings at the device pixel ratio of the window's screen.
    void MatchScreenRatio();
    // Draws the strip with the given car hovered (-1 for none) and shows it.
    void DrawStrip(int hovered);
    // Ctrl+D in an edit: the same field's text of the previous wheel set.
    void FillDown(ParameterEdit* edit);
    // After a step from the keyboard: the first empty parameter edit.
    void FocusFirstEmptyEdit();
    // The first empty edit after the one given, in tab order; false when
    // there is none.
    bool FocusNextEmptyEdit(const ParameterEdit* after);
    // Where the operator is and how much of the train is entered.
    void ShowStatus();
    // A message in the status line, until the document next changes.
    void ShowMessage(const QString& message);

    std::unique_ptr<SchemeDialogs> dialogs_;
    SchemeDocument document_;
    Language language_;
    // Where a save dialog for a scheme without a file, and the open dialog,
    // start: the folder of the file last opened or saved.
    QString lastFolder_;
    QImageSurface carSurface_;
    QImageSurface stripSurface_;
    // The hovered car the strip shows; kStripUnknown after a draw that did
    // not finish or a handler that failed before its refresh.
    static constexpr int kStripUnknown = -2;
    int stripHovered_ = kStripUnknown;

    // By Control, each of the kind the control table gives it.
    std::array<QWidget*, kControlCount> controls_{};
    std::vector<std::pair<QLabel*, TextPair>> captionedLabels_;
    // The drawings' context menu entries, captioned in the language.
    std::vector<std::pair<QAction*, TextPair>> captionedActions_;
    SurfaceView* image1_ = nullptr;
    SurfaceView* image2_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool shownOnce_ = false;
    QLabel* statusLine_ = nullptr;
};

}  // namespace quorvane
