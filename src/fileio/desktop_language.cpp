#include "fileio/desktop_language.h"

#include <QLocale>

namespace quorvane {

Language DesktopLanguage(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) {
        return Language::English;
    }
    const QString first = uiLanguages.constFirst();
    return first.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0 ||
                   first.startsWith(QLatin1String("ru-"), Qt::CaseInsensitive) ||
                   first.startsWith(QLatin1String("ru_"), Qt::CaseInsensitive)
               ? Language::Russian
               : Language::English;
}

Language DesktopLanguage() {
    return DesktopLanguage(QLocale::system().uiLanguages());
}

}  // namespace quorvane
