#include "window/scheme_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "fileio/language_text.h"
#include "window/window_texts.h"

namespace quorvane {

namespace {

const QString kSuffix = QStringLiteral("sch");
constexpr TextPair kFilter{"Файлы SCH (*.sch)", "SCH files (*.sch)"};
// The formats of the sheet, the vector ones and PNG first.
const QStringList kSheetFilters{
    QStringLiteral("PDF (*.pdf)"), QStringLiteral("SVG (*.svg)"),
    QStringLiteral("PNG (*.png)"), QStringLiteral("JPEG (*.jpg *.jpeg)"),
    QStringLiteral("BMP (*.bmp)"), QStringLiteral("TIFF (*.tif *.tiff)")};

// A question of two buttons, the second the default and Escape's answer:
// true for the first.
bool AskTwoWays(QWidget* parent, QMessageBox::Icon icon, const QString& question,
                const QString& yes, const QString& no) {
    QMessageBox box(icon, parent ? parent->windowTitle() : QString(), question,
                    QMessageBox::NoButton, parent);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

std::optional<QString> Chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

class QtDialogs final : public SchemeDialogs {
public:
    QtDialogs(Language language, bool nativeFileDialogs)
        : language_(language), nativeFileDialogs_(nativeFileDialogs) {}

    std::optional<QString> AskSaveFileName(QWidget* parent, const QString& folder,
                                           const QString& proposedName) override {
        QFileDialog dialog(parent);
        PrepareSave(dialog, folder, kSuffix, {InLanguage(kFilter, language_)}, proposedName);
        // The window asks itself, and only where a file would be lost: not
        // when a scheme is saved again under its own name.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return Chosen(dialog);
    }

    std::optional<QString> AskOpenFileName(QWidget* parent, const QString& folder) override {
        QFileDialog dialog(parent);
        Prepare(dialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setDirectory(folder);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(kSuffix);
        dialog.setNameFilter(InLanguage(kFilter, language_));
        return Chosen(dialog);
    }

    void Warn(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }

    UnsavedChoice AskUnsaved(QWidget* parent, const QString& question) override {
        QMessageBox box(QMessageBox::Question, parent ? parent->windowTitle() : QString(), question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
            case QMessageBox::Save:
                return UnsavedChoice::Save;
            case QMessageBox::Discard:
                return UnsavedChoice::Discard;
            default:
                return UnsavedChoice::Cancel;
        }
    }

    bool AskReplace(QWidget* parent, const QString& question, const QString& replace,
                    const QString& cancel) override {
        return AskTwoWays(parent, QMessageBox::Warning, question, replace, cancel);
    }

    std::optional<QString> AskExportFileName(QWidget* parent, const QString& folder,
                                             const QString& proposedName) override {
        QFileDialog dialog(parent, InLanguage(kExportDialogTitle, language_));
        PrepareSave(dialog, folder, QStringLiteral("pdf"), kSheetFilters, proposedName);
        return Chosen(dialog);
    }

    bool PrintersAvailable() override { return !QPrinterInfo::availablePrinters().isEmpty(); }

    bool AskExportInstead(QWidget* parent, const QString& question, const QString& exportInstead,
                          const QString& cancel) override {
        return AskTwoWays(parent, QMessageBox::Information, question, exportInstead, cancel);
    }

    bool AskPrint(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

private:
    void Prepare(QFileDialog& dialog) const {
        dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeFileDialogs_);
    }

    void PrepareSave(QFileDialog& dialog, const QString& folder, const QString& suffix,
                     const QStringList& filters, const QString& proposedName) const {
        Prepare(dialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDirectory(folder);
        dialog.setDefaultSuffix(suffix);
        dialog.setNameFilters(filters);
        dialog.selectFile(proposedName);
    }

    Language language_;
    bool nativeFileDialogs_;
};

}  // namespace

std::unique_ptr<SchemeDialogs> MakeQtDialogs(Language language, bool nativeFileDialogs) {
    return std::make_unique<QtDialogs>(language, nativeFileDialogs);
}

}  // namespace quorvane
