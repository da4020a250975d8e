#include "Localization.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Localization {

bool install(const QLocale &locale)
{
    static QTranslator *current = nullptr;
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString language =
        locale.language() == QLocale::French ? QStringLiteral("fr") : QStringLiteral("en");
    if (!translator->load(QStringLiteral(":/i18n/reelix_") + language + QStringLiteral(".qm"))) {
        delete translator;
        return false;
    }
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
    }
    current = translator;
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace Localization
