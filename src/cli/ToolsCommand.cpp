#include "ToolsCommand.h"

#include "CliJson.h"

#include "certs/CertificateStore.h"
#include "platform/StopSignals.h"

#include <cstdio>

namespace {

QString describe(const Dependency *tool)
{
    const DepStatus s = tool->status();
    QString text = tool->name() + QStringLiteral(": ") + s.caseName();
    switch (s.kind()) {
    case DepStatus::Kind::UpToDate:
        text += QLatin1Char(' ') + s.version();
        break;
    case DepStatus::Kind::UpdateAvailable:
        text += QLatin1Char(' ') + s.installed() + QStringLiteral(" → ") + s.latest();
        break;
    case DepStatus::Kind::Downloading:
    case DepStatus::Kind::Updating:
        text += QLatin1Char(' ') + Terminal::progressBar(s.fraction()) +
                QStringLiteral(" %1%").arg(int(s.fraction() * 100));
        break;
    case DepStatus::Kind::Failed:
        text += QStringLiteral(" — ") + s.message();
        break;
    case DepStatus::Kind::Unchecked:
        text += QLatin1Char(' ') + s.version() + QStringLiteral(" — ") +
                //% "could not check (%1)"
                qtTrId("tools.unchecked").arg(s.message());
        break;
    default:
        break;
    }
    if (const auto found = DependencyChecker::located(tool); found && found->system)
        //% "using %1 from the system"
        text += QStringLiteral(" — ") + qtTrId("tools.cli.system").arg(found->path);
    return text;
}

// 1 when there is nothing to roll back to or the previous version does not run.
QCoro::Task<int> rollBack(DependencyChecker &checker, Terminal &terminal, QString fileName)
{
    co_await checker.checkInstalled();
    for (Dependency *tool : checker.tools()) {
        if (tool->fileName() != fileName)
            continue;
        if (!tool->hasPrevious()) {
            //% "%1: no previous version is kept, there is nothing to roll back to."
            terminal.print(qtTrId("rollback.nothing").arg(tool->name()));
            co_return 1;
        }
        co_return co_await checker.rollBack(tool) ? 0 : 1;
    }
    co_return 1;
}

} // namespace

namespace ToolsCommand {

QCoro::Task<int> run(CliOptions options, const StopSignals &stopSignals)
{
    DependencyChecker checker;
    // A stop ends the transfers and version runs under way; the summary and
    // the JSON follow as usual.
    bool interrupted = false;
    QObject::connect(&stopSignals, &StopSignals::received, &checker, [&] {
        interrupted = true;
        checker.stop();
    });
    Terminal terminal(stderr);
    // The installer's own log lines, as they come, and progress per tool.
    qsizetype shownLog = 0;
    QObject::connect(&checker, &DependencyChecker::logOutputChanged, &checker, [&] {
        const QString log = checker.logOutput();
        if (log.size() < shownLog)
            shownLog = 0;
        for (const QString &line : log.mid(shownLog).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            terminal.print(line);
        shownLog = log.size();
    });
    for (Dependency *tool : checker.tools()) {
        QObject::connect(tool, &Dependency::statusChanged, &checker, [&terminal, tool] {
            const auto kind = tool->status().kind();
            if (kind == DepStatus::Kind::Downloading || kind == DepStatus::Kind::Updating)
                terminal.show(
                    {describe(tool)},
                    {tool->name() + QString::number(int(tool->status().fraction() * 10))});
        });
    }

    int failed = 0;
    if (options.toolsAction == QStringLiteral("install")) {
        co_await checker.checkInstalled();
        if (!interrupted)
            co_await checker.installAll();
    } else if (options.toolsAction == QStringLiteral("rollback")) {
        failed = co_await rollBack(checker, terminal, options.toolName);
    } else {
        co_await checker.checkStatus();
        if (options.toolsAction == QStringLiteral("update") && !interrupted)
            co_await checker.updateAll();
    }
    for (const Dependency *tool : checker.tools())
        terminal.print(describe(tool));
    if (options.json) {
        std::fputs(CliJson::line(CliJson::tools(checker)).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    co_return interrupted ? 130 : failed || checker.hasFailure() ? 1 : 0;
}

QCoro::Task<int> certs(CliOptions options)
{
    const auto path = co_await CertificateStore::bundlePath(options.refresh);
    if (!path) {
        std::fputs("No certificate bundle could be made.\n", stderr);
        co_return 1;
    }
    std::printf("%s\n", Terminal::printable(*path).toLocal8Bit().constData());
    std::fflush(stdout);
    co_return 0;
}

} // namespace ToolsCommand
