#include "Localization.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Localization {

namespace {

// Puts `next` in the place of `current`; an empty `next` only removes it.
void replace(QTranslator *&current, std::unique_ptr<QTranslator> next)
{
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
    }
    if (!next)
        return;
    current = next.release();
    current->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(current);
}

} // namespace

bool install(const QLocale &locale)
{
    static QTranslator *ours = nullptr;
    static QTranslator *qts = nullptr;
    const bool french = locale.language() == QLocale::French;
    const QString language = french ? QStringLiteral("fr") : QStringLiteral("en");
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/reelix_") + language + QStringLiteral(".qm")))
        return false;
    replace(ours, std::move(translator));
    // Qt's own texts (standard dialogs, file errors) in the same language; its
    // English is the source text, and a system without Qt's tables keeps it.
    auto qt = std::make_unique<QTranslator>();
    if (!french || !qt->load(QStringLiteral("qt_") + language,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();
    replace(qts, std::move(qt));
    return true;
}

} // namespace Localization
