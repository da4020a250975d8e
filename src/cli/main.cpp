// reelix-cli: the download engine from a terminal, for machines without a
// display and for scripts.
#include "CliOptions.h"
#include "DownloadCommand.h"
#include "ToolsCommand.h"

#include "engine/Submission.h"
#include "i18n/Localization.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

QString readStandardInput()
{
    QTextStream in(stdin);
    return in.readAll();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("reelix-cli"));
    Localization::install();

    const CliOptions options = CliOptions::parse(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "reelix-cli: %s\n\n%s", options.error.toLocal8Bit().constData(),
                     CliOptions::usage().toLocal8Bit().constData());
        return 2;
    }

    // Signals become an event: every child is stopped and the summary printed.
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe);
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    int exitCode = 0;
    if (options.command == CliOptions::Command::Download ||
        options.command == CliOptions::Command::Info) {
        const QStringList addresses = addressesFromText(
            options.readStdin ? readStandardInput() : options.addresses.join(QLatin1Char('\n')));
        DownloadCommand command(options);
        QObject::connect(&notifier, &QSocketNotifier::activated, &command, [&] {
            char buffer[16];
            [[maybe_unused]] const auto n = ::read(signalPipe[0], buffer, sizeof buffer);
            command.interrupt();
        });
        bool finished = false;
        QObject::connect(&command, &DownloadCommand::finished, &app, [&](int code) {
            exitCode = code;
            finished = true;
            QCoreApplication::exit(code);
        });
        command.start(addresses);
        if (!finished)
            exitCode = app.exec();
        return exitCode;
    }

    auto task = options.command == CliOptions::Command::Tools ? ToolsCommand::run(options)
                                                              : ToolsCommand::certs(options);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::exit(130); });
    bool finished = false;
    task.then([&](int code) {
        exitCode = code;
        finished = true;
        QCoreApplication::exit(code);
    });
    if (!finished)
        exitCode = app.exec();
    return exitCode;
}
