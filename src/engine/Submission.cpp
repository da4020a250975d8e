#include "Submission.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

QStringList addressesFromText(const QString &text)
{
    static const QRegularExpression lineBreaks(
        QStringLiteral("[\\n\\r\\x{2028}\\x{2029}\\v\\f\\x{85}]"));
    QStringList addresses;
    QSet<QString> seen;
    for (const QString &piece : text.split(lineBreaks)) {
        const QString line = piece.trimmed();
        if (line.isEmpty() || !QUrl(line, QUrl::StrictMode).isValid() || seen.contains(line))
            continue;
        seen.insert(line);
        addresses << line;
    }
    return addresses;
}
