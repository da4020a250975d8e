#include "ToolVersions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVersionNumber>

namespace ToolVersions {

DepStatus ytdlpStatus(const QString &versionOutput, const Result<QString> &published)
{
    const QString current = versionOutput.trimmed();
    if (current.isEmpty())
        return DepStatus::installedStatus();
    if (!published)
        return DepStatus::unchecked(current, published.failure().message);
    if (*published == current)
        return DepStatus::upToDate(current);
    return DepStatus::updateAvailable(current, *published);
}

QString ffmpegFullVersion(const QString &versionOutput)
{
    QString firstLine = versionOutput.section(QLatin1Char('\n'), 0, 0);
    firstLine.remove(QStringLiteral("ffmpeg version "));
    return firstLine.section(QLatin1Char(' '), 0, 0);
}

DepStatus ffmpegStatus(const QString &versionOutput, const Result<QString> &published)
{
    const QString full = ffmpegFullVersion(versionOutput);
    if (full.isEmpty())
        return DepStatus::installedStatus();
    const QString shortVersion = full.section(QLatin1Char('-'), 0, 0);
    if (!published)
        return DepStatus::unchecked(full, published.failure().message);
    if (*published == shortVersion)
        return DepStatus::upToDate(full);
    return DepStatus::updateAvailable(full, *published);
}

DepStatus nodeStatus(const QString &versionOutput, const Result<QString> &published)
{
    const QString current = versionOutput.trimmed();
    if (current.isEmpty())
        return DepStatus::installedStatus();
    const auto withV = [](const QString &v) {
        return v.startsWith(QLatin1Char('v')) ? v : QLatin1Char('v') + v;
    };
    if (!published)
        return DepStatus::unchecked(withV(current), published.failure().message);
    if (withV(current) == withV(*published))
        return DepStatus::upToDate(withV(current));
    return DepStatus::updateAvailable(withV(current), withV(*published));
}

QString shownVersion(const QString &fileName, const QString &versionOutput)
{
    if (fileName == QStringLiteral("ffmpeg"))
        return ffmpegFullVersion(versionOutput);
    const QString first = versionOutput.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (fileName == QStringLiteral("node") && !first.isEmpty() &&
        !first.startsWith(QLatin1Char('v')))
        return QLatin1Char('v') + first;
    return first;
}

bool ytdlpTooOld(const QString &version, const QDate &today)
{
    const QDate released = QDate::fromString(version.left(10), QStringLiteral("yyyy.MM.dd"));
    return released.isValid() && released < today.addYears(-1);
}

std::optional<QString> releaseTagFrom(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue tag = document.object().value(QStringLiteral("tag_name"));
    if (!document.isObject() || !tag.isString())
        return std::nullopt;
    return tag.toString();
}

std::optional<QString> nodeLTSFrom(const QByteArray &body, int line)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isArray())
        return std::nullopt;
    std::optional<QString> newest;
    QVersionNumber newestNumber;
    for (const QJsonValue &entry : document.array()) {
        if (!entry.isObject())
            return std::nullopt;
        const QJsonObject release = entry.toObject();
        const QJsonValue version = release.value(QStringLiteral("version"));
        if (!release.contains(QStringLiteral("lts")) ||
            release.value(QStringLiteral("lts")) == QJsonValue(false) || !version.isString())
            continue;
        // The index is newest first by date, which mixes the lines; the
        // numbers decide within one line.
        const QVersionNumber number = QVersionNumber::fromString(version.toString().mid(1));
        if (number.majorVersion() == line && number > newestNumber) {
            newest = version.toString();
            newestNumber = number;
        }
    }
    return newest;
}

} // namespace ToolVersions
