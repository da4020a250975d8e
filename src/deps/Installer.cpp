#include "DependencyChecker.h"
#include "ReleaseLookup.h"
#include "ToolDownload.h"
#include "ToolInstall.h"

#include "platform/PlatformProfile.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

#include <memory>

DependencyChecker::Source DependencyChecker::sourceFor(const Dependency *tool,
                                                       const QString &nodeVersion) const
{
    const PlatformProfile profile = PlatformProfile::current();
    if (tool == m_ytdlp)
        return {profile.ytdlpDownloadURL(), Placement::Executable, "setup.step.ytdlp",
                "update.step.ytdlp"};
    if (tool == m_ffmpeg)
        return {profile.ffmpegDownloadURL(), Placement::FfmpegArchive, "setup.step.ffmpeg",
                "update.step.ffmpeg"};
    return {profile.nodeDownloadURL(nodeVersion), Placement::NodeArchive, "setup.step.node",
            "update.step.node"};
}

QCoro::Task<std::optional<DependencyChecker::Source>>
DependencyChecker::findSource(Dependency *tool, QString nodeVersion)
{
    if (tool == m_node && nodeVersion.isEmpty()) {
        const Result<QString> newest = co_await lookup().latestNodeLTSVersion();
        if (!newest) {
            fail(tool, qtTrId("tools.node.no_release")
                           .arg(PlatformProfile::current().nodeLTSLine)
                           .arg(newest.failure().message));
            co_return std::nullopt;
        }
        nodeVersion = *newest;
    }
    // The Node.js address carries the version without its "v".
    if (nodeVersion.startsWith(QLatin1Char('v')))
        nodeVersion.remove(0, 1);
    co_return sourceFor(tool, nodeVersion);
}

void DependencyChecker::fail(Dependency *tool, const QString &message)
{
    tool->setStatus(m_stop.isOn() ? DepStatus::unknown() : DepStatus::failed(message));
    appendLog(QStringLiteral("✗ ") + message);
}

void DependencyChecker::reportProgress(double fraction, Dependency *tool)
{
    if (tool->status().kind() == DepStatus::Kind::Updating)
        tool->setStatus(DepStatus::updating(fraction));
    else
        tool->setStatus(DepStatus::downloading(fraction));
}

QCoro::Task<bool> DependencyChecker::installTool(Dependency *tool, QString address,
                                                 QString destination, Placement placement)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        co_return false;
    // Reports stop the moment the download is over, so none can land after
    // the final installed/failed status.
    auto open = std::make_shared<bool>(true);
    QPointer<DependencyChecker> self(this);
    const auto onProgress = [self, tool, open](double fraction) {
        if (*open && self)
            self->reportProgress(fraction, tool);
    };
    const Result<QString> download =
        co_await ToolDownload::toTemporaryFile(network(), url, onProgress, &m_stop);
    *open = false;
    Outcome failure;
    if (!download) {
        failure = download.failure();
    } else {
        const PlatformProfile profile = PlatformProfile::current();
        const QString source = *download;
        auto placing = QtConcurrent::run([placement, source, destination, profile]() -> Outcome {
            switch (placement) {
            case Placement::Executable:
                return ToolInstall::placeExecutable(source, destination, profile,
                                                    QStringLiteral("--version"));
            case Placement::FfmpegArchive:
                return ToolInstall::extractFfmpeg(source, destination, profile);
            case Placement::NodeArchive:
                return ToolInstall::extractNode(source, destination, profile);
            }
            return std::nullopt;
        });
        failure = co_await placing;
    }
    if (failure) {
        fail(tool, failure->message);
        co_return false;
    }
    tool->setStatus(DepStatus::installedStatus());
    co_return true;
}

QCoro::Task<> DependencyChecker::installAll()
{
    m_stop.reset();
    setIsInstalling(true);
    setLogOutput(QString());
    for (Dependency *tool : tools()) {
        if (tool->status().kind() == DepStatus::Kind::Installed)
            continue;
        const std::optional<Source> source = co_await findSource(tool, QString());
        if (!source) {
            setIsInstalling(false);
            co_return;
        }
        setCurrentStep(qtTrId(source->setupStep));
        appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
        const bool installed =
            co_await installTool(tool, source->address, toolPath(tool), source->placement);
        if (!installed || m_stop.isOn()) {
            setIsInstalling(false);
            co_return;
        }
        appendLog(QStringLiteral("✓ ") + tool->name() + QLatin1Char(' ') + qtTrId("update.ready"));
    }
    setIsInstalling(false);
    setCurrentStep(QString());
}

QCoro::Task<> DependencyChecker::updateAll()
{
    m_stop.reset();
    setIsInstalling(true);
    setLogOutput(QString());
    for (Dependency *tool : tools()) {
        // A broken tool is put back in working order like a first install.
        const bool broken = tool->status().kind() == DepStatus::Kind::Failed;
        if (tool->status().kind() != DepStatus::Kind::UpdateAvailable && !broken)
            continue;
        const QString latest = broken ? QString() : tool->status().latest();
        const std::optional<Source> source = co_await findSource(tool, latest);
        if (!source) {
            setIsInstalling(false);
            co_return;
        }
        setCurrentStep(qtTrId(source->updateStep));
        appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
        tool->setStatus(DepStatus::updating(0));
        const bool installed =
            co_await installTool(tool, source->address, toolPath(tool), source->placement);
        if (!installed || m_stop.isOn()) {
            setIsInstalling(false);
            co_return;
        }
        if (tool == m_ffmpeg || broken) {
            appendLog(QStringLiteral("✓ ") + tool->name() + QLatin1Char(' ') +
                      qtTrId("update.done"));
        } else {
            tool->setStatus(DepStatus::upToDate(latest));
            appendLog(QStringLiteral("✓ ") + tool->name() + QLatin1Char(' ') + latest);
        }
    }
    setIsInstalling(false);
    setCurrentStep(QString());
}
