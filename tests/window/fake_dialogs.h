// Dialog answers given in advance, and every warning the window showed.
#pragma once

#include <QPrinter>
#include <QStringList>
#include <deque>
#include <optional>
#include <stdexcept>

#include "window/scheme_dialogs.h"

namespace quorvane::testing {

struct Warning {
    QString caption;
    QString text;
};

struct DialogLog {
    std::deque<QString> saveAnswers;  // an empty answer, or none left: cancelled
    std::deque<QString> openAnswers;
    int openDialogsShown = 0;
    QString lastOpenFolder;
    std::vector<Warning> warnings;
    std::deque<UnsavedChoice> unsavedAnswers;  // none left: cancel
    QStringList unsavedQuestions;
    int saveDialogsShown = 0;
    QString lastSaveFolder;
    QString lastProposedName;
    std::deque<bool> replaceAnswers;  // none left: cancel
    QStringList replaceQuestions;
    bool throwOnSave = false;
    std::deque<QString> exportAnswers;  // an empty answer, or none left: cancelled
    int exportDialogsShown = 0;
    QString lastExportFolder;
    QString lastExportName;
    bool printersAvailable = false;
    QStringList exportInsteadQuestions;
    std::deque<bool> exportInsteadAnswers;  // none left: cancel
    // The print dialog prints into this PDF file; empty: cancelled.
    QString printTo;
    int printDialogsShown = 0;
};

class FakeDialogs final : public SchemeDialogs {
public:
    explicit FakeDialogs(DialogLog& log) : log_(log) {}

    std::optional<QString> AskSaveFileName(QWidget*, const QString& folder,
                                           const QString& proposedName) override {
        if (log_.throwOnSave) {
            throw std::runtime_error("the save dialog broke down");
        }
        ++log_.saveDialogsShown;
        log_.lastSaveFolder = folder;
        log_.lastProposedName = proposedName;
        return Next(log_.saveAnswers);
    }

    std::optional<QString> AskOpenFileName(QWidget*, const QString& folder) override {
        ++log_.openDialogsShown;
        log_.lastOpenFolder = folder;
        return Next(log_.openAnswers);
    }

    void Warn(QWidget*, const QString& caption, const QString& text) override {
        log_.warnings.push_back({caption, text});
    }

    UnsavedChoice AskUnsaved(QWidget*, const QString& question) override {
        log_.unsavedQuestions << question;
        return NextOr(log_.unsavedAnswers, UnsavedChoice::Cancel);
    }

    bool AskReplace(QWidget*, const QString& question, const QString&, const QString&) override {
        log_.replaceQuestions << question;
        return NextOr(log_.replaceAnswers, false);
    }

    std::optional<QString> AskExportFileName(QWidget*, const QString& folder,
                                             const QString& proposedName) override {
        ++log_.exportDialogsShown;
        log_.lastExportFolder = folder;
        log_.lastExportName = proposedName;
        return Next(log_.exportAnswers);
    }

    bool PrintersAvailable() override { return log_.printersAvailable; }

    bool AskExportInstead(QWidget*, const QString& question, const QString&,
                          const QString&) override {
        log_.exportInsteadQuestions << question;
        return NextOr(log_.exportInsteadAnswers, false);
    }

    bool AskPrint(QWidget*, QPrinter& printer) override {
        ++log_.printDialogsShown;
        if (log_.printTo.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(log_.printTo);
        return true;
    }

private:
    // The next answer given in advance, or fallback when none is left.
    template <class Answer>
    static Answer NextOr(std::deque<Answer>& answers, Answer fallback) {
        if (answers.empty()) {
            return fallback;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    static std::optional<QString> Next(std::deque<QString>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) {
            return std::nullopt;
        }
        return answer;
    }

    DialogLog& log_;
};

}  // namespace quorvane::testing
