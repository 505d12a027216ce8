#include "window/content_scroll.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace quorvane {

ContentScroll::ContentScroll(QWidget& window, QSize content) : QScrollArea(&window) {
    setObjectName(QStringLiteral("ContentScroll"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    auto* inside = new QWidget;
    inside->setObjectName(QStringLiteral("Content"));
    inside->setFixedSize(content);
    setWidget(inside);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
}

void ContentScroll::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

}  // namespace quorvane
