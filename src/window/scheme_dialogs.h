// The file dialogs and message boxes of the editor, behind an interface so
// that tests answer them without a modal dialog.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "model/language.h"

class QPrinter;
class QWidget;

namespace quorvane {

enum class UnsavedChoice { Save, Discard, Cancel };

class SchemeDialogs {
public:
    virtual ~SchemeDialogs() = default;

    // The save dialog: opens in folder, proposes the file name, completes a
    // name without suffix with ".sch", shows only "SCH files (*.sch)" (in the
    // editor's language). Nothing when cancelled.
    virtual std::optional<QString> AskSaveFileName(QWidget* parent, const QString& folder,
                                                   const QString& proposedName) = 0;
    // The open dialog, in folder, with the same suffix and filter.
    virtual std::optional<QString> AskOpenFileName(QWidget* parent, const QString& folder) = 0;
    // A modal box with a warning icon and an OK button.
    virtual void Warn(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Asks whether to save the changes of the scheme before they would be
    // lost: save, discard, or cancel what was about to happen.
    virtual UnsavedChoice AskUnsaved(QWidget* parent, const QString& question) = 0;
    // Asks whether to replace a file: true for the button captioned replace;
    // false for cancel, which is the default and Escape's answer.
    virtual bool AskReplace(QWidget* parent, const QString& question, const QString& replace,
                            const QString& cancel) = 0;

    // The dialog that exports the sheet: opens in folder, proposes the file
    // name, offers .pdf, .svg and .png, completes a name without suffix with
    // ".pdf". Nothing when cancelled.
    virtual std::optional<QString> AskExportFileName(QWidget* parent, const QString& folder,
                                                     const QString& proposedName) = 0;
    // Whether the system knows any printer.
    virtual bool PrintersAvailable() = 0;
    // Asks, when no printer is set up, whether to export the sheet instead:
    // true for the button captioned exportInstead.
    virtual bool AskExportInstead(QWidget* parent, const QString& question,
                                  const QString& exportInstead, const QString& cancel) = 0;
    // The print dialog on printer: true when the operator prints.
    virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;
};

// The dialogs of Qt in the editor's language. A desktop's native file
// dialog speaks the desktop's language: unless nativeFileDialogs, Qt's own
// dialog is shown instead, which speaks the translations Qt loaded.
std::unique_ptr<SchemeDialogs> MakeQtDialogs(Language language, bool nativeFileDialogs);

}  // namespace quorvane
