#pragma once

#include "MediaChoices.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

// The subtitle languages a page offers, as the information run lists them,
// and what the download run says of those it could not fetch.
namespace SubtitleTracks {

// The uploader's subtitles first, then the automatic captions; automatic
// translations are marked. Keys yt-dlp could not be asked for again
// (empty, unprintable or overlong) are left out; names are cleaned.
QList<SubtitleTrack> fromInfo(const QJsonObject &info);

// The languages whose subtitles yt-dlp reported it could not download.
QStringList refusedLanguages(const QStringList &stderrLines);

} // namespace SubtitleTracks
