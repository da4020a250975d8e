#pragma once

#include "MediaChoices.h"

#include <QJsonObject>
#include <QList>

// The audio tracks of a page, read from the information run's JSON.
namespace AudioTracks {

// One track per language the audio-only formats offer, each with its best
// format; empty unless there are at least two. A track is the original when
// yt-dlp ranks its language first (language_preference 10, as it does for a
// site's original or default audio) or its note says "original" (else
// "default"); descriptive when it is ranked last or named so.
QList<AudioTrack> read(const QJsonObject &info);

// The track `language` names (in any of its ISO 639 forms), or the original
// one when it is empty;
// nothing when the page has no such track.
std::optional<AudioTrack> wanted(const QList<AudioTrack> &tracks, const QString &language);

// ISO 639-2 code of a track's language ("en", "en-US", "eng" → "eng"), as
// the MP4 and Matroska muxers take it; empty when it is none we know.
QString isoLanguage(const QString &language);

} // namespace AudioTracks
