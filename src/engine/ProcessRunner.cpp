#include "ProcessRunner.h"

#include "log/Logger.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QUuid>

#include <sys/resource.h>

#include <algorithm>

#include "platform/ProcessWait.h"

namespace {

// How far below the app's own priority the tools run (as `nice` does by default).
constexpr int toolNiceness = 10;

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    if (!bytes.isValidUtf8())
        return std::nullopt;
    return QString::fromUtf8(bytes);
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

QCoro::Task<ProcessRunResult> run(QProcess &process, std::optional<double> timeoutSeconds,
                                  QString siteName, LineCallback onStdoutLine)
{
    StdoutCollector collector(std::move(onStdoutLine));
    const QString stderrPath = QDir::tempPath() + QStringLiteral("/reelix_stderr_") +
                               QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() +
                               QStringLiteral(".txt");
    bool stderrFileReady = false;
    {
        QFile file(stderrPath);
        stderrFileReady = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
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

    QTimer limit;
    if (timeoutSeconds) {
        limit.setSingleShot(true);
        limit.setInterval(std::chrono::milliseconds(qint64(*timeoutSeconds * 1000.0)));
        QPointer<QProcess> child(&process);
        const double seconds = *timeoutSeconds;
        QObject::connect(&limit, &QTimer::timeout, &context, [child, seconds, siteName] {
            if (!child || child->state() == QProcess::NotRunning)
                return;
            QString message = QStringLiteral("⏱ Timeout ") + QString::number(qint64(seconds)) +
                              QStringLiteral("s — arrêt du process");
            if (!siteName.isEmpty())
                message += QStringLiteral(" pour ") + siteName;
            Logger::shared().log(message, LogLevel::Warning);
            terminateChild(*child);
        });
    }

    const ProcessEnd end = co_await startAndWait(process, [&] {
        // Tools run below the app, so that with many downloads at once the
        // window still gets the processor first. Set from here rather than in
        // the child before it starts the tool: the app waits until the child
        // has started the tool, and a lowered child would make it wait longer.
        const int appNiceness = ::getpriority(PRIO_PROCESS, 0);
        ::setpriority(PRIO_PROCESS, id_t(process.processId()),
                      std::min(appNiceness + toolNiceness, 19));
        if (timeoutSeconds)
            limit.start();
    });
    limit.stop();

    QObject::disconnect(readConnection);
    if (end.started())
        readAvailable();
    collector.flush();

    QString stderrText;
    if (stderrFileReady) {
        QFile file(stderrPath);
        if (file.open(QIODevice::ReadOnly))
            stderrText = decodeUtf8(file.readAll()).value_or(QString());
        file.close();
        QFile::remove(stderrPath);
    }

    ProcessRunResult result;
    result.status = end.status;
    result.stdoutData = collector.data();
    result.stderrText = std::move(stderrText);
    result.launchError = end.launchError;
    co_return result;
}
