#include "window/start_hooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <utility>

namespace quorvane {
namespace {

class AnswerFirstOpen final : public SchemeDialogs {
public:
    AnswerFirstOpen(std::unique_ptr<SchemeDialogs> dialogs, const QString& file)
        : dialogs_(std::move(dialogs)), file_(file) {}

    std::optional<QString> AskSaveFileName(QWidget* parent, const QString& folder,
                                           const QString& proposedName) override {
        return dialogs_->AskSaveFileName(parent, folder, proposedName);
    }
    std::optional<QString> AskOpenFileName(QWidget* parent) override {
        if (file_) {
            return std::exchange(file_, std::nullopt);
        }
        return dialogs_->AskOpenFileName(parent);
    }
    void Warn(QWidget* parent, const QString& caption, const QString& text) override {
        dialogs_->Warn(parent, caption, text);
    }

private:
    std::unique_ptr<SchemeDialogs> dialogs_;
    std::optional<QString> file_;
};

// The window paints itself and then its children in one pass; a zero timer
// started from its own paint event fires once that pass is over.
class FirstPaintHook final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            QTimer::singleShot(0, [] {
                std::fputs("quorvane: first paint\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool fired_ = false;
};

}  // namespace

QString FileToLoadAtStart() {
    return qEnvironmentVariable("QUORVANE_LOAD_AT_START");
}

std::unique_ptr<SchemeDialogs> AnsweringFirstOpen(std::unique_ptr<SchemeDialogs> dialogs,
                                                  const QString& file) {
    return std::make_unique<AnswerFirstOpen>(std::move(dialogs), file);
}

void QuitAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsSet("QUORVANE_QUIT_AFTER_FIRST_PAINT")) {
        window.installEventFilter(new FirstPaintHook(&window));
    }
}

}  // namespace quorvane
