#include "Secrets.h"

#include <QRegularExpression>

#include <algorithm>

namespace Secrets {

namespace {

bool isPort(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

QString masked(const QString &value, qsizetype colon, qsizetype at)
{
    return value.left(colon + 1) + QStringLiteral("***") + value.mid(at);
}

} // namespace

QString maskPassword(const QString &value)
{
    // Works on the text itself so that values without a scheme are masked too.
    const qsizetype schemeEnd = value.indexOf(QStringLiteral("://"));
    const qsizetype authorityStart = schemeEnd < 0 ? 0 : schemeEnd + 3;
    qsizetype slash = value.indexOf(QLatin1Char('/'), authorityStart);
    if (slash < 0)
        slash = value.size();
    const qsizetype colon = value.indexOf(QLatin1Char(':'), authorityStart);
    const qsizetype at = value.lastIndexOf(QLatin1Char('@'), slash - 1);
    if (at >= authorityStart)
        return colon < 0 || colon > at ? value : masked(value, colon, at);
    // No "@" before the first "/": the password itself may hold one, as long
    // as what follows the colon is not a port ("proxy:3128/a@b").
    if (colon < 0 || colon > slash || isPort(QStringView(value).mid(colon + 1, slash - colon - 1)))
        return value;
    static const QRegularExpression queryStart(QStringLiteral("[?#]"));
    qsizetype stop = value.indexOf(queryStart, slash);
    if (stop < 0)
        stop = value.size();
    const qsizetype later = value.indexOf(QLatin1Char('@'), slash);
    return later < 0 || later > stop ? value : masked(value, colon, later);
}

QString maskPasswordsInText(const QString &text)
{
    if (!text.contains(QLatin1Char('@')))
        return text;
    static const QRegularExpression address(QStringLiteral(R"([A-Za-z][A-Za-z0-9+.\-]*://\S+)"));
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : address.globalMatch(text)) {
        result += QStringView(text).mid(done, match.capturedStart() - done);
        result += maskPassword(match.captured());
        done = match.capturedEnd();
    }
    result += QStringView(text).mid(done);
    return result;
}

} // namespace Secrets
