#include "DependencyChecker.h"

#include "ReleaseLookup.h"
#include "ToolInstall.h"

#include "platform/ToolPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>
#include <QCoro/QCoroTimer>

DependencyChecker::DependencyChecker(QObject *parent)
    : QObject(parent),
      m_ytdlp(new Dependency(QStringLiteral("yt-dlp"), qtTrId("tool.ytdlp.desc"),
                             QStringLiteral("arrow.down.circle"), QStringLiteral("yt-dlp"), this)),
      m_ffmpeg(new Dependency(QStringLiteral("ffmpeg"), qtTrId("tool.ffmpeg.desc"),
                              QStringLiteral("waveform"), QStringLiteral("ffmpeg"), this)),
      m_node(new Dependency(QStringLiteral("Node.js"), qtTrId("tool.node.desc"),
                            QStringLiteral("curlybraces"), QStringLiteral("node"), this))
{
    for (Dependency *tool : tools())
        connect(tool, &Dependency::statusChanged, this, &DependencyChecker::statusesChanged);
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

bool DependencyChecker::allReady() const
{
    return !any([](DepStatus::Kind k) {
        return k != DepStatus::Kind::Installed && k != DepStatus::Kind::UpToDate &&
               k != DepStatus::Kind::UpdateAvailable;
    });
}

bool DependencyChecker::isAnyUpdating() const
{
    return any([](DepStatus::Kind k) { return k == DepStatus::Kind::Updating; });
}

bool DependencyChecker::hasFailure() const
{
    return any([](DepStatus::Kind k) { return k == DepStatus::Kind::Failed; });
}

QString DependencyChecker::versionArgument(const Dependency *tool) const
{
    return tool == m_ffmpeg ? QStringLiteral("-version") : QStringLiteral("--version");
}

QString DependencyChecker::toolPath(const Dependency *tool)
{
    return ToolPaths::binDirectory() + QLatin1Char('/') + tool->fileName();
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
    for (Dependency *tool : tools())
        tool->setStatus(DepStatus::checking());
    co_await allAtOnce(tools(), [this](Dependency *tool) { return testExecutable(tool); });
}

QCoro::Task<> DependencyChecker::testExecutable(Dependency *tool)
{
    QPointer<Dependency> guard(tool);
    const QString argument = versionArgument(tool);
    // A file that is there but cannot run counts as broken, not installed.
    auto test = QtConcurrent::run([path = toolPath(tool), argument] {
        const ToolRecord::State record = ToolRecord::read(QFileInfo(path).fileName());
        if (!ToolPaths::isExecutableFile(path))
            return std::pair{DepStatus::unknown(), record};
        const Outcome broken = ToolInstall::runsAndPrintsVersion(path, argument);
        return std::pair{broken ? DepStatus::failed(broken->message) : DepStatus::installedStatus(),
                         record};
    });
    // A test that finishes at once must still not change the status before
    // checkInstalled() has returned: the views see `checking` first.
    co_await QCoro::sleepFor(std::chrono::milliseconds(0));
    const auto tested = co_await test;
    if (guard) {
        guard->setRecord(tested.second);
        guard->setStatus(tested.first);
    }
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

void DependencyChecker::setIsInstalling(bool value)
{
    if (m_isInstalling == value)
        return;
    m_isInstalling = value;
    emit isInstallingChanged();
}

void DependencyChecker::setIsCheckingUpdates(bool value)
{
    if (m_isCheckingUpdates == value)
        return;
    m_isCheckingUpdates = value;
    emit isCheckingUpdatesChanged();
}

void DependencyChecker::setCurrentStep(const QString &value)
{
    if (m_currentStep == value)
        return;
    m_currentStep = value;
    emit currentStepChanged();
}
