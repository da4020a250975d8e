#include "DependencyChecker.h"
#include "ReleaseLookup.h"
#include "ToolVersions.h"
#include "VersionQuery.h"

#include "platform/ToolPaths.h"

#include <QNetworkAccessManager>
#include <QPointer>

QNetworkAccessManager &DependencyChecker::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return *m_network;
}

ReleaseLookup &DependencyChecker::lookup()
{
    if (!m_lookup)
        m_lookup = std::make_unique<ReleaseLookup>(network(), &m_stop);
    return *m_lookup;
}

QCoro::Task<> DependencyChecker::checkForUpdates()
{
    m_stop.reset();
    setCheckingUpdates(true);
    setUpdateFailed(false);
    setNetworkProblem(QString());
    for (Dependency *tool : tools())
        tool->setStatus(DepStatus::checking());
    co_await allAtOnce(tools(), [this](Dependency *tool) { return checkVersion(tool); });
    setCheckingUpdates(false);
}

QCoro::Task<> DependencyChecker::checkStatus()
{
    co_await checkInstalled();
    if (m_stop.isOn())
        co_return;
    setCheckingUpdates(true);
    setNetworkProblem(QString());
    QList<Dependency *> found;
    for (Dependency *tool : tools()) {
        if (tool->status().kind() == DepStatus::Kind::Installed)
            found << tool;
    }
    co_await allAtOnce(found, [this](Dependency *tool) { return checkVersion(tool); });
    setCheckingUpdates(false);
}

// A file that cannot run is broken; a missing one is shown as installed,
// without a version. The published version is asked for only when there is
// something to compare; when it cannot be found the tool is `unchecked`.
QCoro::Task<> DependencyChecker::checkVersion(Dependency *target)
{
    QPointer<Dependency> tool(target);
    const QString path = toolPath(tool);
    QString output;
    if (ToolPaths::isExecutableFile(path)) {
        const Result<QString> run =
            co_await versionOutput(path, QStringList(versionArgument(tool)), &m_stop);
        if (!tool)
            co_return;
        if (!run) {
            tool->setStatus(m_stop.isOn() ? DepStatus::unknown()
                                          : DepStatus::failed(run.failure().message));
            co_return;
        }
        output = *run;
    }
    const auto statusFor = tool == m_ytdlp    ? ToolVersions::ytdlpStatus
                           : tool == m_ffmpeg ? ToolVersions::ffmpegStatus
                                              : ToolVersions::nodeStatus;
    // Output without a version gives `installed` whatever is published.
    if (statusFor(output, QString()).kind() == DepStatus::Kind::Installed) {
        tool->setStatus(DepStatus::installedStatus());
        co_return;
    }
    auto lookingUp = tool == m_ytdlp    ? lookup().latestYtdlpVersion()
                     : tool == m_ffmpeg ? lookup().latestFfmpegVersion()
                                        : lookup().latestNodeLTSVersion();
    const Result<QString> published = co_await std::move(lookingUp);
    if (!published && published.failure().kind == Failure::Kind::Network && !m_stop.isOn())
        setNetworkProblem(published.failure().message);
    if (tool)
        tool->setStatus(statusFor(output, published));
}
