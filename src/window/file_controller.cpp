#include "window/file_controller.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QWidget>
#include <optional>
#include <utility>

#include "document/scheme_document.h"
#include "fileio/language_text.h"
#include "fileio/same_file.h"
#include "fileio/scheme_files.h"
#include "model/progress.h"
#include "sheet/sheet_export.h"
#include "sheet/train_sheet.h"
#include "window/parameter_edit.h"
#include "window/parameter_panel.h"
#include "window/scheme_dialogs.h"
#include "window/window_texts.h"

namespace quorvane {

FileController::FileController(SchemeDocument& document, const ParameterPanel& panel,
                               SchemeDialogs& dialogs, QWidget& window)
    : QObject(&window),
      document_(document),
      panel_(panel),
      dialogs_(dialogs),
      window_(window),
      lastFolder_(QDir::currentPath()) {}

QString FileController::Text(const TextPair& text) const {
    return InLanguage(text, language_);
}

void FileController::StoreTyping() {
    document_.StoreEdits(panel_.EditsNow());
}

bool FileController::HasUnsavedWork() const {
    return document_.IsModified() || panel_.HasTyping();
}

bool FileController::ConfirmDiscard() {
    if (!HasUnsavedWork()) {
        return true;
    }
    switch (dialogs_.AskUnsaved(&window_, Text(kUnsavedQuestion))) {
        case UnsavedChoice::Discard:
            return true;
        case UnsavedChoice::Cancel:
            return false;
        case UnsavedChoice::Save:
            return SaveInPlace();
    }
    return false;
}

void FileController::New() {
    if (ConfirmDiscard()) {
        document_.New();
    }
}

void FileController::Open() {
    if (!ConfirmDiscard()) {
        return;
    }
    if (const std::optional<QString> path = dialogs_.AskOpenFileName(&window_, lastFolder_)) {
        OpenFile(*path);
    }
}

// A file that was read whole starts a new document, its walk in ParameterMode.
bool FileController::OpenFile(const QString& path) {
    SchemeLoadResult loaded = LoadSchemeFile(path, document_.scheme().state.schemeType);
    if (!loaded.scheme) {
        dialogs_.Warn(&window_, Text(kWarningCaption),
                      QFileInfo(path).fileName() + QStringLiteral(": ") + loaded.reason);
        return false;
    }
    document_.Open(std::move(loaded.scheme), path);
    lastFolder_ = QFileInfo(path).absolutePath();
    emit opened();
    return true;
}

bool FileController::SaveInPlace() {
    StoreTyping();
    const QString own = document_.filePath();
    if (own.isEmpty()) {
        return SaveWithDialog();
    }
    return MayReplace(own) && WriteTo(own);
}

bool FileController::SaveWithDialog() {
    StoreTyping();
    const QString own = document_.filePath();
    QString folder = lastFolder_;
    QString proposed = ShortenedSchemeText(document_.scheme().fileName) + QStringLiteral(".sch");
    if (!own.isEmpty()) {
        folder = QFileInfo(own).absolutePath();
        proposed = QFileInfo(own).fileName();
    }
    // Where the operator does not agree to replace the file chosen, the
    // dialog comes back with that file chosen.
    for (;;) {
        const std::optional<QString> path = dialogs_.AskSaveFileName(&window_, folder, proposed);
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

bool FileController::MayReplace(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    if (!IsOwnFile(path)) {
        return AskReplace(kReplaceAnotherQuestion, path);
    }
    return !document_.FileChangedOnDisk() || AskReplace(kChangedOnDiskQuestion, path);
}

bool FileController::IsOwnFile(const QString& path) const {
    const QString own = document_.filePath();
    if (own.isEmpty()) {
        return false;
    }
    const QFileInfo a(path);
    const QFileInfo b(own);
    return a.absoluteFilePath() == b.absoluteFilePath() ||
           (!a.canonicalFilePath().isEmpty() && a.canonicalFilePath() == b.canonicalFilePath());
}

bool FileController::AskReplace(const TextPair& question, const QString& path) {
    return dialogs_.AskReplace(&window_, Text(question).arg(QFileInfo(path).fileName()),
                               Text(kReplaceButton), Text(kCancelButton));
}

void FileController::WarnAbout(const QString& path, const TextPair& first, const QString& reason) {
    dialogs_.Warn(&window_, Text(kWarningCaption),
                  Text(first) + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
                      QStringLiteral(": ") + reason);
}

bool FileController::WriteTo(const QString& path) {
    const SchemeSaveResult saved = SaveSchemeFile(document_.scheme(), path);
    if (saved.failure) {
        using Kind = SchemeSaveFailure::Kind;
        switch (saved.failure->kind) {
            case Kind::NameNotStorable:
                WarnAbout(path, kCannotOpenFile, Text(kNameNotStorable));
                break;
            case Kind::CannotOpen:
                WarnAbout(path, kCannotOpenFile, saved.failure->reason);
                break;
            case Kind::SchemeNotStorable:
            case Kind::CannotWrite:
                WarnAbout(path, kCannotWriteFile, saved.failure->reason);
                break;
        }
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    document_.MarkSaved(saved.name, path);
    // Nothing is refused for being incomplete; the operator is told.
    const int incomplete = ProgressOf(document_.scheme()).Incomplete();
    emit message(incomplete == 0   ? Text(kSavedComplete)
                 : incomplete == 1 ? Text(kSavedOneIncomplete)
                                   : Text(kSavedIncomplete).arg(incomplete));
    return true;
}

SheetOptions FileController::SheetOptionsNow() const {
    SheetOptions options;
    options.language = language_;
    if (!document_.filePath().isEmpty()) {
        options.fileName = QFileInfo(document_.filePath()).fileName();
    }
    return options;
}

void FileController::ExportSheet() {
    StoreTyping();
    const QString proposed =
        ShortenedSchemeText(document_.scheme().fileName) + QStringLiteral(".pdf");
    const std::optional<QString> path = dialogs_.AskExportFileName(&window_, lastFolder_, proposed);
    if (!path) {
        return;
    }
    if (!SheetFormatOfPath(*path)) {
        dialogs_.Warn(&window_, Text(kWarningCaption), Text(kSheetFormats).arg(SheetSuffixes()));
        return;
    }
    // The scheme's file under a sheet's name, through a link or a rename.
    if (!document_.filePath().isEmpty() && IsSameFile(*path, document_.filePath())) {
        WarnAbout(*path, kCannotWriteFile, Text(kSheetOverScheme));
        return;
    }
    if (const std::optional<SheetExportFailure> failure =
            ExportTrainSheet(document_.scheme(), *path, SheetOptionsNow())) {
        const bool opening = failure->kind == SheetExportFailure::Kind::CannotOpen;
        WarnAbout(*path, opening ? kCannotOpenFile : kCannotWriteFile, failure->reason);
        return;
    }
    lastFolder_ = QFileInfo(*path).absolutePath();
    emit message(Text(kSheetExported).arg(QFileInfo(*path).fileName()));
}

void FileController::PrintSheet() {
    StoreTyping();
    if (!dialogs_.PrintersAvailable()) {
        if (dialogs_.AskExportInstead(&window_, Text(kNoPrinterQuestion),
                                      Text(kExportInsteadButton), Text(kCancelButton))) {
            ExportSheet();
        }
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SheetPageLayout(SheetOptionsNow()));
    // The job's name, and the title of a PDF printed to a file.
    printer.setDocName(SheetText(ShortenedSchemeText(document_.scheme().fileName)));
    if (!dialogs_.AskPrint(&window_, printer)) {
        return;
    }
    if (!PrintTrainSheet(document_.scheme(), SheetOptionsNow(), printer)) {
        dialogs_.Warn(&window_, Text(kWarningCaption), Text(kCannotPrint));
        return;
    }
    emit message(Text(kSheetPrinted));
}

}  // namespace quorvane
