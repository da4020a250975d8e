#include "CliOptions.h"

// The command line's help and version texts.

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
     "reelix-cli follow [--newest N] [--media-server] [DOWNLOAD OPTIONS] ADDRESS\n"
     "       reelix-cli follow list [--json] | check [ADDRESS...] | remove|pause|resume ADDRESS\n"
     "       reelix-cli follow import|export FILE | --timer on|off",
     "Follows a list: each check reads it once and downloads its new entries with the\n"
     "download options given; the first check takes the newest N (else none). check skips\n"
     "a list another process is checking and a site that asked to wait; import and export\n"
     "read and write OPML (\"-\": standard output); --timer: a systemd user timer.\n"
     "--media-server writes beside each file what Kodi, Jellyfin and Plex read: NAME.nfo,\n"
     "NAME-thumb.jpg, and poster.jpg for the folder.\n"},
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
