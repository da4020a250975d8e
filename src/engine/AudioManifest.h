#pragma once

#include "MediaChoices.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <QCoro/QCoroTask>

#include <optional>
#include <utility>

// yt-dlp passes on each audio track's language from a DASH manifest or an
// HLS master playlist, but not which one is the original: DASH says it with
// Role "main", HLS with DEFAULT=YES. The manifest is read for that alone.
namespace AudioManifest {

// Where the tracks came from, with the headers yt-dlp would send for it.
struct Source
{
    QString url;
    bool dash = false; // else an HLS master playlist
    QList<std::pair<QByteArray, QByteArray>> headers;
};

// What a manifest says of one audio track.
struct Mark
{
    QString language;
    bool original = false;
    bool descriptive = false;
};

// The manifest of the page's audio tracks, when yt-dlp marked none of them
// the original and they came from one.
std::optional<Source> sourceOf(const QJsonObject &info, const QList<AudioTrack> &tracks);

QList<Mark> readDash(const QByteArray &mpd);
QList<Mark> readHls(const QByteArray &playlist);
// The original is the one language the manifest singles out; descriptive
// tracks are those it says describe the picture.
void apply(QList<AudioTrack> &tracks, const QList<Mark> &marks);

// The tracks marked from their manifest; as they were when it cannot be read.
QCoro::Task<QList<AudioTrack>> refine(Source source, QList<AudioTrack> tracks);

} // namespace AudioManifest
