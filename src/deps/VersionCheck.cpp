#include "DependencyChecker.h"
#include "ReleaseLookup.h"
#include "ToolInstall.h"
#include "ToolVersions.h"
#include "VersionQuery.h"

#include "platform/ToolPaths.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

QNetworkAccessManager &DependencyChecker::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return *m_network;
}

ReleaseLookup &DependencyChecker::lookup()
{
    if (!m_lookup)
        m_lookup = std::make_unique<ReleaseLookup>(network());
    return *m_lookup;
}

QCoro::Task<> DependencyChecker::checkForUpdates()
{
    setIsCheckingUpdates(true);
    for (Dependency *tool : tools())
        tool->setStatus(DepStatus::checking());
    co_await allAtOnce(tools(), [this](Dependency *tool) { return checkVersion(tool); });
    setIsCheckingUpdates(false);
}

QCoro::Task<> DependencyChecker::checkStatus()
{
    co_await checkInstalled();
    setIsCheckingUpdates(true);
    QList<Dependency *> found;
    for (Dependency *tool : tools()) {
        if (tool->status().kind() == DepStatus::Kind::Installed)
            found << tool;
    }
    co_await allAtOnce(found, [this](Dependency *tool) { return checkVersion(tool); });
    setIsCheckingUpdates(false);
}

// A file that cannot run is broken; a missing one is shown as installed,
// without a version. The published version is asked for only when there is
// something to compare.
QCoro::Task<> DependencyChecker::checkVersion(Dependency *target)
{
    QPointer<Dependency> tool(target);
    const bool ffmpeg = tool == m_ffmpeg;
    const QString path = toolPath(tool);
    const QString argument = versionArgument(tool);
    const QString output = co_await versionOutput(path, QStringList(argument));
    if (!tool)
        co_return;
    if (output.trimmed().isEmpty() && ToolPaths::isExecutableFile(path)) {
        const Outcome broken = co_await QtConcurrent::run(
            [path, argument] { return ToolInstall::runsAndPrintsVersion(path, argument); });
        if (broken && tool) {
            tool->setStatus(DepStatus::failed(broken->message));
            co_return;
        }
    }
    std::optional<QString> published;
    if (tool == m_ytdlp) {
        if (!output.trimmed().isEmpty())
            published = co_await lookup().latestReleaseTag(QStringLiteral("yt-dlp"),
                                                           QStringLiteral("yt-dlp"));
        if (tool)
            tool->setStatus(ToolVersions::ytdlpStatus(output, published));
    } else if (ffmpeg) {
        if (!ToolVersions::ffmpegFullVersion(output).isEmpty())
            published = co_await lookup().latestFfmpegVersion();
        if (tool)
            tool->setStatus(ToolVersions::ffmpegStatus(output, published));
    } else {
        if (!output.trimmed().isEmpty())
            published = co_await lookup().latestNodeLTSVersion();
        if (tool)
            tool->setStatus(ToolVersions::nodeStatus(output, published));
    }
}
