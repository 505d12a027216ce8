#include "window/command_line.h"

#include <QCommandLineParser>

#include "version.h"

namespace quorvane {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quorvane, the editor of wheel-set schemes of trains."));
    // Not addHelpOption, which also offers --help-all for Qt's own options:
    // parsed before the application exists, the editor takes none of them.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The editor's language: en (English) or ru (Russian). Without it, the "
                       "desktop's first language decides: Russian if it is Russian, else "
                       "English."),
        QStringLiteral("language"));
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A scheme file (.sch) to open at start."),
                                 QStringLiteral("[FILE.sch]"));

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        // Without an application Qt knows no program name and puts a
        // placeholder in the usage line.
        result.output = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                  QStringLiteral("quorvane"));
        return result;
    }
    if (parser.isSet(version)) {
        result.output = QStringLiteral("quorvane %1\n").arg(QLatin1String(kVersion));
        return result;
    }
    StartOptions start;
    const QString language = parser.value(lang);
    if (language == QLatin1String("ru")) {
        start.language = Language::Russian;
    } else if (language == QLatin1String("en")) {
        start.language = Language::English;
    } else if (parser.isSet(lang)) {
        result.error = QStringLiteral("Unknown language '%1': use en or ru.").arg(language);
        result.exitCode = 2;
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.error = QStringLiteral("Give one scheme file at most.");
        result.exitCode = 2;
        return result;
    }
    if (!files.isEmpty()) {
        start.file = files.constFirst();
    }
    result.start = start;
    return result;
}

}  // namespace quorvane
