#include "CliOptions.h"

#include "ClipOptions.h"

#include "engine/MediaPresets.h"
#include "engine/Playlist.h"

#include <QRegularExpression>

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
    if (name == QStringLiteral("history"))
        return CliOptions::Command::History;
    if (name == QStringLiteral("doctor"))
        return CliOptions::Command::Doctor;
    if (name == QStringLiteral("follow"))
        return CliOptions::Command::Follow;
    if (name == QStringLiteral("help") || name == QStringLiteral("--help") ||
        name == QStringLiteral("-h"))
        return CliOptions::Command::Help;
    if (name == QStringLiteral("version") || name == QStringLiteral("--version"))
        return CliOptions::Command::Version;
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

// The cookie options, yt-dlp's own: false with `o.error` set on a bad value.
bool takeCookies(CliOptions &o, const QString &arg, const QString &value)
{
    if (arg == QStringLiteral("--cookies")) {
        o.cookies = CookieSource::fromFile(value);
        return true;
    }
    o.cookies = CookieSource::fromBrowserArgument(value);
    if (!o.cookies)
        o.error = QStringLiteral("--cookies-from-browser takes BROWSER[:PROFILE], BROWSER one of "
                                 "firefox, chrome, chromium, brave, edge, opera, vivaldi, safari");
    return o.cookies.has_value();
}

bool takePreset(CliOptions &o, const QString &value)
{
    const std::optional<MediaPreset> preset = MediaPresets::find(value);
    if (!preset) {
        o.error = QStringLiteral("unknown preset: ") + value +
                  QStringLiteral("; the presets are ") +
                  MediaPresets::keys().join(QStringLiteral(", "));
        return false;
    }
    o.preset = preset->key;
    return true;
}

// yt-dlp's language codes: "en", "pt-BR", "en-orig"; "all" for every one.
bool isLanguageCode(const QString &code)
{
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.-]{0,31}$"));
    return shape.match(code).hasMatch();
}

// A choice of the file's formats and tracks, with its value when it takes
// one; false with `o.error` set on a bad value.
bool takeMediaValue(CliOptions &o, const QString &arg, const QString &value)
{
    MediaChoices &c = o.choices;
    const QString v = value.toLower();
    if (arg == QStringLiteral("--audio-format")) {
        const QStringList names{"mp3", "m4a", "opus", "flac", "wav"};
        if (!names.contains(v))
            o.error = QStringLiteral("--audio-format takes mp3, m4a, opus, flac or wav");
        c.audioCodec = Media::AudioCodec(qMax(0, int(names.indexOf(v))));
        o.audio = true;
    } else if (arg == QStringLiteral("--audio-quality")) {
        bool ok = false;
        c.audioKbps = (v.endsWith(QLatin1Char('k')) ? v.chopped(1) : v).toInt(&ok);
        if (!ok || (c.audioKbps != 0 && c.audioKbps < 8) || c.audioKbps > 512)
            o.error = QStringLiteral("--audio-quality takes kbit/s from 8 to 512, or 0 for "
                                     "the source's");
    } else if (arg == QStringLiteral("--container")) {
        const QStringList names{"mp4", "mkv", "webm"};
        if (!names.contains(v))
            o.error = QStringLiteral("--container takes mp4, mkv or webm");
        c.container = Media::Container(qMax(0, int(names.indexOf(v))));
    } else if (arg == QStringLiteral("--audio-lang")) {
        if (!isLanguageCode(value))
            o.error = QStringLiteral("--audio-lang takes a language code: en, pt-BR");
        c.audioLanguage = value;
    } else { // --sub-langs
        c.subtitleLanguages = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &code : std::as_const(c.subtitleLanguages)) {
            if (!isLanguageCode(code))
                o.error = QStringLiteral("--sub-langs takes language codes: en,fr");
        }
    }
    return o.error.isEmpty();
}

