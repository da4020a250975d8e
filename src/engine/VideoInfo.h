#pragma once

#include "AudioManifest.h"
#include "DownloadTypes.h"
#include "MediaChoices.h"
#include "Playlist.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <optional>

// What the information run's JSON tells about a page.
struct ParsedVideoInfo
{
    QString title;
    QString thumbnail;
    QList<VideoFormat> formats;     // one per height, highest first
    QString vcodec;                 // lower-cased codec of the highest-bitrate video stream
    int duration = 0;               // seconds; 0 when unknown
    QList<AudioTrack> audioTracks;  // when the page offers more than one
    QList<SubtitleTrack> subtitles; // the uploader's, then automatic captions
    QList<Chapter> chapters;        // in the video's order
    // The manifest that tells which audio track is the original, when the
    // JSON does not.
    std::optional<AudioManifest::Source> audioManifest;
    // Set when the page is a list of videos (the information run lists it flat).
    std::shared_ptr<const PlaylistListing> playlist;
};

std::optional<ParsedVideoInfo> parseVideoInfo(const QByteArray &json);
QString dominantVideoCodec(const QJsonObject &info);
// The chapters the information lists, in order; those without times left out.
QList<Chapter> chaptersOf(const QJsonObject &info);
