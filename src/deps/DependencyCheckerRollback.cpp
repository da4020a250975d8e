#include "DependencyChecker.h"
#include "ToolInstall.h"

#include <QDir>
#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

#include <utility>

// On a worker thread; started outside the coroutine, which GCC 12 gets wrong
// for closures initialised from temporaries.
QFuture<std::pair<Outcome, ToolRecord::State>> DependencyChecker::startRestoring(Dependency *tool)
{
    return QtConcurrent::run([fileName = tool->fileName(), name = tool->name(),
                              destination = toolPath(tool), argument = versionArgument(tool),
                              profile = PlatformProfile::current()] {
        if (!ToolRecord::read(fileName).hasPrevious)
            return std::pair{Outcome(Failure{Failure::Kind::MissingDownload,
                                             qtTrId("rollback.nothing").arg(name)}),
                             ToolRecord::read(fileName)};
        // Staging moves the file it places and deletes it when it does not
        // run: links stand in, so that a failed rollback keeps the previous
        // version (ffmpeg and ffprobe both) for another try.
        const QString links = ToolRecord::linkPrevious(fileName);
        const QString previous = links + QLatin1Char('/') + fileName;
        Outcome result;
        if (links.isEmpty())
            result = Failure{Failure::Kind::FileSystem,
                             //% "Cannot create the folder %1"
                             qtTrId("tools.install.no_folder").arg(ToolRecord::previousFolder())};
        else if (fileName == QStringLiteral("ffmpeg"))
            result = ToolInstall::placeFfmpegPair(previous, destination, profile);
        else
            result = ToolInstall::placeExecutable(previous, destination, profile, argument);
        if (!links.isEmpty())
            QDir(links).removeRecursively();
        if (!result)
            ToolRecord::finishRollback(fileName);
        return std::pair{result, ToolRecord::read(fileName)};
    });
}

// The previous version goes through the same staging as a download: it must
// run before it replaces the current tool, which stays in place otherwise.
QCoro::Task<bool> DependencyChecker::rollBack(Dependency *target)
{
    QPointer<Dependency> tool(target);
    setRun(Run::RollBack);
    setLogOutput(QString());
    //% "Rolling back %1"
    setCurrentStep(qtTrId("rollback.step").arg(tool->name()));
    appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
    auto restoring = startRestoring(tool);
    const auto restored = co_await restoring;
    const Outcome failure = restored.first;
    setRun(Run::None);
    setCurrentStep(QString());
    if (!tool)
        co_return false;
    tool->setRecord(restored.second);
    if (failure) {
        appendLog(QStringLiteral("✗ ") + failure->message);
        co_return false;
    }
    //% "%1 is back to its previous version"
    appendLog(QStringLiteral("✓ ") + qtTrId("rollback.done").arg(tool->name()));
    co_await checkVersion(tool);
    co_return true;
}
