#pragma once

#include "DownloadTypes.h"
#include "MediaChoices.h"

#include <QList>
#include <QString>
#include <QStringList>

// yt-dlp's arguments for the file the user chose: the audio format and its
// quality, the container, and which audio track.
namespace MediaArguments {

// The format filter that picks the wanted audio track ("[language=en]"):
// the chosen language, else the original track when the page marks one;
// empty when yt-dlp's own order decides (it ranks a site's original first).
QString audioFilter(const MediaChoices &choices, const QList<AudioTrack> &tracks);

// `selector` with, ahead of it, each of its "video+bestaudio…" alternatives
// restricted by `filter`: the wanted track when there is one, any otherwise.
QString preferAudio(const QString &selector, const QString &filter);

// An audio download: the source in the chosen codec first when there is one,
// so that yt-dlp copies it instead of encoding.
QStringList audioArguments(const MediaChoices &choices, const QString &filter);

// An MKV or WebM download; `formatId` is the chosen height's format, if any.
QStringList containerArguments(const MediaChoices &choices, const QList<AudioTrack> &tracks,
                               const QString &formatId);

// The merged file's audio streams labelled with their languages, in the
// order the selector asked for them.
QStringList languageTags(const QStringList &languages);

// The extension of the finished file.
QString extension(Download::DownloadFormat format, const MediaChoices &choices);

// yt-dlp's name of the codec ("mp3", "m4a", …) and of the container.
QString codecName(Media::AudioCodec codec);
QString containerName(Media::Container container);

} // namespace MediaArguments
