#include "DependencyChecker.h"

#include "ReleaseLookup.h"
#include "ToolVersions.h"
#include "VersionQuery.h"

#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <QCoro/QCoroTimer>

DependencyChecker::DependencyChecker(QObject *parent)
    : QObject(parent),
      //% "Finds and downloads the video"
      m_ytdlp(new Dependency(QStringLiteral("yt-dlp"), qtTrId("tool.ytdlp.desc"),
                             QStringLiteral("arrow.down.circle"), QStringLiteral("yt-dlp"), this)),
      //% "Merges, probes and converts media"
      m_ffmpeg(new Dependency(QStringLiteral("ffmpeg"), qtTrId("tool.ffmpeg.desc"),
                              QStringLiteral("waveform"), QStringLiteral("ffmpeg"), this)),
      //% "JavaScript runtime needed for YouTube"
      m_node(new Dependency(QStringLiteral("Node.js"), qtTrId("tool.node.desc"),
                            QStringLiteral("curlybraces"), QStringLiteral("node"), this))
{
    for (Dependency *tool : tools()) {
        connect(tool, &Dependency::statusChanged, this, &DependencyChecker::statusesChanged);
        connect(tool, &Dependency::systemToolChanged, this, &DependencyChecker::statusesChanged);
    }
    connect(this, &DependencyChecker::statusesChanged, this, &DependencyChecker::updatePhase);
    m_phase = phase();
}

DependencyChecker::~DependencyChecker() = default;

template <typename Predicate> bool DependencyChecker::any(Predicate predicate) const
{
    for (const Dependency *tool : tools()) {
        if (predicate(tool->status().kind()))
            return true;
    }
    return false;
}

bool DependencyChecker::hasUpdates() const
{
    return any([](DepStatus::Kind k) { return k == DepStatus::Kind::UpdateAvailable; });
}

bool DependencyChecker::isReady(DepStatus::Kind k)
{
    return k == DepStatus::Kind::Installed || k == DepStatus::Kind::UpToDate ||
           k == DepStatus::Kind::UpdateAvailable || k == DepStatus::Kind::Unchecked;
}

bool DependencyChecker::allReady() const
{
    return !any([](DepStatus::Kind k) { return !isReady(k); });
}

// Ours where we have it, the system's where not; a run in progress decides nothing.
bool DependencyChecker::canUseSystemTools() const
{
    if (m_run != Run::None)
        return false;
    bool anySystem = false;
    for (const Dependency *tool : tools()) {
        const DepStatus::Kind k = tool->status().kind();
        if (isReady(k))
            continue;
        if (tool->systemPath().isEmpty() ||
            (k != DepStatus::Kind::Unknown && k != DepStatus::Kind::Failed))
            return false;
        anySystem = true;
    }
    return anySystem;
}

bool DependencyChecker::hasFailure() const
{
    return any([](DepStatus::Kind k) { return k == DepStatus::Kind::Failed; });
}

bool DependencyChecker::hasUnchecked() const
{
    return any([](DepStatus::Kind k) { return k == DepStatus::Kind::Unchecked; });
}

QString DependencyChecker::versionArgument(const Dependency *tool) const
{
    return tool == m_ffmpeg ? QStringLiteral("-version") : QStringLiteral("--version");
}

QString DependencyChecker::toolPath(const Dependency *tool)
{
    return ToolPaths::binDirectory() + QLatin1Char('/') + tool->fileName();
}

std::optional<ToolPaths::Located> DependencyChecker::located(const Dependency *tool)
{
    return ToolPaths::locate(tool->fileName());
}

QString DependencyChecker::startupPath(const Dependency *tool)
{
    if (UserDefaults::boolValue(QStringLiteral("useSystemTools"))) {
        if (const auto found = located(tool))
            return found->path;
    }
    return toolPath(tool);
}

void DependencyChecker::continueWithSystemTools()
{
    UserDefaults::setValue(QStringLiteral("useSystemTools"), true);
}

DependencyChecker::Phase DependencyChecker::phase() const
{
    if (m_run == Run::Update ||
        any([](DepStatus::Kind k) { return k == DepStatus::Kind::Updating; }))
        return Phase::Updating;
    if (m_run != Run::None)
        return m_run == Run::Install ? Phase::Installing : Phase::RollingBack;
    if (m_checkingUpdates)
        return Phase::CheckingUpdates;
    if (m_updateFailed && hasFailure())
        return Phase::UpdateFailed;
    if (allReady())
        return hasUpdates()     ? Phase::UpdatesAvailable
               : hasUnchecked() ? Phase::Unchecked
                                : Phase::Ready;
    return canUseSystemTools() ? Phase::SystemToolsFound : Phase::Missing;
}

