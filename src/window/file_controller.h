// The editor's files: New, opening a scheme, saving it in place or under a
// name chosen in the dialog, the questions before work would be lost or a
// file replaced, and the measurement sheet exported or printed. Typing not
// stored yet is stored first wherever the scheme leaves the editor. It
// remembers the folder last used, and tells the window what to show.
#pragma once

#include <QObject>
#include <QString>

#include "model/language.h"
#include "sheet/train_sheet.h"

class QWidget;

namespace quorvane {

class ParameterPanel;
class SchemeDialogs;
class SchemeDocument;
struct TextPair;

class FileController final : public QObject {
    Q_OBJECT

public:
    // The typing comes from panel; dialogs open over window.
    FileController(SchemeDocument& document, const ParameterPanel& panel, SchemeDialogs& dialogs,
                   QWidget& window);

    void ApplyLanguage(Language language) { language_ = language; }

    // Whether closing, New or Load would lose work: the document is modified
    // (not undone back to its last save, load or New), or an edit holds
    // typing not stored yet.
    bool HasUnsavedWork() const;
    // Asks about unsaved work; true when what would lose it may go on.
    bool ConfirmDiscard();

    // New scheme and Load, after the question.
    void New();
    void Open();
    // Loads a file as Load does, without the dialog and the question; a
    // refused file is reported and changes nothing.
    bool OpenFile(const QString& path);

    // Ctrl+S: into the scheme's own file without a dialog, asking first when
    // another program changed it; with the dialog when it has no file yet.
    bool SaveInPlace();
    // The Save button and Ctrl+Shift+S: the dialog, which proposes the own
    // file, or "NAME.sch" in the folder last used.
    bool SaveWithDialog();

    // The measurement sheet of the scheme as it stands.
    void ExportSheet();
    void PrintSheet();

signals:
    // A scheme was read in: its walk starts.
    void opened();
    // For the status line.
    void message(const QString& text);

private:
    void StoreTyping();
    // Whether saving may replace what is at path: nothing, the scheme's own
    // file as it was opened or saved, or a file the operator agreed to
    // replace when asked.
    bool MayReplace(const QString& path);
    bool IsOwnFile(const QString& path) const;
    // The question of kind question about the file at path: true for Replace.
    bool AskReplace(const TextPair& question, const QString& path);
    // Writes the scheme to path; a failure is shown and leaves the old file
    // and the scheme's unsaved mark as they were.
    bool WriteTo(const QString& path);
    // The warning of a file that failed: the first line, the file and why.
    void WarnAbout(const QString& path, const TextPair& first, const QString& reason);
    // The sheet in the editor's language, of the scheme's file and today.
    SheetOptions SheetOptionsNow() const;
    QString Text(const TextPair& text) const;

    SchemeDocument& document_;
    const ParameterPanel& panel_;
    SchemeDialogs& dialogs_;
    QWidget& window_;
    Language language_ = Language::English;
    // Where a save dialog for a scheme without a file, the open dialog and
    // the export dialog start: the folder of the file last opened or saved.
    QString lastFolder_;
};

}  // namespace quorvane
