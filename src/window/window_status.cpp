#include "window/window_status.h"

#include <QLabel>
#include <QStatusBar>
#include <QWidget>

#include "fileio/language_text.h"
#include "model/progress.h"
#include "window/label_table.h"
#include "window/parameter_edit.h"
#include "window/window_texts.h"

namespace quorvane {

WindowStatus::WindowStatus(QWidget& window, QWidget& content, QRect place)
    : QObject(&window),
      window_(window),
      statusBar_(new QStatusBar(&content)),
      statusLine_(new QLabel(statusBar_)) {
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(place);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusBar_->addWidget(statusLine_, 1);
}

void WindowStatus::Show(const Scheme& scheme) {
    const TrainProgress progress = ProgressOf(scheme);
    const QString car = QString::number(scheme.state.currentCar + 1);
    const QString cars = QString::number(scheme.state.carCount);
    const QString complete = QString::number(progress.complete);
    const QString wheelSets = QString::number(progress.wheelSets);
    const QString noun = NounIn(progress.wheelSets, kStatusWheelSets, language_);
    statusBar_->clearMessage();
    if (scheme.mode == Mode::ParameterMode) {
        // The axle as the diagram numbers it, whichever way the car stands.
        statusLine_->setText(InLanguage(kWalkStatus, language_)
                                 .arg(car, cars, QString::number(scheme.state.currentAxle + 1),
                                      QString::number(CurrentCar(scheme).axleCount),
                                      QString::number(scheme.state.walkCursor + 1), wheelSets,
                                      complete, noun));
    } else {
        statusLine_->setText(
            InLanguage(kLayoutStatus, language_).arg(car, cars, complete, wheelSets, noun));
    }
}

void WindowStatus::ShowMessage(const QString& message) {
    statusBar_->showMessage(message);
}

void WindowStatus::ShowLastWheelSet(const Scheme& scheme) {
    const int incomplete = ProgressOf(scheme).Incomplete();
    ShowMessage(incomplete == 0 ? InLanguage(kLastWheelSetComplete, language_)
                                : InLanguage(kLastWheelSetIncomplete, language_).arg(incomplete));
}

void WindowStatus::ShowTitle(const Scheme& scheme) {
    // "[*]" is where the desktop shows "*" for unsaved work; written twice, a
    // name's own "[*]" is shown as it is.
    QString name = ShortenedSchemeText(scheme.fileName);
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window_.setWindowTitle(QString::fromUtf8(Labels().title) + QStringLiteral(" - ") + name +
                           QStringLiteral("[*]"));
}

void WindowStatus::ShowUnsaved(bool unsaved) {
    // Each call hands the title to the desktop again; typing calls this.
    if (unsaved != window_.isWindowModified()) {
        window_.setWindowModified(unsaved);
    }
}

}  // namespace quorvane
