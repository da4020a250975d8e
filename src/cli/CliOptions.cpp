#include "CliOptions.h"

namespace {

std::optional<CliOptions::Command> commandNamed(const QString &name)
{
    if (name == QStringLiteral("download"))
        return CliOptions::Command::Download;
    if (name == QStringLiteral("info"))
        return CliOptions::Command::Info;
    if (name == QStringLiteral("tools"))
        return CliOptions::Command::Tools;
    if (name == QStringLiteral("certs"))
        return CliOptions::Command::Certs;
    return std::nullopt;
}

bool takeFragments(CliOptions &o, const QString &value)
{
    bool ok = false;
    const int fragments = value.toInt(&ok);
    if (!ok || fragments < 1 || fragments > 16) {
        o.error = QStringLiteral("--fragments takes a number from 1 to 16");
        return false;
    }
    o.fragments = fragments;
    return true;
}

// Takes the option at `i` (and its value, moving `i` past it); false with
// `o.error` set when it is not one of the command's options.
bool takeOption(CliOptions &o, const QStringList &arguments, qsizetype &i)
{
    const QString arg = arguments.at(i);
    const bool download = o.command == CliOptions::Command::Download;
    if (arg == QStringLiteral("--json") && o.command != CliOptions::Command::Certs)
        o.json = true;
    else if (arg == QStringLiteral("--refresh") && o.command == CliOptions::Command::Certs)
        o.refresh = true;
    else if (download && arg == QStringLiteral("--audio"))
        o.audio = true;
    else if (download && arg == QStringLiteral("--convert"))
        o.convert = true;
    else if (download && (arg == QStringLiteral("--format") || arg == QStringLiteral("--folder") ||
                          arg == QStringLiteral("--fragments"))) {
        if (i + 1 >= arguments.size()) {
            o.error = arg + QStringLiteral(" needs a value");
            return false;
        }
        const QString value = arguments.at(++i);
        if (arg == QStringLiteral("--fragments"))
            return takeFragments(o, value);
        (arg == QStringLiteral("--format") ? o.format : o.folder) = value;
    } else {
        o.error = QStringLiteral("unknown option: ") + arg;
        return false;
    }
    return true;
}

// What the positional arguments mean for the command.
void takePositional(CliOptions &o, const QStringList &positional)
{
    if (o.command == CliOptions::Command::Download || o.command == CliOptions::Command::Info) {
        if (positional.contains(QStringLiteral("-"))) {
            if (positional.size() != 1)
                o.error = QStringLiteral(
                    "\"-\" reads the addresses from standard input and stands alone");
            o.readStdin = true;
        } else if (positional.isEmpty()) {
            o.error = QStringLiteral("no address given");
        }
        o.addresses = o.readStdin ? QStringList() : positional;
    } else if (o.command == CliOptions::Command::Tools) {
        if (positional.size() > 1) {
            o.error = QStringLiteral("tools takes one action");
            return;
        }
        if (!positional.isEmpty())
            o.toolsAction = positional.first();
        if (o.toolsAction != QStringLiteral("status") &&
            o.toolsAction != QStringLiteral("install") && o.toolsAction != QStringLiteral("update"))
            o.error = QStringLiteral("unknown tools action: ") + o.toolsAction;
    } else if (!positional.isEmpty()) {
        o.error = QStringLiteral("certs takes no address");
    }
}

} // namespace

CliOptions CliOptions::parse(const QStringList &arguments)
{
    CliOptions o;
    if (arguments.isEmpty()) {
        o.error = QStringLiteral("missing command");
        return o;
    }
    const auto command = commandNamed(arguments.first());
    if (!command) {
        o.error = QStringLiteral("unknown command: ") + arguments.first();
        return o;
    }
    o.command = *command;
    bool optionsEnded = false;
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        if (optionsEnded || arg == QStringLiteral("-") || !arg.startsWith(QLatin1Char('-')))
            positional << arg;
        else if (arg == QStringLiteral("--"))
            optionsEnded = true;
        else if (!takeOption(o, arguments, i))
            return o;
    }
    takePositional(o, positional);
    return o;
}

QString CliOptions::usage()
{
    return QStringLiteral(
        "usage: reelix-cli download [--audio] [--format ID|LABEL] [--convert] [--folder DIR] "
        "[--fragments N] [--json] ADDRESS... | -\n"
        "       reelix-cli info [--json] ADDRESS...\n"
        "       reelix-cli tools [status|install|update] [--json]\n"
        "       reelix-cli certs [--refresh]\n"
        "\n"
        "\"-\" reads addresses from standard input, one per line. \"--\" ends the options,\n"
        "so that an address starting with \"-\" is taken as an address.\n");
}
