#pragma once

#include "cookies/CookieSource.h"
#include "engine/MediaChoices.h"

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
        Certs,
        History,
        Doctor,
        Follow,
        Help,
        Version
    };

    Command command = Command::Download;
    bool audio = false;
    bool convert = false;
    bool json = false;
    bool refresh = false;
    bool readStdin = false;
    bool report = false;          // doctor --report
    QString format;               // --format ID|LABEL
    QString folder;               // --folder DIR
    std::optional<int> fragments; // --fragments N, 1–16
    // --cookies-from-browser BROWSER[:PROFILE], --cookies FILE, --no-cookies;
    // nothing: the setting the desktop app saved.
    std::optional<CookieSource> cookies;
    // --audio-format, --audio-quality, --container, --audio-lang,
    // --audio-multistreams, --sub-langs, --embed-subs, --no-embed-metadata
    // (as parsed over the default choices; `choiceFlags` keeps them as given)
    MediaChoices choices;
    QStringList choiceFlags;
    QString items;       // --items LIST: the entries of a list to take
    bool archive = true; // --no-archive: lists do not skip what was downloaded
    QString preset;      // --preset NAME: the file choices of a preset, not the defaults
    QString toolsAction = QStringLiteral("status");
    QString toolName;      // tools rollback NAME
    QString helpTopic;     // help COMMAND, or COMMAND --help
    QStringList addresses; // follow: its arguments, as given
    QString error;

    static CliOptions parse(const QStringList &arguments);
    // The file choices of a download: the preset's, or the defaults set in
    // the app, changed by the file options given.
    MediaChoices fileChoices() const;
    // The usage of every command, or of one (`topic`) with what it does.
    static QString usage(const QString &topic = QString());
    static QString version();
};
