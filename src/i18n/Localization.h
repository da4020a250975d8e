#pragma once

#include <QLocale>
#include <QStringList>

// The interface language. Every table built in (reelix_<code>.ts) is a
// language; the system's languages pick the best fit, English when none
// does, unless the user chose one in the preferences (read at start-up).
// A key with no entry shows the key itself. Qt's own texts follow in the
// same language where the system has Qt's translations.
namespace Localization {

// The choice that stands for the pseudo-language (see PseudoTranslator).
inline const QString kPseudo = QStringLiteral("pseudo");

// The codes of the languages built in ("en", "fr", "pt_BR"…), sorted.
QStringList available();
// Whether this build offers the pseudo-language among the choices.
bool pseudoOffered();
// The locale a choice stands for: the language chosen, or the system's when
// the choice is empty or not a language built in.
QLocale localeFor(const QString &chosen);

// Loads the table that fits the locale best.
bool install(const QLocale &locale = QLocale::system());
// Loads the language the user chose (empty: the system's, kPseudo: the
// pseudo-language) and makes its locale the default for numbers and dates.
bool installChosen(const QString &chosen);

} // namespace Localization
