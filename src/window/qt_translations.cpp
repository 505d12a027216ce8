#include "window/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace quorvane {

std::optional<QString> InstallQtTranslations(QCoreApplication& app, Language language) {
    if (language == Language::English) {
        return std::nullopt;
    }
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"), folder)) {
        delete translator;
        return QStringLiteral(
                   "Qt's Russian texts (%1) cannot be loaded; Qt's buttons and "
                   "dialogs stay English")
            .arg(QDir(folder).filePath(QStringLiteral("qtbase_ru.qm")));
    }
    QCoreApplication::installTranslator(translator);
    return std::nullopt;
}

}  // namespace quorvane
