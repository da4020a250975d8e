#pragma once

#include <QLocale>

// Loads the translation table for the interface language: French when the
// system language is French, English otherwise. A key with no entry shows
// the key itself. Qt's own texts follow in the same language where the
// system has Qt's translations.
namespace Localization {
bool install(const QLocale &locale = QLocale::system());
}