void DependencyChecker::updatePhase()
{
    const Phase now = phase();
    if (m_phase == now)
        return;
    m_phase = now;
    emit phaseChanged();
}

void DependencyChecker::start(Job job, Dependency *tool)
{
    if (m_run != Run::None)
        return;
    const bool ours = tools().contains(tool);
    switch (job) {
    case Job::CheckInstalled:
        checkInstalled();
        break;
    case Job::InstallAll:
        installAll();
        break;
    case Job::Update:
        updateAll();
        break;
    case Job::RetryUpdate:
        retryFailedUpdates();
        break;
    case Job::InstallOne:
        if (ours)
            installTools({tool});
        break;
    case Job::RollBack:
        if (ours)
            rollBack(tool);
        break;
    }
}

QCoro::Task<> DependencyChecker::allAtOnce(QList<Dependency *> tools,
                                           std::function<QCoro::Task<>(Dependency *)> job)
{
    std::vector<QCoro::Task<>> running;
    for (Dependency *tool : tools)
        running.push_back(job(tool));
    for (auto &task : running)
        co_await task;
}

QCoro::Task<> DependencyChecker::checkInstalled()
{
    m_stop.reset();
    for (Dependency *tool : tools())
        tool->setStatus(DepStatus::checking());
    co_await allAtOnce(tools(), [this](Dependency *tool) { return testExecutable(tool); });
}

QCoro::Task<> DependencyChecker::testExecutable(Dependency *tool)
{
    QPointer<Dependency> guard(tool);
    const QString path = toolPath(tool);
    // The views see `checking` first: no status changes before
    // checkInstalled() has returned.
    co_await QCoro::sleepFor(std::chrono::milliseconds(0));
    if (!guard)
        co_return;
    guard->setRecord(ToolRecord::read(QFileInfo(path).fileName()));
    if (!ToolPaths::isExecutableFile(path)) {
        guard->setStatus(DepStatus::unknown());
        co_await findSystemTool(guard);
        co_return;
    }
    guard->setSystemTool({});
    // A file that is there but cannot run counts as broken, not installed.
    const Result<QString> run =
        co_await versionOutput(path, QStringList(versionArgument(tool)), &m_stop);
    if (!guard)
        co_return;
    if (m_stop.isOn())
        guard->setStatus(DepStatus::unknown());
    else
        guard->setStatus(run ? DepStatus::installedStatus()
                             : DepStatus::failed(run.failure().message));
}

// A system copy is offered only when it runs and tells its version.
QCoro::Task<> DependencyChecker::findSystemTool(Dependency *target)
{
    QPointer<Dependency> tool(target);
    const std::optional<QString> path = ToolPaths::systemTool(tool->fileName());
    Result<QString> run = Failure{};
    if (path)
        run = co_await versionOutput(*path, QStringList(versionArgument(tool)), &m_stop);
    if (!tool)
        co_return;
    SystemTool found;
    if (path && run) {
        found = {*path, ToolVersions::shownVersion(tool->fileName(), *run), false};
        found.tooOld =
            tool == m_ytdlp && ToolVersions::ytdlpTooOld(found.version, QDate::currentDate());
    }
    tool->setSystemTool(found);
}

void DependencyChecker::setUpdateFailed(bool value)
{
    m_updateFailed = value;
    updatePhase();
}

void DependencyChecker::setNetworkProblem(const QString &reason)
{
    QString text = reason.trimmed();
    // "Connection refused" reads "connection refused" after a colon; "HTTP" stays.
    if (text.size() > 1 && text.at(1).isLower())
        text[0] = text.at(0).toLower();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (m_networkProblem == text)
        return;
    m_networkProblem = text;
    emit networkProblemChanged();
}

void DependencyChecker::setLogOutput(const QString &value)
{
    if (m_logOutput == value)
        return;
    m_logOutput = value;
    emit logOutputChanged();
}

void DependencyChecker::appendLog(const QString &line)
{
    setLogOutput(m_logOutput + line + QLatin1Char('\n'));
}

void DependencyChecker::setRun(Run run)
{
    m_run = run;
    updatePhase();
}

void DependencyChecker::setCheckingUpdates(bool value)
{
    m_checkingUpdates = value;
    updatePhase();
}

void DependencyChecker::setCurrentStep(const QString &value)
{
    if (m_currentStep == value)
        return;
    m_currentStep = value;
    emit currentStepChanged();
}