// Whether `arg` is a choice of the file's formats and tracks; the flags are
// set here, a value is taken (moving `i` past it).
std::optional<bool> takeMediaOption(CliOptions &o, const QStringList &arguments, qsizetype &i)
{
    const QString &arg = arguments.at(i);
    if (const auto clip = ClipOptions::take(o.choices, o.error, arguments, i))
        return clip;
    if (arg == QStringLiteral("--audio-multistreams"))
        o.choices.allAudioTracks = true;
    else if (arg == QStringLiteral("--embed-subs"))
        o.choices.embedSubtitles = true;
    else if (arg == QStringLiteral("--no-embed-metadata"))
        o.choices.embedMetadata = false;
    else if (!QStringList{"--audio-format", "--audio-quality", "--container", "--audio-lang",
                          "--sub-langs"}
                  .contains(arg))
        return std::nullopt;
    else if (i + 1 >= arguments.size()) {
        o.error = arg + QStringLiteral(" needs a value");
        return false;
    } else
        return takeMediaValue(o, arg, arguments.at(++i));
    return true;
}

// A file option as takeMediaOption takes it, kept as given for fileChoices.
std::optional<bool> takeFileOption(CliOptions &o, const QStringList &arguments, qsizetype &i)
{
    const qsizetype at = i;
    const std::optional<bool> taken = takeMediaOption(o, arguments, i);
    if (taken)
        o.choiceFlags << arguments.mid(at, i - at + 1);
    return taken;
}

// Takes the option at `i` (and its value, moving `i` past it); false with
// `o.error` set when it is not one of the command's options.
bool takeOption(CliOptions &o, const QStringList &arguments, qsizetype &i)
{
    const QString &arg = arguments.at(i);
    const bool download = o.command == CliOptions::Command::Download;
    const bool pages = download || o.command == CliOptions::Command::Info;
    if (pages &&
        (arg == QStringLiteral("--cookies") || arg == QStringLiteral("--cookies-from-browser"))) {
        if (i + 1 >= arguments.size()) {
            o.error = arg + QStringLiteral(" needs a value");
            return false;
        }
        return takeCookies(o, arg, arguments.at(++i));
    }
    if (const auto taken = download ? takeFileOption(o, arguments, i) : std::nullopt)
        return *taken;
    if (pages && arg == QStringLiteral("--no-cookies"))
        o.cookies = CookieSource::none();
    else if (arg == QStringLiteral("--json") && o.command != CliOptions::Command::Certs)
        o.json = true;
    else if (arg == QStringLiteral("--report") && o.command == CliOptions::Command::Doctor)
        o.report = true;
    else if (arg == QStringLiteral("--refresh") && o.command == CliOptions::Command::Certs)
        o.refresh = true;
    else if (download && arg == QStringLiteral("--audio"))
        o.audio = true;
    else if (download && arg == QStringLiteral("--convert"))
        o.convert = true;
    else if (download && arg == QStringLiteral("--no-archive"))
        o.archive = false;
    else if ((download || o.command == CliOptions::Command::Info) &&
             arg == QStringLiteral("--items")) {
        if (i + 1 >= arguments.size() || !Playlist::isValidItems(arguments.at(i + 1))) {
            o.error = QStringLiteral("--items takes entry numbers and ranges: 1-5,8 or 1:3,-2");
            return false;
        }
        o.items = arguments.at(++i);
    } else if (download && arg == QStringLiteral("--preset")) {
        if (i + 1 >= arguments.size()) {
            o.error = arg + QStringLiteral(" needs a value");
            return false;
        }
        return takePreset(o, arguments.at(++i));
    } else if (download &&
               (arg == QStringLiteral("--format") || arg == QStringLiteral("--folder") ||
                arg == QStringLiteral("--fragments"))) {
        if (i + 1 >= arguments.size()) {
            o.error = arg + QStringLiteral(" needs a value");
            return false;
        }
        const QString &value = arguments.at(++i);
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
        if (!positional.isEmpty())
            o.toolsAction = positional.first();
        const bool rollback = o.toolsAction == QStringLiteral("rollback");
        if (positional.size() != (rollback ? 2 : qMin(positional.size(), 1))) {
            o.error = rollback
                          ? QStringLiteral("tools rollback takes one tool: yt-dlp, ffmpeg or node")
                          : QStringLiteral("tools takes one action");
            return;
        }
        if (rollback) {
            o.toolName = positional.at(1);
            if (!QStringList{QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"),
                             QStringLiteral("node")}
                     .contains(o.toolName))
                o.error = QStringLiteral("unknown tool: ") + o.toolName;
        } else if (o.toolsAction != QStringLiteral("status") &&
                   o.toolsAction != QStringLiteral("install") &&
                   o.toolsAction != QStringLiteral("update"))
            o.error = QStringLiteral("unknown tools action: ") + o.toolsAction;
    } else if (o.command == CliOptions::Command::Help) {
        if (positional.size() > 1 || (!positional.isEmpty() && !commandNamed(positional.first())))
            o.error = QStringLiteral("help takes one command name");
        else
            o.helpTopic = positional.value(0);
    } else if (!positional.isEmpty()) {
        o.error = (o.command == CliOptions::Command::Certs     ? QStringLiteral("certs")
                   : o.command == CliOptions::Command::History ? QStringLiteral("history")
                   : o.command == CliOptions::Command::Doctor  ? QStringLiteral("doctor")
                                                               : QStringLiteral("version")) +
                  QStringLiteral(" takes no argument");
    }
}

} // namespace

