#include <QCoreApplication>
#include <iostream>

#include "tool/tool.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    return quorvane::RunTool(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
