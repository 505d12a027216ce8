#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "window/form_main.h"
#include "window/label_table.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(quorvane::Labels().title));
    try {
        quorvane::TFormMain form(quorvane::MakeQtDialogs());
        form.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromUtf8(quorvane::Labels().title),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