MediaChoices CliOptions::fileChoices() const
{
    CliOptions o;
    const std::optional<MediaPreset> chosen = MediaPresets::find(preset);
    o.choices = chosen && !preset.isEmpty() ? chosen->choices : MediaPresets::defaultChoices();
    if (!choiceFlags.isEmpty())
        o.choices.preset.clear(); // changed by hand: no longer the preset's
    for (qsizetype i = 0; i < choiceFlags.size(); ++i)
        takeMediaOption(o, choiceFlags, i);
    return o.choices;
}

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
    if (o.command == Command::Follow) { // its actions read their own arguments
        o.addresses = arguments.mid(1);
        return o;
    }
    bool optionsEnded = false;
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (optionsEnded || arg == QStringLiteral("-") || !arg.startsWith(QLatin1Char('-')))
            positional << arg;
        else if (arg == QStringLiteral("--"))
            optionsEnded = true;
        else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            o.helpTopic = arguments.first();
            o.command = Command::Help;
            return o;
        } else if (!takeOption(o, arguments, i))
            return o;
    }
    takePositional(o, positional);
    return o;
}

namespace {

#define COOKIES_HELP                                                                               \
    "COOKIES: --cookies-from-browser BROWSER[:PROFILE] reads a signed-in browser's cookies\n"      \
    "(firefox, chrome, chromium, brave, edge, opera, vivaldi, safari), --cookies FILE a\n"         \
    "Netscape cookies.txt, --no-cookies none; without them, the desktop app's setting.\n"

#define FILE_HELP                                                                                  \
    "FILE: --audio-format mp3|m4a|opus|flac|wav an audio file (an AAC or Opus source is\n"         \
    "copied into M4A or Opus as it is), --audio-quality N its kbit/s (lossy formats; 0 as\n"       \
    "the source), --container mp4|mkv|webm the video's file (MKV keeps the streams as they\n"      \
    "come), --audio-lang LANG the audio track (default: the original), --audio-multistreams\n"     \
    "every audio track (MKV), --sub-langs LANG,... --embed-subs the subtitles, beside the\n"       \
    "file or inside it, --no-embed-metadata no title, cover or chapters in the file.\n"            \
    "PART: --section START-END a clip (1:30-2:45; repeat it for several clips, one file\n"         \
    "each), --section-chapter REGEX the chapters whose titles match, --precise-cuts re-encode\n"   \
    "at the cuts (exact, slower), --split-chapters one file per chapter in a folder named\n"       \
    "after the video, --sponsorblock remove|mark[:CATEGORY,...] the sponsor segments the\n"        \
    "community database lists (sponsor, selfpromo, interaction, intro, outro, preview,\n"          \
    "music_offtopic, filler; all by default), --sponsorblock-api URL that database.\n"

struct CommandHelp
{
    const char *name;
    const char *synopsis;
    const char *description;
};

const CommandHelp commandHelp[] = {
    {"download",
     "reelix-cli download [--audio] [--format ID|LABEL] [--convert] [--folder DIR] "
     "[--fragments N] [--items LIST] [--no-archive] [FILE] [PART] [--preset NAME] [COOKIES] "
     "[--json] "
     "ADDRESS... | -",
     "Downloads each address into the download folder (or DIR): the best video, or with --audio\n"
     "an MP3; --format picks a quality by format id or label (\"720p\"); --convert re-encodes\n"
     "a file the system player cannot play; --fragments fetches N pieces of a fragmented\n"
     "format at once (1-16, default 4). --json prints the items as JSON at the end.\n"
     "An address that lists several videos (a playlist, a channel, a feed) downloads each\n"
     "into a folder named after the list, numbered in its order; --items takes only some\n"
     "(\"1-5,8\", \"1:3,-2\", as yt-dlp's --playlist-items). Videos the folder's archive\n"
     "records as downloaded are skipped, unless --no-archive. --preset takes the file\n"
     "choices of a preset (podcast, music, archive, or one saved in the app) instead of\n"
     "the defaults set in the app; the FILE and PART options below change them.\n" FILE_HELP
         COOKIES_HELP},
    {"info", "reelix-cli info [--items LIST] [COOKIES] [--json] ADDRESS... | -",
     "Prints each address's title and formats without downloading; a list prints each\n"
     "entry, with its place in the list.\n" COOKIES_HELP},
    {"tools",
     "reelix-cli tools [status|install|update] [--json]\n"
     "       reelix-cli tools rollback yt-dlp|ffmpeg|node [--json]",
     "Shows, installs or updates Reelix's own yt-dlp, ffmpeg and Node.js; rollback puts back\n"
     "the version the last update replaced.\n"},
    {"certs", "reelix-cli certs [--refresh]",
     "Prints the certificate bundle handed to the tools; --refresh rebuilds it.\n"},
    {"history", "reelix-cli history [--json]",
     "Lists the finished downloads the app keeps in its history, newest first.\n"},
    {"doctor", "reelix-cli doctor [--json | --report]",
     "Checks the setup: yt-dlp, the JavaScript runtime, browser impersonation, ffmpeg,\n"
     "cookies, certificates, the download folder and the network, each with what to do.\n"
     "--json prints the results as JSON; --report prints a report to paste into a bug\n"
     "report (home folder as ~, passwords, cookie values and addresses' paths hidden).\n"
     "Exits 1 when a check found a problem.\n"},
    {"follow",
     "reelix-cli follow [--newest N] [DOWNLOAD OPTIONS] ADDRESS\n"
     "       reelix-cli follow list [--json] | check [ADDRESS...] | remove|pause|resume ADDRESS\n"
     "       reelix-cli follow import|export FILE | --timer on|off",
     "Follows a list: each check reads it once and downloads its new entries with the\n"
     "download options given; the first check takes the newest N (else none). check skips\n"
     "a list another process is checking and a site that asked to wait; import and export\n"
     "read and write OPML (\"-\": standard output); --timer: a systemd user timer.\n"},
    {"help", "reelix-cli help [COMMAND]", "Prints this help, or a command's.\n"},
    {"version", "reelix-cli --version", "Prints the version.\n"},
};

} // namespace

QString CliOptions::usage(const QString &topic)
{
    QString text;
    for (const CommandHelp &command : commandHelp) {
        if (!topic.isEmpty() && topic != QLatin1String(command.name))
            continue;
        text += (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) +
                QLatin1String(command.synopsis) + QLatin1Char('\n');
        if (!topic.isEmpty())
            text += QLatin1Char('\n') + QString::fromUtf8(command.description);
    }
    return text +
           QStringLiteral("\n\"-\" reads addresses from standard input, one per line. \"--\" ends "
                          "the options,\nso that an address starting with \"-\" is taken as an "
                          "address.\n");
}

QString CliOptions::version()
{
    return QStringLiteral("reelix-cli " REELIX_VERSION "\n");
}
