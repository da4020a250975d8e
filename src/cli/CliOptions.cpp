#include "CliOptions.h"

CliOptions CliOptions::parse(const QStringList &arguments)
{
    CliOptions o;
    if (arguments.isEmpty()) {
        o.error = QStringLiteral("missing command");
        return o;
    }
    const QString command = arguments.first();
    if (command == QStringLiteral("download"))
        o.command = Command::Download;
    else if (command == QStringLiteral("info"))
        o.command = Command::Info;
    else if (command == QStringLiteral("tools"))
        o.command = Command::Tools;
    else if (command == QStringLiteral("certs"))
        o.command = Command::Certs;
    else {
        o.error = QStringLiteral("unknown command: ") + command;
        return o;
    }
    const bool takesAddresses = o.command == Command::Download || o.command == Command::Info;
    bool optionsEnded = false;
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        const auto value = [&](const QString &name) -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                o.error = name + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            return arguments.at(++i);
        };
        if (optionsEnded || arg == QStringLiteral("-") || !arg.startsWith(QLatin1Char('-'))) {
            positional << arg;
        } else if (arg == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (arg == QStringLiteral("--json") && o.command != Command::Certs) {
            o.json = true;
        } else if (arg == QStringLiteral("--refresh") && o.command == Command::Certs) {
            o.refresh = true;
        } else if (o.command == Command::Download && arg == QStringLiteral("--audio")) {
            o.audio = true;
        } else if (o.command == Command::Download && arg == QStringLiteral("--convert")) {
            o.convert = true;
        } else if (o.command == Command::Download && arg == QStringLiteral("--format")) {
            const auto v = value(arg);
            if (!v)
                return o;
            o.format = *v;
        } else if (o.command == Command::Download && arg == QStringLiteral("--folder")) {
            const auto v = value(arg);
            if (!v)
                return o;
            o.folder = *v;
        } else {
            o.error = QStringLiteral("unknown option: ") + arg;
            return o;
        }
    }
    if (takesAddresses) {
        if (positional.contains(QStringLiteral("-"))) {
            if (positional.size() != 1) {
                o.error = QStringLiteral(
                    "\"-\" reads the addresses from standard input and stands alone");
                return o;
            }
            o.readStdin = true;
        } else if (positional.isEmpty()) {
            o.error = QStringLiteral("no address given");
            return o;
        }
        o.addresses = o.readStdin ? QStringList() : positional;
    } else if (o.command == Command::Tools) {
        if (positional.size() > 1) {
            o.error = QStringLiteral("tools takes one action");
            return o;
        }
        if (!positional.isEmpty())
            o.toolsAction = positional.first();
        if (o.toolsAction != QStringLiteral("status") &&
            o.toolsAction != QStringLiteral("install") &&
            o.toolsAction != QStringLiteral("update")) {
            o.error = QStringLiteral("unknown tools action: ") + o.toolsAction;
            return o;
        }
    } else if (!positional.isEmpty()) {
        o.error = QStringLiteral("certs takes no address");
    }
    return o;
}

QString CliOptions::usage()
{
    return QStringLiteral(
        "usage: reelix-cli download [--audio] [--format ID|LABEL] [--convert] [--folder DIR] "
        "[--json] ADDRESS... | -\n"
        "       reelix-cli info [--json] ADDRESS...\n"
        "       reelix-cli tools [status|install|update] [--json]\n"
        "       reelix-cli certs [--refresh]\n"
        "\n"
        "\"-\" reads addresses from standard input, one per line. \"--\" ends the options,\n"
        "so that an address starting with \"-\" is taken as an address.\n");
}
