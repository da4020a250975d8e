#pragma once

#include "DownloadTypes.h"
#include "MediaChoices.h"

#include <QList>
#include <QStringList>

class DownloadItem;

// The download run's yt-dlp options for what goes with the picture and
// sound: subtitles, and the video's own data (tags, cover, chapters).
namespace FileDataArguments {

// All of them, for the item's choices and the tracks its page offers.
QStringList arguments(const DownloadItem &item);

// The chosen subtitles, inside a video file or beside it as SRT (an audio
// file keeps them beside it). `offered` tells uploaded subtitles from
// automatic captions; a language it does not list is asked for as both.
QStringList subtitleArguments(const MediaChoices &choices, const QList<SubtitleTrack> &offered,
                              DownloadFormat format);
QStringList metadataArguments(const MediaChoices &choices, DownloadFormat format);

// A language key as a pattern that matches that key alone (yt-dlp reads
// each one as a regular expression); empty for a key it cannot be given.
QString languagePattern(const QString &language);

} // namespace FileDataArguments
