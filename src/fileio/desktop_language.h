// The language the desktop asks for, which the editor and the tool's sheet
// take when no --lang is given.
#pragma once

#include <QStringList>

#include "model/language.h"

namespace quorvane {

// The language of a desktop whose languages are uiLanguages, most wanted
// first (QLocale::uiLanguages, as "ru-RU"): Russian when the first is
// Russian, else English.
Language DesktopLanguage(const QStringList& uiLanguages);

// DesktopLanguage of the system's locale.
Language DesktopLanguage();

}  // namespace quorvane
