// Lines per second delivered by the tool runner for a child printing
// 1 000 000 short lines, next to `wc -l` reading the same stream.
#include "engine/ProcessRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString producer = QStringLiteral("seq 1 1000000");

    QElapsedTimer clock;
    clock.start();
    QProcess wc;
    wc.start(QStringLiteral("/bin/sh"),
             {QStringLiteral("-c"), producer + QStringLiteral(" | wc -l")});
    wc.waitForFinished(-1);
    const double wcSeconds = clock.nsecsElapsed() / 1e9;
    const long wcLines = QString::fromUtf8(wc.readAllStandardOutput()).trimmed().toLong();

    QProcess child;
    child.setProgram(QStringLiteral("/bin/sh"));
    child.setArguments({QStringLiteral("-c"), producer});
    long lines = 0;
    clock.restart();
    RunOptions options;
    options.onStdoutLine = [&](const QString &) { ++lines; };
    const auto result = QCoro::waitFor(run(child, std::move(options)));
    const double runnerSeconds = clock.nsecsElapsed() / 1e9;

    std::printf("wc -l:  %ld lines in %.3f s = %.0f lines/s\n", wcLines, wcSeconds,
                wcLines / wcSeconds);
    std::printf("runner: %ld lines in %.3f s = %.0f lines/s (status %d)\n", lines, runnerSeconds,
                lines / runnerSeconds, result.status);
    std::printf("runner time / wc time: %.2f\n", runnerSeconds / wcSeconds);
    return lines == 1000000 ? 0 : 1;
}
