#include <QGuiApplication>
#include <cstring>
#include <iostream>
#include <memory>

#include "tool/tool.h"

int main(int argc, char* argv[]) {
    // Only render draws, and it needs fonts but no display; the other
    // commands start without the GUI machinery.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "render") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    return quorvane::RunTool(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
