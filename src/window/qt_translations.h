// Qt's own texts (standard buttons, the edits' context menus, the file
// dialog of Qt) in the editor's language, from the translations Debian
// installs with qt6-translations-l10n.
#pragma once

#include <QString>
#include <optional>

#include "model/language.h"

class QCoreApplication;

namespace quorvane {

// Installs Qt's translations for the language on the application; English
// needs none. Gives why they could not be loaded, if they could not: Qt's
// texts then stay English.
std::optional<QString> InstallQtTranslations(QCoreApplication& app, Language language);

}  // namespace quorvane
