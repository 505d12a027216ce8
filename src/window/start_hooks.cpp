#include "window/start_hooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace quorvane {
namespace {

bool quitAfterFirstPaint = false;

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
                // exit(), not quit(): the paint can come in the loop of a
                // message box shown before the main loop runs (a refused
                // file at start), which quit() leaves running.
                quitAfterFirstPaint = true;
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool fired_ = false;
};

}  // namespace

void QuitAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsSet("QUORVANE_QUIT_AFTER_FIRST_PAINT")) {
        window.installEventFilter(new FirstPaintHook(&window));
    }
}

bool QuitAfterFirstPaintHappened() {
    return quitAfterFirstPaint;
}

}  // namespace quorvane
