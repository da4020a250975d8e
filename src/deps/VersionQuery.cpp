#include "VersionQuery.h"
#include "StopSwitch.h"
#include "ToolInstall.h"

#include "platform/ProcessWait.h"

#include <QPointer>
#include <QProcess>

QCoro::Task<Result<QString>> versionOutput(QString path, QStringList arguments,
                                           const StopSwitch *stop)
{
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardErrorFile(QProcess::nullDevice());
    QObject context;
    const QPointer<const StopSwitch> stopGuard(stop); // its owner may go while the tool runs
    if (stop) {
        QObject::connect(stop, &StopSwitch::thrown, &context, [&process] { stopChild(process); });
        if (stop->isOn())
            stopChild(process);
    }
    StartOptions options;
    options.timeLimit = ToolInstall::versionTimeLimit;
    const ProcessRunResult end = co_await startAndWait(process, options);
    const QString argument = arguments.value(0);
    if (stopGuard && stopGuard->isOn())
        co_return Failure{Failure::Kind::Tool, qtTrId("tools.stopped")};
    if (!end.started())
        co_return ToolInstall::cannotStart(end.launchError->message);
    if (end.timedOut)
        co_return ToolInstall::noAnswer(argument);
    const QByteArray bytes = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        bytes.trimmed().isEmpty())
        co_return ToolInstall::noVersion(argument);
    co_return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString();
}
