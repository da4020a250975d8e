#include "YtDlpAgeSource.h"

namespace YtDlpAgeSource {

YtDlpAge::Known fromDependency(const Dependency &ytdlp, const YtDlpAge::Known &before)
{
    if (!ytdlp.systemPath().isEmpty())
        return {ytdlp.systemVersion(), before.newest, false};
    const DepStatus status = ytdlp.status();
    switch (status.kind()) {
    case DepStatus::Kind::UpdateAvailable:
        return {status.installed(), status.latest(), true};
    case DepStatus::Kind::UpToDate:
        return {status.version(), status.version(), true};
    case DepStatus::Kind::Unchecked:
        return {status.version(), before.newest, true};
    default:
        return before;
    }
}

YtDlpAge::Known fromSetupCheck(const CheckResults &results, const YtDlpAge::Known &before)
{
    for (const CheckResult &result : results) {
        const QString version = result.facts.value(QStringLiteral("version")).toString();
        if (result.id != QStringLiteral("ytdlp") || version.isEmpty())
            continue;
        const QString latest = result.facts.value(QStringLiteral("latest")).toString();
        const bool own =
            result.facts.value(QStringLiteral("source")).toString() == QStringLiteral("reelix");
        return {version, latest.isEmpty() ? before.newest : latest, own};
    }
    return before;
}

} // namespace YtDlpAgeSource
