#include "Localization.h"

#include "PseudoTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace Localization {

namespace {

const QString kTables = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("reelix_");

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

// In a right-to-left language, what fills a placeholder (an address, a file
// name, a number) keeps its own direction: each %1 is isolated (U+2068 …
// U+2069), so "/home/a" is not shown as "home/a/" inside Arabic text. A
// unit written onto the number ("%1p") goes inside with it: "720p" stays
// whole rather than showing as "p720".
class IsolatingTranslator : public QTranslator
{
public:
    explicit IsolatingTranslator(std::unique_ptr<QTranslator> table) : m_table(std::move(table)) {}
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        static const QRegularExpression placeholder(QStringLiteral("(%L?\\d+\\p{L}*)"));
        QString text = m_table->translate(context, sourceText, disambiguation, n);
        return text.replace(placeholder, QStringLiteral("\u2068\\1\u2069"));
    }
    bool isEmpty() const override { return m_table->isEmpty(); }

private:
    std::unique_ptr<QTranslator> m_table;
};

QTranslator *ours = nullptr;
QTranslator *qts = nullptr;

std::unique_ptr<QTranslator> english()
{
    auto table = std::make_unique<QTranslator>();
    if (!table->load(kPrefix + QStringLiteral("en.qm"), kTables))
        table.reset();
    return table;
}

} // namespace

QStringList available()
{
    QStringList codes;
    const QStringList names =
        QDir(kTables).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        codes << name.mid(kPrefix.size()).chopped(3);
    return codes;
}

bool pseudoOffered()
{
#ifdef REELIX_PSEUDO_LOCALE
    return true;
#else
    return false;
#endif
}

QLocale localeFor(const QString &chosen)
{
    return !chosen.isEmpty() && available().contains(chosen) ? QLocale(chosen) : QLocale::system();
}

bool install(const QLocale &locale)
{
    auto table = std::make_unique<QTranslator>();
    // The locale's own languages in order (pt_BR, then pt…); English last.
    if (!table->load(locale, QStringLiteral("reelix"), QStringLiteral("_"), kTables))
        table = english();
    if (!table)
        return false;
    const QString language = table->language().section(u'_', 0, 0);
    if (locale.textDirection() == Qt::RightToLeft)
        table = std::make_unique<IsolatingTranslator>(std::move(table));
    replace(ours, std::move(table));
    // Qt's own texts (standard dialogs, file errors) in the same language; its
    // English is the source text, and a system without Qt's tables keeps it.
    auto qt = std::make_unique<QTranslator>();
    if (language == QLatin1String("en") ||
        !qt->load(QLocale(language), QStringLiteral("qt"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();
    replace(qts, std::move(qt));
    return true;
}

bool installChosen(const QString &chosen)
{
    if (chosen == kPseudo) {
        auto table = english();
        if (!table)
            return false;
        replace(ours, std::make_unique<PseudoTranslator>(std::move(table)));
        replace(qts, nullptr);
        return true;
    }
    const QLocale locale = localeFor(chosen);
    if (!chosen.isEmpty() && locale != QLocale::system())
        QLocale::setDefault(locale);
    return install(locale);
}

} // namespace Localization
