#pragma once

#include "DownloadTypes.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// A page that yt-dlp lists as several videos (a playlist, a channel, a feed,
// a page with several players), as the information run's flat listing gives
// it: each entry's address, title and duration, nothing more.
struct PlaylistEntry
{
    QString address;
    QString title;
    int duration = 0; // seconds; 0 when unknown
    int index = 0;    // its place in the list, from 1
};

struct PlaylistListing
{
    QString title;
    int count = 0; // entries listed, with those left out
    QList<PlaylistEntry> entries;
};

// The format an entry gets for its list's quality cap.
struct FormatPick
{
    QString id;            // empty: yt-dlp's best
    int height = 0;        // of the format picked; 0 when none was
    bool fellBack = false; // nothing at or below the cap: the nearest above
};

namespace Playlist {

// The listing, when the JSON is a list ("_type": "playlist"); entries
// without an address are left out (their numbers stay).
std::optional<PlaylistListing> parse(const QJsonObject &info);

// The address of a media file that yt-dlp downloads under the id given (for
// its download archive), as its own feed entries carry one.
QString withVideoId(const QString &media, const QString &id);

// `text` as one file or folder name on any system: no separators or
// characters Windows or macOS refuse, no control characters, no leading or
// trailing dots and blanks, at most `longest` characters; `fallback` when
// nothing is left.
QString safeName(const QString &text, int longest, const QString &fallback);
// "07 - Title" for entry 7 of a list of `count`: the number zero-padded to
// the width of the count (two digits at least), so that files sort as listed.
QString entryFileStem(int index, int count, const QString &title);

// The highest format at or below `cap` (0: no cap, the best), else the
// lowest above it. `formats` are highest first.
FormatPick pickFormat(const QList<VideoFormat> &formats, int cap);

// yt-dlp's --playlist-items: "1:3,7,-5::2", "2-4" (from 1, ends included,
// negative numbers count from the end). Whether `choice` is well-formed.
bool isValidItems(const QString &choice);
// The numbers `choice` picks out of a list of `count`, in the order given,
// each once.
QList<int> pickItems(const QString &choice, int count);

} // namespace Playlist
