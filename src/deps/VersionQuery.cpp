#include "VersionQuery.h"
#include "ToolInstall.h"

#include "platform/ProcessWait.h"
#include "platform/ToolPaths.h"

#include <QProcess>

QCoro::Task<QString> versionOutput(QString path, QStringList arguments)
{
    if (!ToolPaths::isExecutableFile(path))
        co_return QString();
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardErrorFile(QProcess::nullDevice());
    StartOptions options;
    options.timeLimit = ToolInstall::versionTimeLimit;
    const ProcessRunResult end = co_await startAndWait(process, options);
    if (!end.started() || end.timedOut)
        co_return QString();
    const QByteArray bytes = process.readAllStandardOutput();
    co_return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString();
}
