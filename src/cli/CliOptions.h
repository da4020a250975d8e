#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line of reelix-cli, parsed. A usage error leaves `error` set.
struct CliOptions
{
    enum class Command
    {
        Download,
        Info,
        Tools,
        Certs
    };

    Command command = Command::Download;
    bool audio = false;
    bool convert = false;
    bool json = false;
    bool refresh = false;
    bool readStdin = false;
    QString format;               // --format ID|LABEL
    QString folder;               // --folder DIR
    std::optional<int> fragments; // --fragments N, 1–16
    QString toolsAction = QStringLiteral("status");
    QStringList addresses;
    QString error;

    static CliOptions parse(const QStringList &arguments);
    static QString usage();
};
