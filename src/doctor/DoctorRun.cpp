#include "DoctorRun.h"

#include "platform/ProcessWait.h"
#include "platform/ToolPaths.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>

namespace DoctorRun {

QCoro::Task<ToolAnswer> tool(QString path, QStringList arguments, std::chrono::milliseconds limit)
{
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    // Our own folder: a yt-dlp.conf in the caller's folder must not change the answer.
    process.setWorkingDirectory(ToolPaths::runDirectory());
    StartOptions options;
    options.timeLimit = limit;
    const ProcessRunResult end = co_await startAndWait(process, options);
    ToolAnswer answer;
    if (!end.started()) {
        answer.reason = end.launchError->message;
        co_return answer;
    }
    answer.timedOut = end.timedOut;
    answer.ran = !end.timedOut && process.exitStatus() == QProcess::NormalExit;
    answer.status = process.exitCode();
    answer.out = QString::fromUtf8(process.readAllStandardOutput());
    answer.err = QString::fromUtf8(process.readAllStandardError());
    co_return answer;
}

QString tildePath(const QString &path)
{
    const QString home = QDir::homePath();
    if (home.size() > 1 && (path == home || path.startsWith(home + QLatin1Char('/'))))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

qint64 elapsedSince(qint64 startMs)
{
    return QDateTime::currentMSecsSinceEpoch() - startMs;
}

} // namespace DoctorRun
