#pragma once

#include <QLocale>

// Loads the translation table for the interface language: French when the
// system language is French, English otherwise. A key with no entry shows
// the key itself.
namespace Localization {
bool install(const QLocale &locale = QLocale::system());
}
