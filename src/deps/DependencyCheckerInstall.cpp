#include "DependencyChecker.h"
#include "DownloadCheck.h"
#include "ReleaseLookup.h"
#include "ToolDownload.h"
#include "ToolInstall.h"

#include "platform/ToolPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

#include <memory>

DependencyChecker::Source DependencyChecker::sourceFor(const Dependency *tool,
                                                       const QString &nodeVersion) const
{
    const PlatformProfile profile = PlatformProfile::current();
    if (tool == m_ytdlp)
        return {{profile.ytdlpSource()},
                Placement::Executable,
                "setup.step.ytdlp",
                "update.step.ytdlp"};
    if (tool == m_ffmpeg)
        return {profile.ffmpegSources(), Placement::FfmpegArchive,
                //% "Downloading ffmpeg"
                QT_TRID_NOOP("setup.step.ffmpeg"),
                //% "Updating ffmpeg"
                QT_TRID_NOOP("update.step.ffmpeg")};
    return {{profile.nodeSource(nodeVersion)},
            Placement::NodeArchive,
            //% "Downloading Node.js"
            QT_TRID_NOOP("setup.step.node"),
            //% "Updating Node.js"
            QT_TRID_NOOP("update.step.node")};
}

QCoro::Task<std::optional<DependencyChecker::Source>>
DependencyChecker::findSource(Dependency *tool, QString nodeVersion)
{
    if (tool == m_node && nodeVersion.isEmpty()) {
        const Result<QString> newest = co_await lookup().latestNodeLTSVersion();
        if (!newest) {
            fail(tool,
                 //% "No Node.js %1 release found: %2"
                 qtTrId("tools.node.no_release")
                     .arg(PlatformProfile::current().nodeLTSLine)
                     .arg(newest.failure().message),
                 newest.failure().kind);
            if (newest.failure().kind == Failure::Kind::Network && !m_stop.isOn())
                setNetworkProblem(newest.failure().message);
            co_return std::nullopt;
        }
        nodeVersion = *newest;
    }
    // The Node.js address carries the version without its "v".
    if (nodeVersion.startsWith(QLatin1Char('v')))
        nodeVersion.remove(0, 1);
    co_return sourceFor(tool, nodeVersion);
}

void DependencyChecker::fail(Dependency *tool, const QString &message, Failure::Kind kind)
{
    tool->setStatus(m_stop.isOn() ? DepStatus::unknown() : DepStatus::failed(message));
    appendLog(QStringLiteral("✗ ") + message);
    if (kind == Failure::Kind::Network && !m_stop.isOn())
        setNetworkProblem(message);
}

void DependencyChecker::reportProgress(double fraction, Dependency *tool)
{
    if (tool->status().kind() == DepStatus::Kind::Updating)
        tool->setStatus(DepStatus::updating(fraction));
    else
        tool->setStatus(DepStatus::downloading(fraction));
}

QCoro::Task<Result<QString>> DependencyChecker::downloadFile(Dependency *tool, QString address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        co_return Failure{Failure::Kind::Network, address};
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
    co_return download;
}

// The file is checked against the sums its distributor publishes before
// anything is placed. (Awaited values live at function scope: GCC 12 destroys
// some declared in nested blocks twice.)
QCoro::Task<Result<QString>> DependencyChecker::downloadChecked(Dependency *tool, ToolSource source)
{
    const Result<QString> file = co_await downloadFile(tool, source.address);
    if (!file)
        co_return file.failure();
    if (source.sumsAddress.isEmpty()) {
        //% "%1 cannot be verified: its source publishes no checksum"
        appendLog(qtTrId("tools.verify.unverifiable").arg(source.assetName()));
        co_return file;
    }
    const Result<QByteArray> published =
        co_await DownloadCheck::publishedDigest(network(), source, &m_stop);
    Outcome refused = published ? std::nullopt : std::optional(published.failure());
    if (!refused) {
        auto checking = QtConcurrent::run(&DownloadCheck::matches, *file, *published, source);
        refused = co_await checking;
    }
    if (refused) {
        QFile::remove(*file);
        co_return *refused;
    }
    if (source.md5)
        //% "%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a"
        //% " deliberate change)"
        appendLog(qtTrId("tools.verify.md5_only").arg(source.assetName()));
    co_return file;
}

QCoro::Task<Result<QStringList>> DependencyChecker::downloadVerified(Dependency *tool,
                                                                     QList<ToolSource> sources)
{
    QStringList files;
    Result<QString> file = QString();
    for (const ToolSource &source : std::as_const(sources)) {
        file = co_await downloadChecked(tool, source);
        if (!file)
            break;
        files << *file;
    }
    if (file)
        co_return files;
    for (const QString &path : std::as_const(files))
        QFile::remove(path);
    co_return file.failure();
}

ToolRecord::Verification DependencyChecker::verificationOf(const QList<ToolSource> &sources)
{
    auto result = ToolRecord::Verification::Sha256;
    for (const ToolSource &source : sources) {
        if (source.sumsAddress.isEmpty())
            return ToolRecord::Verification::NotVerifiable;
        if (source.md5)
            result = ToolRecord::Verification::Md5;
    }
    return result;
}

