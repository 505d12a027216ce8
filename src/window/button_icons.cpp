#include "window/button_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QStyle>

namespace quorvane {

namespace {

constexpr int kSize = 16;

QPixmap Blank() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon Bars(bool plus) {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    const QColor colour = plus ? QColor(0, 160, 0) : QColor(210, 0, 0);
    painter.fillRect(2, 6, 12, 4, colour);
    if (plus) {
        painter.fillRect(6, 2, 4, 12, colour);
    }
    return QIcon(pixmap);
}

QIcon Arrow(bool right) {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 60, 150));
    const QPolygon towardsRight{QPoint(4, 2), QPoint(12, 8), QPoint(4, 14)};
    const QPolygon towardsLeft{QPoint(12, 2), QPoint(4, 8), QPoint(12, 14)};
    painter.drawPolygon(right ? towardsRight : towardsLeft);
    return QIcon(pixmap);
}

QIcon Standard(QStyle::StandardPixmap pixmap) {
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace

QIcon ButtonIcon(ButtonPicture picture) {
    switch (picture) {
        case ButtonPicture::RedMinus:
            return Bars(false);
        case ButtonPicture::GreenPlus:
            return Bars(true);
        case ButtonPicture::LeftArrow:
            return Arrow(false);
        case ButtonPicture::RightArrow:
            return Arrow(true);
        case ButtonPicture::BlankDocument:
            return QIcon::fromTheme(QStringLiteral("document-new"), Standard(QStyle::SP_FileIcon));
        case ButtonPicture::SaveDocument:
            return QIcon::fromTheme(QStringLiteral("document-save"),
                                    Standard(QStyle::SP_DialogSaveButton));
        case ButtonPicture::OpenDocument:
            return QIcon::fromTheme(QStringLiteral("document-open"),
                                    Standard(QStyle::SP_DialogOpenButton));
        case ButtonPicture::ExitDoor:
            return QIcon::fromTheme(QStringLiteral("application-exit"),
                                    Standard(QStyle::SP_DialogCloseButton));
    }
    return {};
}

}  // namespace quorvane
