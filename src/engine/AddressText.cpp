#include "AddressText.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

bool isAddress(const QString &line)
{
    return !line.isEmpty() && QUrl(line, QUrl::StrictMode).isValid();
}

QStringList linesOf(const QString &text)
{
    static const QRegularExpression lineBreaks(
        QStringLiteral("[\\n\\r\\x{2028}\\x{2029}\\v\\f\\x{85}]"));
    return text.split(lineBreaks);
}

} // namespace

QStringList addressesFromText(const QString &text)
{
    QStringList addresses;
    QSet<QString> seen;
    for (const QString &piece : linesOf(text)) {
        const QString line = piece.trimmed();
        if (!isAddress(line) || seen.contains(line))
            continue;
        seen.insert(line);
        addresses << line;
    }
    return addresses;
}

int nonAddressLines(const QString &text)
{
    const QStringList lines = linesOf(text);
    return int(std::count_if(lines.cbegin(), lines.cend(), [](const QString &piece) {
        const QString line = piece.trimmed();
        return !line.isEmpty() && !isAddress(line);
    }));
}

QString firstWebAddress(const QString &text, qsizetype scanned)
{
    QStringView head = QStringView(text).left(scanned);
    // The word running past the end is only a part of itself.
    if (text.size() > scanned && !text.at(scanned).isSpace()) {
        qsizetype end = head.size();
        while (end > 0 && !head.at(end - 1).isSpace())
            --end;
        head = head.left(end);
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    for (const QStringView word : head.split(blanks, Qt::SkipEmptyParts)) {
        if ((word.startsWith(u"http://") || word.startsWith(u"https://")) &&
            isAddress(word.toString()))
            return word.toString();
    }
    return {};
}
