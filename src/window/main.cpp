#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "window/form_main.h"
#include "window/label_table.h"
#include "window/start_hooks.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(quorvane::Labels().title));
    try {
        const QString loadAtStart = quorvane::FileToLoadAtStart();
        std::unique_ptr<quorvane::SchemeDialogs> dialogs = quorvane::MakeQtDialogs();
        if (!loadAtStart.isEmpty()) {
            dialogs = quorvane::AnsweringFirstOpen(std::move(dialogs), loadAtStart);
        }
        quorvane::TFormMain form(std::move(dialogs));
        if (!loadAtStart.isEmpty()) {
            form.btnLoadClick();
        }
        quorvane::QuitAfterFirstPaintIfAsked(form);
        form.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromUtf8(quorvane::Labels().title),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
