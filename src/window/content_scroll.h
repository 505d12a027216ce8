// The window's content in a scroll area that fills the window: on a screen
// too small for the window, scroll bars reach what lies beyond it; on any
// other it is the content alone, as large as ever.
#pragma once

#include <QScrollArea>

namespace quorvane {

class ContentScroll final : public QScrollArea {
public:
    // Fills window; the content, of the size given, goes where the
    // window's widgets are made.
    ContentScroll(QWidget& window, QSize content);

    QWidget& Content() const { return *widget(); }

protected:
    // Keys pass on to the window as where there is no scroll area, so that
    // every key does the same on any screen; the commands' keys are the
    // window's, and Tab brings the control it reaches into view.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvane
