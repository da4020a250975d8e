#include "DoctorReport.h"

#include "platform/PlatformProfile.h"
#include "platform/Secrets.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace DoctorReport {

namespace {

QString factText(const QJsonValue &value)
{
    if (value.isArray()) {
        QStringList parts;
        for (const QJsonValue &item : value.toArray())
            parts << (item.isObject()
                          ? QString::fromUtf8(
                                QJsonDocument(item.toObject()).toJson(QJsonDocument::Compact))
                          : item.toVariant().toString());
        return parts.join(QStringLiteral(", "));
    }
    return value.toVariant().toString();
}

} // namespace

QByteArray json(const CheckResults &results, qint64 elapsedMs)
{
    QJsonArray checks;
    for (const CheckResult &result : results)
        checks.append(result.toJson());
    const QJsonObject root{{QStringLiteral("version"), 1},
                           {QStringLiteral("elapsedMs"), elapsedMs},
                           {QStringLiteral("checks"), checks}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString summary(const CheckResults &results)
{
    QString text;
    for (const CheckResult &r : results) {
        text +=
            QStringLiteral("%1 %2: %3\n")
                .arg(CheckResult::levelName(r.level).toUpper().leftJustified(7), r.id, r.summary);
        if (!r.todo.isEmpty())
            text += QStringLiteral("          → ") + r.todo + QLatin1Char('\n');
    }
    return text;
}

QString text(const CheckResults &results, qint64 elapsedMs)
{
    QString out = QStringLiteral("Reelix " REELIX_VERSION " setup check, %1, %2 ms\n\n")
                      .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate))
                      .arg(elapsedMs);
    out += summary(results);
    out += QStringLiteral("\nFacts:\n");
    for (const CheckResult &r : results) {
        for (auto it = r.facts.begin(); it != r.facts.end(); ++it)
            out += QStringLiteral("  %1.%2: %3\n").arg(r.id, it.key(), factText(it.value()));
    }
    const QStringList errors = lastErrors();
    out += QStringLiteral("\nLast errors:\n");
    for (const QString &line : errors)
        out += QStringLiteral("  ") + line + QLatin1Char('\n');
    if (errors.isEmpty())
        out += QStringLiteral("  none\n");
    return clean(out);
}

QString clean(const QString &text)
{
    QString out = Secrets::maskPasswordsInText(text);
    // Cookie headers and cookie options: the values go, the names stay.
    static const QRegularExpression cookie(QStringLiteral("\\b((?:set-)?cookie:\\s*)[^\\n]+"),
                                           QRegularExpression::CaseInsensitiveOption);
    out.replace(cookie, QStringLiteral("\\1***"));
    // An address keeps its scheme and host: no account, path or query.
    static const QRegularExpression address(
        QStringLiteral("\\b([a-z][a-z0-9+.-]*://)(?:[^/\\s?#@]*@)?([^/\\s?#]+)[^\\s\"')]*"),
        QRegularExpression::CaseInsensitiveOption);
    out.replace(address, QStringLiteral("\\1\\2"));
    // A proxy value without a scheme ("ann:secret@proxy:3128") keeps its account's name.
    static const QRegularExpression account(QStringLiteral("([^\\s:/@=]+):[^\\s@/]+@"));
    out.replace(account, QStringLiteral("\\1:***@"));
    const QString home = QDir::homePath();
    if (home.size() > 1)
        out.replace(home, QStringLiteral("~"));
    return out;
}

QStringList lastErrors(int count)
{
    QFile file(PlatformProfile::current().logFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The end of the log is enough: the last errors are near it.
    if (file.size() > 512 * 1024)
        file.seek(file.size() - 512 * 1024);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QStringList errors;
    for (auto it = lines.crbegin(); it != lines.crend() && errors.size() < count; ++it) {
        if (it->contains(QStringLiteral("[ERROR]")))
            errors.prepend(*it);
    }
    return errors;
}

} // namespace DoctorReport