// On a worker thread: the working tool is kept aside, the new one placed,
// then the kept one becomes the previous version (or is dropped on failure).
Outcome DependencyChecker::placeKeepingPrevious(const Placed &p)
{
    const QString fileName = QFileInfo(p.destination).fileName();
    // Only a tool that works is worth going back to.
    if (ToolPaths::isExecutableFile(p.destination) &&
        !ToolInstall::runsAndPrintsVersion(p.destination, p.versionArgument))
        ToolRecord::keepCurrent(fileName);
    Outcome result;
    switch (p.placement) {
    case Placement::Executable:
        result = ToolInstall::placeExecutable(p.files.value(0), p.destination, p.profile,
                                              p.versionArgument);
        break;
    case Placement::FfmpegArchive:
        result = ToolInstall::extractFfmpeg(p.files, p.destination, p.profile);
        break;
    case Placement::NodeArchive:
        result = ToolInstall::extractNode(p.files.value(0), p.destination, p.profile);
        break;
    }
    if (result) {
        ToolRecord::discardKept(fileName);
        return result;
    }
    ToolRecord::writeVerification(fileName, p.verification);
    ToolRecord::promoteKept(fileName);
    return std::nullopt;
}

// Built outside the coroutines: GCC 12 destroys members of an aggregate
// brace-initialised inside a coroutine twice.
DependencyChecker::Placed DependencyChecker::placedFor(const Dependency *tool, const Source &source,
                                                       const QStringList &files) const
{
    return {files,
            toolPath(tool),
            versionArgument(tool),
            source.placement,
            verificationOf(source.downloads),
            PlatformProfile::current()};
}

// The outcome, and the tool's record as the placement left it.
QFuture<std::pair<Outcome, ToolRecord::State>> DependencyChecker::startPlacing(Placed placed)
{
    return QtConcurrent::run([placed] {
        const Outcome result = placeKeepingPrevious(placed);
        return std::pair{result, ToolRecord::read(QFileInfo(placed.destination).fileName())};
    });
}

// Only 64-bit builds of the tools exist: a 32-bit machine downloads nothing.
Outcome DependencyChecker::processorCheck()
{
    const QString architecture = PlatformProfile::current().processorArchitecture();
    if (PlatformProfile::isSupportedArchitecture(architecture))
        return std::nullopt;
    //% "This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64,"
    //% " arm64). Nothing was downloaded."
    return Failure{Failure::Kind::Launch, qtTrId("tools.unsupported_processor").arg(architecture)};
}

QCoro::Task<bool> DependencyChecker::installTool(Dependency *tool, Source source)
{
    Outcome failure = processorCheck();
    Result<QStringList> files = QStringList();
    if (!failure)
        files = co_await downloadVerified(tool, source.downloads);
    if (!failure && !files)
        failure = files.failure();
    QFuture<std::pair<Outcome, ToolRecord::State>> placing;
    if (!failure)
        placing = startPlacing(placedFor(tool, source, *files));
    std::pair<Outcome, ToolRecord::State> placed(failure, tool->record());
    if (!failure)
        placed = co_await placing;
    failure = placed.first;
    tool->setRecord(placed.second);
    if (failure) {
        fail(tool, failure->message, failure->kind);
        co_return false;
    }
    tool->setStatus(DepStatus::installedStatus());
    co_return true;
}

QCoro::Task<> DependencyChecker::installAll()
{
    co_await installTools(tools());
}

QCoro::Task<> DependencyChecker::installTools(QList<Dependency *> chosen)
{
    m_stop.reset();
    setRun(Run::Install);
    setLogOutput(QString());
    setUpdateFailed(false);
    setNetworkProblem(QString());
    for (Dependency *tool : std::as_const(chosen)) {
        if (tool->status().kind() == DepStatus::Kind::Installed)
            continue;
        const std::optional<Source> source = co_await findSource(tool, QString());
        if (!source) {
            setRun(Run::None);
            co_return;
        }
        setCurrentStep(qtTrId(source->setupStep));
        appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
        const bool installed = co_await installTool(tool, *source);
        if (!installed || m_stop.isOn()) {
            setRun(Run::None);
            co_return;
        }
        //% "%1 ready"
        appendLog(QStringLiteral("✓ ") + qtTrId("update.tool_ready").arg(tool->name()));
    }
    setRun(Run::None);
    setCurrentStep(QString());
}

QCoro::Task<> DependencyChecker::updateAll()
{
    co_await updateTools(false);
}

QCoro::Task<> DependencyChecker::retryFailedUpdates()
{
    co_await updateTools(true);
}

QCoro::Task<> DependencyChecker::updateTools(bool onlyFailed)
{
    m_stop.reset();
    setRun(Run::Update);
    setLogOutput(QString());
    setUpdateFailed(false);
    setNetworkProblem(QString());
    for (Dependency *tool : tools()) {
        // A broken tool is put back in working order like a first install.
        const bool broken = tool->status().kind() == DepStatus::Kind::Failed;
        if ((onlyFailed || tool->status().kind() != DepStatus::Kind::UpdateAvailable) && !broken)
            continue;
        const QString latest = broken ? QString() : tool->status().latest();
        const std::optional<Source> source = co_await findSource(tool, latest);
        if (!source) {
            setUpdateFailed(!m_stop.isOn());
            setRun(Run::None);
            co_return;
        }
        setCurrentStep(qtTrId(source->updateStep));
        appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
        tool->setStatus(DepStatus::updating(0));
        const bool installed = co_await installTool(tool, *source);
        if (!installed || m_stop.isOn()) {
            setUpdateFailed(!installed && !m_stop.isOn());
            setRun(Run::None);
            co_return;
        }
        if (tool == m_ffmpeg || broken) {
            //% "%1 updated"
            appendLog(QStringLiteral("✓ ") + qtTrId("update.tool_updated").arg(tool->name()));
        } else {
            tool->setStatus(DepStatus::upToDate(latest));
            appendLog(QStringLiteral("✓ ") + tool->name() + QLatin1Char(' ') + latest);
        }
    }
    setRun(Run::None);
    setCurrentStep(QString());
}
