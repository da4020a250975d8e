#include "ProcessWait.h"

#include "ToolPaths.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QVariant>

#include <QCoro/QCoroSignal>

#include <cerrno>
#include <coroutine>
#include <csignal>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

using namespace std::chrono_literals;

namespace {

constexpr const char *stoppedProperty = "reelixStopped";
// How long a tool may take to end after SIGTERM before it is killed.
constexpr auto killGrace = 2500ms;

// Signals the child's process group, or the child alone before it has one.
void signalGroup(QProcess &process, int number)
{
    const qint64 pid = process.processId();
    if (pid > 0 && ::kill(-pid_t(pid), number) == 0)
        return;
    if (number == SIGKILL)
        process.kill();
    else
        process.terminate();
}

// Whether a start that failed did so for want of file handles. Qt's message
// names the cause of the step that failed, but not always (with none left at
// all it may name another), so a fresh descriptor is tried as well.
bool outOfFileHandles(const QString &message)
{
    for (const int code : {EMFILE, ENFILE}) {
        if (message.contains(QString::fromLocal8Bit(std::strerror(code))))
            return true;
    }
    const int probe = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (probe >= 0) {
        ::close(probe);
        return false;
    }
    return errno == EMFILE || errno == ENFILE;
}

// Hands out turns to start a child, one per pass of the event loop of the
// thread it serves: a queued call made from a queued call runs in the next
// pass, so timers and input are handled between two starts.
class StartTurns : public QObject
{
public:
    static StartTurns &forThisThread()
    {
        thread_local StartTurns turns;
        return turns;
    }

    void request(std::coroutine_handle<> waiter)
    {
        m_waiting.push_back(waiter);
        scheduleNext();
    }

private:
    void scheduleNext()
    {
        if (m_scheduled || m_waiting.empty())
            return;
        m_scheduled = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_scheduled = false;
                const std::coroutine_handle<> waiter = m_waiting.front();
                m_waiting.pop_front();
                waiter.resume();
                scheduleNext();
            },
            Qt::QueuedConnection);
    }

    std::deque<std::coroutine_handle<>> m_waiting;
    bool m_scheduled = false;
};

struct StartTurn
{
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiter) const
    {
        StartTurns::forThisThread().request(waiter);
    }
    void await_resume() const noexcept {}
};

// QProcess ends in one of two ways (finished, or an error before it ever ran);
// this turns both into one signal a coroutine can wait for.
class EndSignal : public QObject
{
    Q_OBJECT
public:
    bool ended = false;
    ProcessRunResult end;

    void finish(int status, std::optional<Failure> error = std::nullopt)
    {
        if (ended)
            return;
        ended = true;
        end.status = status;
        end.launchError = std::move(error);
        emit done();
    }

signals:
    void done();
};

// What the child does between fork and exec. Its own process group, so that
// a stop also reaches what the tool starts itself (yt-dlp's ffmpeg); its end
// with Reelix; its sandbox (`rules`, -1 for none).
void setUpChild(QProcess &process, int rules)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent, rules] {
        ::setpgid(0, 0);
#ifdef __linux__
        // The tool dies with Reelix, even after kill -9; a parent that died
        // before this line would never send the signal.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
#endif
        // A kernel that refuses leaves the tool as it was: a download never
        // fails for want of the sandbox.
        Sandbox::restrictInChild(rules);
    });
}

// The child's sandbox, built before it starts, with the program's own folder
// readable; nothing without rules.
std::unique_ptr<Sandbox::Ruleset> rulesetFor(const QProcess &process,
                                             std::optional<Sandbox::Rules> rules)
{
    if (!rules)
        return nullptr;
    rules->readable << QFileInfo(process.program()).absolutePath();
    return std::make_unique<Sandbox::Ruleset>(*rules);
}

} // namespace

QCoro::Task<ProcessRunResult> startAndWait(QProcess &process, StartOptions options)
{
    EndSignal signal;
    QObject::connect(&process, &QProcess::finished, &signal,
                     [&signal](int exitCode, QProcess::ExitStatus) { signal.finish(exitCode); });
    QObject::connect(&process, &QProcess::errorOccurred, &signal,
                     [&](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         signal.end.outOfFileHandles = outOfFileHandles(process.errorString());
                         signal.finish(-1, Failure{Failure::Kind::Launch, process.errorString()});
                     });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &signal, [&] {
        if (process.state() == QProcess::NotRunning)
            return;
        signal.end.timedOut = true;
        terminateChild(process);
    });
    co_await StartTurn{};
    if (process.property(stoppedProperty).toBool()) {
        ProcessRunResult stopped;
        stopped.status = SIGTERM;
        co_return stopped;
    }
    std::unique_ptr<Sandbox::Ruleset> ruleset = rulesetFor(process, std::move(options.sandbox));
    setUpChild(process, ruleset ? ruleset->descriptor() : -1);
    if (process.workingDirectory().isEmpty())
        process.setWorkingDirectory(ToolPaths::runDirectory());
    process.start();
    ruleset.reset(); // the child holds its own copy
    if (!signal.ended) {
        if (options.timeLimit) {
            limit.setInterval(*options.timeLimit);
            limit.start();
        }
        if (options.onStarted)
            options.onStarted();
        co_await qCoro(&signal, &EndSignal::done);
    }
    co_return signal.end;
}

void terminateChild(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    // The group may not exist yet when the child has not reached setpgid.
    signalGroup(process, SIGTERM);
    // A tool that ignores SIGTERM must not keep its run, or Reelix, alive.
    QTimer::singleShot(killGrace, &process, [&process] {
        if (process.state() != QProcess::NotRunning)
            signalGroup(process, SIGKILL);
    });
}

void killChild(QProcess &process)
{
    process.setProperty(stoppedProperty, true);
    if (process.state() != QProcess::NotRunning)
        signalGroup(process, SIGKILL);
}

void stopChild(QProcess &process)
{
    process.setProperty(stoppedProperty, true);
    terminateChild(process);
}

#include "ProcessWait.moc"
