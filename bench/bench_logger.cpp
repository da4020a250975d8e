// Caller-side cost of Logger::log with logging on and off (100 000 calls).
// Runs in a private HOME so the user's log is untouched.
#include "log/Logger.h"
#include "platform/PrivateHome.h"
#include "platform/UserDefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

static double perCallMicroseconds(int calls)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        Logger::shared().log(QStringLiteral("  benchmark line %1").arg(i), LogLevel::Debug);
    return clock.nsecsElapsed() / 1e3 / calls;
}

int main(int argc, char *argv[])
{
    const PrivateHome home(QStringLiteral("reelix-bench"));
    QCoreApplication app(argc, argv);
    const int calls = 100000;

    UserDefaults::setValue(QStringLiteral("debugLogging"), true);
    const double enabled = perCallMicroseconds(calls);
    QElapsedTimer drain;
    drain.start();
    Logger::shared().waitUntilWritten();
    const double drainMs = drain.nsecsElapsed() / 1e6;

    UserDefaults::setValue(QStringLiteral("debugLogging"), false);
    const double disabled = perCallMicroseconds(calls);

    std::printf(
        "enabled:  %.2f us per call on the caller's thread (writer drained %.1f ms later)\n",
        enabled, drainMs);
    std::printf("disabled: %.2f us per call\n", disabled);
    return 0;
}
