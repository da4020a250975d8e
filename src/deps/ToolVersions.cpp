#include "ToolVersions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ToolVersions {

DepStatus ytdlpStatus(const QString &versionOutput, const std::optional<QString> &published)
{
    const QString current = versionOutput.trimmed();
    if (current.isEmpty())
        return DepStatus::installedStatus();
    if (!published || *published == current)
        return DepStatus::upToDate(current);
    return DepStatus::updateAvailable(current, *published);
}

QString ffmpegFullVersion(const QString &versionOutput)
{
    QString firstLine = versionOutput.section(QLatin1Char('\n'), 0, 0);
    firstLine.remove(QStringLiteral("ffmpeg version "));
    return firstLine.section(QLatin1Char(' '), 0, 0);
}

DepStatus ffmpegStatus(const QString &versionOutput, const std::optional<QString> &published)
{
    const QString full = ffmpegFullVersion(versionOutput);
    if (full.isEmpty())
        return DepStatus::installedStatus();
    const QString shortVersion = full.section(QLatin1Char('-'), 0, 0);
    if (!published || *published == shortVersion)
        return DepStatus::upToDate(full);
    return DepStatus::updateAvailable(full, *published);
}

DepStatus nodeStatus(const QString &versionOutput, const std::optional<QString> &published)
{
    const QString current = versionOutput.trimmed();
    if (current.isEmpty())
        return DepStatus::installedStatus();
    if (!published)
        return DepStatus::upToDate(current);
    const auto withV = [](const QString &v) {
        return v.startsWith(QLatin1Char('v')) ? v : QLatin1Char('v') + v;
    };
    if (withV(current) == withV(*published))
        return DepStatus::upToDate(withV(current));
    return DepStatus::updateAvailable(withV(current), withV(*published));
}

std::optional<QString> releaseTagFrom(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue tag = document.object().value(QStringLiteral("tag_name"));
    if (!document.isObject() || !tag.isString())
        return std::nullopt;
    return tag.toString();
}

std::optional<QString> nodeLTSFrom(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isArray())
        return std::nullopt;
    for (const QJsonValue &entry : document.array()) {
        if (!entry.isObject())
            return std::nullopt;
        const QJsonObject release = entry.toObject();
        if (!release.contains(QStringLiteral("lts")) ||
            release.value(QStringLiteral("lts")) == QJsonValue(false))
            continue;
        const QJsonValue version = release.value(QStringLiteral("version"));
        if (version.isString())
            return version.toString();
    }
    return std::nullopt;
}

} // namespace ToolVersions
