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
