// The editor's one window, a view of the document: it composes its widgets,
// the command actions, the parameter panel, the two drawings, the status
// line and the file controller, runs each command's handler, and shows the
// document whenever it changes.
#pragma once

#include <QMargins>
#include <QWidget>
#include <functional>
#include <memory>

#include "document/scheme_document.h"
#include "model/language.h"
#include "model/mode_table.h"
#include "model/scheme.h"
#include "window/scheme_dialogs.h"
#include "window/window_layout.h"

class QAction;
class QScreen;

namespace quorvane {

class CommandActions;
class ContentScroll;
class FileController;
class NumberFields;
class ParameterPanel;
class SchemeDrawings;
class WindowStatus;

class TFormMain final : public QWidget {
    Q_OBJECT

public:
    explicit TFormMain(std::unique_ptr<SchemeDialogs> dialogs,
                       Language language = Language::English, QWidget* parent = nullptr);
    ~TFormMain() override;

    const SchemeDocument& document() const { return document_; }
    const Scheme& scheme() const { return document_.scheme(); }
    // The action of a command: what its keys, its button and its menu entry
    // trigger. Null for a control that is no command.
    QAction* Action(Control control) const;

    // Whether closing, New or Load would lose work.
    bool HasUnsavedWork() const;

    // Loads a file as Load does, without the dialog and without asking about
    // unsaved work; a refused file is reported and changes nothing.
    bool OpenFile(const QString& path);

    void ApplyCaptions(Language language);
    void UpdateTitle();
    void RefreshView();

    // The handlers of the commands, by control, as the control table calls them.
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
    // Ctrl+S, and Export sheet and Print, from their keys and the drawings'
    // context menus.
    void SaveInPlace();
    void ExportSheet();
    void PrintSheet();
    // Ctrl+G: the cursor into the walk position's field, its number selected.
    void GoToWheelSet();
    // A car inserted after or before the current one, or the current car
    // removed, from their keys and the strip's context menu.
    void InsertCarAfter();
    void InsertCarBefore();
    void RemoveCurrentCar();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Wire();

    // Runs a command, an exception shown, and puts the focus where typing
    // goes on when the command moved the walk, changed the mode or left the
    // focus where it should not stay. A number typed and not applied yet is
    // applied first, as Enter would.
    void Run(const std::function<void()>& command);
    void PlaceFocusAfter(Mode modeBefore, int walkBefore);
    // During the walk the first empty field, else the first; in the layout
    // the strip.
    void FocusWhereTypingGoes();
    // Runs a handler; an exception that escapes it is shown, and the editor
    // goes on with the scheme as the handler left it.
    void Guarded(const std::function<void()>& handler);

    // Everything the document shows: the edits, both drawings, the counters,
    // the title, the status line and the undo actions.
    void ShowDocument();
    // The counter displays and the Invert box.
    void ShowCounters();
    // The enabled and read-only states of the mode, controls and actions.
    void ApplyModeStates();
    // The marks of unsaved work: the title's and the undo actions'.
    void ShowUnsavedState();
    // Sizes the window to fit the available area of its screen, scroll bars
    // over its content where it must be cut, and moves it, frame (its
    // margins around the client area) and all, onto that area where the
    // platform lets it.
    void FitWindow(QMargins frame, const QScreen* screen);
    // Inserts or removes a car; the status line says why the train's limits
    // refused it, or which car went with its texts.
    void ChangeCars(SchemeDocument::CarStep step);
    // After a removal: the car that went with texts, and how to get it back.
    void ShowRemovedTexts(int car, bool heldTexts);

    std::unique_ptr<SchemeDialogs> dialogs_;
    SchemeDocument document_;
    Language language_;
    ContentScroll* scroll_;
    WindowWidgets widgets_;
    CommandActions* actions_;
    ParameterPanel* panel_;
    NumberFields* numbers_;
    SchemeDrawings* drawings_;
    WindowStatus* status_;
    FileController* files_;
    bool shownOnce_ = false;
    // Set by a command that put the focus where it must stay.
    bool keepFocus_ = false;
};

}  // namespace quorvane
