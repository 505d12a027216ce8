#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <optional>

#include "fileio/desktop_language.h"
#include "fileio/scheme_text.h"
#include "version.h"
#include "window/command_line.h"
#include "window/form_main.h"
#include "window/label_table.h"
#include "window/qt_translations.h"
#include "window/start_hooks.h"

int main(int argc, char* argv[]) {
    // The command line first: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const quorvane::CommandLine commandLine = quorvane::ParseCommandLine(arguments);
    if (!commandLine.start) {
        std::fputs(qPrintable(commandLine.output), stdout);
        if (!commandLine.error.isEmpty()) {
            std::fprintf(stderr, "quorvane: %s\nTry 'quorvane --help'.\n",
                         qPrintable(commandLine.error));
        }
        return commandLine.exitCode;
    }
#if defined(Q_OS_LINUX)
    // Where a display is an X or Wayland server, Qt's own failure to find one
    // is a message about platform plugins; say what is wrong instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(
            "quorvane: no display to open the window on; start it on a virtual one with "
            "xvfb-run -a quorvane\n",
            stderr);
        return 1;
    }
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationVersion(QLatin1String(quorvane::kVersion));
    // No display name: Qt would append it to every window title that does
    // not end with it, and the desktop would show more than the title set.

    // The installed desktop entry and icon, so that the desktop shows them.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorvane")));
    if (const std::optional<QString> problem = quorvane::CodePageProblem()) {
        std::fprintf(stderr, "quorvane: %s\n", qPrintable(*problem));
        QMessageBox::critical(nullptr, QString::fromUtf8(quorvane::Labels().title), *problem);
        return 1;
    }
    // --lang wins over the desktop's language. The desktop's native file
    // dialog speaks the desktop's language, so it is used only when that is
    // the editor's too.
    const quorvane::Language desktop = quorvane::DesktopLanguage();
    const quorvane::Language language = commandLine.start->language.value_or(desktop);
    if (const std::optional<QString> problem = quorvane::InstallQtTranslations(app, language)) {
        std::fprintf(stderr, "quorvane: %s\n", qPrintable(*problem));
    }
    try {
        quorvane::TFormMain form(quorvane::MakeQtDialogs(language, language == desktop), language);
        quorvane::QuitAfterFirstPaintIfAsked(form);
        form.show();
        if (!commandLine.start->file.isEmpty()) {
            form.OpenFile(commandLine.start->file);
        }
        if (!quorvane::QuitAfterFirstPaintHappened()) {
            QApplication::exec();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvane: %s\n", error.what());
        QMessageBox::critical(nullptr, QString::fromUtf8(quorvane::Labels().title),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
