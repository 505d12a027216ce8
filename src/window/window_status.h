// What tells the operator where they are: the status line below the panels
// (where the walk is and how much of the train is entered, or a message
// until the scheme next changes), and the window's title with the mark of
// unsaved work.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include "model/language.h"
#include "model/scheme.h"

class QLabel;
class QStatusBar;
class QWidget;

namespace quorvane {

class WindowStatus final : public QObject {
    Q_OBJECT

public:
    // The status line at place in content; the title is window's.
    WindowStatus(QWidget& window, QWidget& content, QRect place);

    void ApplyLanguage(Language language) { language_ = language; }

    // Where the walk is and how much is entered; clears any message.
    void Show(const Scheme& scheme);
    // A message in place of that, until the next Show.
    void ShowMessage(const QString& message);
    // On Enter from the last wheel set: how many are incomplete.
    void ShowLastWheelSet(const Scheme& scheme);

    // "Quorvane 2.0 - NAME", with the desktop's mark of unsaved work.
    void ShowTitle(const Scheme& scheme);
    void ShowUnsaved(bool unsaved);

private:
    QWidget& window_;
    QStatusBar* statusBar_;
    QLabel* statusLine_;
    Language language_ = Language::English;
};

}  // namespace quorvane
