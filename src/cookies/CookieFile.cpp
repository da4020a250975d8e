#include "CookieFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace CookieFile {

namespace {

bool isEntry(QByteArray line)
{
    if (line.startsWith("#HttpOnly_"))
        line = line.mid(10);
    if (line.startsWith('#') || line.trimmed().isEmpty())
        return true;
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 7)
        return false;
    const QByteArray &expires = fields.at(4);
    return std::all_of(expires.cbegin(), expires.cend(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

Problem problem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Problem::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return Problem::Unreadable;
    // The check runs on the window's thread before every run.
    if (info.size() > kLargest)
        return Problem::TooLarge;
    static const QRegularExpression magic(QStringLiteral("#( Netscape)? HTTP Cookie File"));
    const QByteArray first = file.readLine();
    if (!magic.match(QString::fromUtf8(first)).hasMatch())
        return Problem::NotNetscape;
    while (!file.atEnd()) {
        if (!isEntry(file.readLine()))
            return Problem::NotNetscape;
    }
    return Problem::None;
}

QString withoutCookieValues(const QString &text)
{
    // A line of a cookies file as Python prints it: quoted, tabs as "\t".
    static const QRegularExpression quotedLine(
        QStringLiteral(R"('[^'\n]*\\t[^'\n]*'|"[^"\n]*\\t[^"\n]*")"));
    static const QRegularExpression header(
        QStringLiteral(R"((\bcookie['"]?\s*[:=]\s*['"]?)[^'"\n]+)"),
        QRegularExpression::CaseInsensitiveOption);
    QString result = text;
    result.replace(quotedLine, QStringLiteral("'…'"));
    result.replace(header, QStringLiteral("\\1…"));
    return result;
}

} // namespace CookieFile
