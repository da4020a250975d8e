#pragma once

#include "DownloadTypes.h"
#include "MediaChoices.h"

#include <QString>
#include <QStringList>

// The subtitle files a download run leaves beside its file, and the note on
// those it could not get.
namespace SubtitleFiles {

// Moves the SRT files yt-dlp wrote beside `downloaded` in the run's working
// folder ("Name.fr.srt") beside `placed`, named after it ("Name (2).fr.srt"),
// never over another file; the languages moved.
QStringList placeBeside(const QString &downloaded, const QString &placed,
                        const QStringList &languages);

// The chosen languages the finished file came without: those yt-dlp could
// not download, and, kept beside the file, those with no file there.
QStringList missing(const MediaChoices &choices, DownloadFormat format, const QStringList &refused,
                    const QStringList &placed);

} // namespace SubtitleFiles
