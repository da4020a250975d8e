#include "ProcessRunner.h"

#include "DownloadItem.h"
#include "log/Logger.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <mutex>

#include "platform/TemporaryNames.h"

namespace {

// How far below the app's own priority the tools run (as `nice` does by default).
constexpr int toolNiceness = 10;
constexpr qint64 stderrTailBytes = 1 << 20;

void logTimeout(std::chrono::milliseconds limit, const QString &siteName)
{
    QString message =
        QStringLiteral("⏱ Timeout ") +
        QString::number(std::chrono::duration_cast<std::chrono::seconds>(limit).count()) +
        QStringLiteral("s — arrêt du process");
    if (!siteName.isEmpty())
        message += QStringLiteral(" pour ") + siteName;
    Logger::shared().log(message, LogLevel::Warning);
}

// Says once per process whether the tools run in a sandbox, and with what.
void logSandboxOnce()
{
    static std::once_flag said;
    std::call_once(said, [] {
        const bool full = Sandbox::enabled() && Sandbox::limitsNetwork();
        Logger::shared().log(QStringLiteral("  ") + Sandbox::summary(),
                             full ? LogLevel::Info : LogLevel::Warning);
    });
}

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    if (!bytes.isValidUtf8())
        return std::nullopt;
    return QString::fromUtf8(bytes);
}

// The end of a tool's standard error: the last lines say why it failed, and
// a tool that prints without end must not cost memory to match.
QString readTail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const bool cut = file.size() > stderrTailBytes;
    if (cut)
        file.seek(file.size() - stderrTailBytes);
    QByteArray tail = file.read(stderrTailBytes);
    if (cut) {
        // From the first whole line on; within one endless line, from a
        // whole character.
        const qsizetype lf = tail.indexOf('\n');
        qsizetype start = 0;
        if (lf >= 0 && lf < tail.size() - 1)
            start = lf + 1;
        else
            while (start < tail.size() && (uchar(tail.at(start)) & 0xC0) == 0x80)
                ++start;
        tail.remove(0, start);
    }
    return decodeUtf8(tail).value_or(QString());
}

} // namespace

void StdoutCollector::append(QByteArrayView chunk)
{
    QList<QString> lines;
    {
        QMutexLocker lock(&m_lock);
        m_data.append(chunk);
        if (!m_onLine)
            return;
        m_pending.append(chunk);
        qsizetype start = 0;
        for (;;) {
            const qsizetype lf = m_pending.indexOf('\n', start);
            if (lf < 0)
                break;
            if (auto line = decodeUtf8(QByteArrayView(m_pending).sliced(start, lf - start)))
                lines.append(std::move(*line));
            start = lf + 1;
        }
        if (start > 0)
            m_pending.remove(0, start);
    }
    for (const QString &line : lines)
        m_onLine(line);
}

void StdoutCollector::flush()
{
    QByteArray rest;
    {
        QMutexLocker lock(&m_lock);
        rest.swap(m_pending);
    }
    if (!m_onLine || rest.isEmpty())
        return;
    if (auto text = decodeUtf8(rest); text && !text->trimmed().isEmpty())
        m_onLine(*text);
}

QByteArray StdoutCollector::data() const
{
    QMutexLocker lock(&m_lock);
    return m_data;
}

QCoro::Task<ProcessRunResult> run(QProcess &process, RunOptions options)
{
    StdoutCollector collector(std::move(options.onStdoutLine));
    const QString stderrPath =
        TemporaryNames::inTemp(QStringLiteral("reelix_stderr_")) + QStringLiteral(".txt");
    bool stderrFileReady = false;
    {
        // A tool's errors may name private addresses and files: only this
        // user reads them, and a name someone else took is never written.
        QFile file(stderrPath);
        stderrFileReady = file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                                    QFile::ReadOwner | QFile::WriteOwner);
    }
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(stderrFileReady ? stderrPath : QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardOutput);

    QObject context;
    const auto readAvailable = [&] {
        const QByteArray chunk = process.readAllStandardOutput();
        if (!chunk.isEmpty())
            collector.append(chunk);
    };
    auto readConnection =
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &context, readAvailable);

    StartOptions start;
    start.timeLimit = options.timeLimit;
    if (options.sandbox) {
        logSandboxOnce();
        start.sandbox = std::move(options.sandbox);
    }
    // Tools run below the app, so that with many downloads at once the window
    // still gets the processor first. Set from here rather than in the child
    // before it starts the tool: the app waits until the child has started
    // the tool, and a lowered child would make it wait longer.
    start.onStarted = [&process] {
        const int appNiceness = ::getpriority(PRIO_PROCESS, 0);
        ::setpriority(PRIO_PROCESS, id_t(process.processId()),
                      std::min(appNiceness + toolNiceness, 19));
    };
    ProcessRunResult result = co_await startAndWait(process, std::move(start));
    if (result.timedOut)
        logTimeout(*options.timeLimit, options.siteName);

    QObject::disconnect(readConnection);
    if (result.started())
        readAvailable();
    collector.flush();
    result.stdoutData = collector.data();
    if (stderrFileReady) {
        result.stderrText = readTail(stderrPath);
        QFile::remove(stderrPath);
    }
    co_return result;
}

QCoro::Task<ProcessRunResult> runForItem(QProcess &process, DownloadItem *target,
                                         RunOptions options)
{
    QPointer<DownloadItem> item(target);
    if (item && item->run())
        item->run()->hold(process);
    ProcessRunResult result = co_await run(process, std::move(options));
    if (item && item->run())
        item->run()->release(process);
    co_return result;
}
