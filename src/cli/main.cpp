// reelix-cli: the download engine from a terminal, for machines without a
// display and for scripts.
#include "CliOptions.h"
#include "DoctorCommand.h"
#include "DownloadCommand.h"
#include "FollowCommand.h"
#include "HistoryCommand.h"
#include "Terminal.h"
#include "ToolsCommand.h"

#include "engine/AddressText.h"
#include "i18n/Localization.h"
#include "platform/StopSignals.h"
#include "platform/UserDefaults.h"
#include "store/QueueStore.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QString readStandardInput()
{
    QTextStream in(stdin);
    return in.readAll();
}

// Downloads or describes the addresses given, until every one has ended.
int runDownloads(const CliOptions &options, StopSignals &stopSignals)
{
    const QString text =
        options.readStdin ? readStandardInput() : options.addresses.join(QLatin1Char('\n'));
    const QStringList addresses = addressesFromText(text);
    if (const int left = nonAddressLines(text); left > 0)
        std::fprintf(stderr, "reelix-cli: %s\n",
                     qPrintable(Terminal::printable(qtTrId("input.not_addresses", left))));
    // A download the app was making when it ended is the app's to resume.
    QueueStore::claimSavedWork();
    DownloadCommand command(options);
    QObject::connect(&stopSignals, &StopSignals::received, &command, [&] { command.interrupt(); });
    int exitCode = 0;
    bool finished = false;
    QObject::connect(&command, &DownloadCommand::finished, qApp, [&](int code) {
        exitCode = code;
        finished = true;
        QCoreApplication::exit(code);
    });
    command.start(addresses);
    if (!finished)
        exitCode = QCoreApplication::exec();
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("reelix-cli"));
    Localization::installChosen(UserDefaults::value(QStringLiteral("language")).toString());

    const CliOptions options = CliOptions::parse(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "reelix-cli: %s\n\n%s",
                     Terminal::printable(options.error).toLocal8Bit().constData(),
                     CliOptions::usage().toLocal8Bit().constData());
        return 2;
    }
    if (options.command == CliOptions::Command::Help ||
        options.command == CliOptions::Command::Version) {
        const QString text = options.command == CliOptions::Command::Help
                                 ? CliOptions::usage(options.helpTopic)
                                 : CliOptions::version();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    if (options.command == CliOptions::Command::History)
        return HistoryCommand::run(options);

    // A stop signal becomes an event: every child is stopped and the summary printed.
    StopSignals stopSignals;

    if (options.command == CliOptions::Command::Download ||
        options.command == CliOptions::Command::Info)
        return runDownloads(options, stopSignals);

    int exitCode = 0;
    if (options.command == CliOptions::Command::Doctor) {
        bool ended = false;
        DoctorCommand::run(options).then([&](int code) {
            exitCode = code;
            ended = true;
            QCoreApplication::exit(code);
        });
        return ended ? exitCode : app.exec();
    }
    const bool tools = options.command == CliOptions::Command::Tools;
    const bool follow = options.command == CliOptions::Command::Follow;
    auto task = follow  ? FollowCommand::run(options, stopSignals)
                : tools ? ToolsCommand::run(options, stopSignals)
                        : ToolsCommand::certs(options);
    if (!tools && !follow)
        QObject::connect(&stopSignals, &StopSignals::received, &app,
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
