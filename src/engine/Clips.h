#pragma once

#include "MediaChoices.h"

#include <QString>
#include <QStringList>

#include <optional>

// Part of a video: the times a user types, the ranges yt-dlp fetches, the
// name the file gets, and the options for chapters and sponsor segments.
namespace Clips {

// "10:00", "1:02:03", "45" or "12:30.5" as seconds; nothing for other text.
std::optional<double> parseTime(const QString &text);
// Seconds as "m:ss" or "h:mm:ss" (tenths when there are any).
QString timeText(double seconds);

struct Range
{
    double start = 0;
    double end = 0;
};
// "10:00-12:30" (or the saved "600-750") as a range that ends after it starts.
std::optional<Range> parseRange(const QString &text);
// The saved form of a range: seconds, "600-750.5".
QString rangeText(const Range &range);

// What a file of the range is named after: "10.00–12.30" (no colon, which
// some file systems refuse).
QString label(const Range &range);

// The output name's template for an item with a clip; empty for a whole
// video. `title` is the video's, made safe for the file system here; empty:
// the title yt-dlp finds.
QString outputName(const MediaChoices &choices, const QString &title);
// The name a file or folder takes after the title: cleaned as list entries'
// names are, at most 50 characters; yt-dlp's own title when there is none.
QString titleTemplate(const QString &title);

// yt-dlp's options for the parts, the cuts, the chapters and the segments.
QStringList arguments(const MediaChoices &choices);

// With one file per chapter, the template of the chapters' files inside the
// run's working folder `work`; nothing otherwise.
QStringList chapterArguments(const MediaChoices &choices, const QString &work,
                             const QString &title);
// Moves the folder of chapter files a run left in `work` into `parent`,
// under the first free name ("Title", "Title (2)"…); the first chapter's
// file, or nothing when the video had no chapters.
std::optional<QString> placeChapters(const QString &work, const QString &parent);

// The sponsor segment setting (what becomes of them, which categories, the
// database's address): off until set.
struct SponsorSetting
{
    Media::SponsorAction action = Media::SponsorAction::Keep;
    QStringList categories;
    QString api;
};
SponsorSetting sponsorSetting();
void setSponsorSetting(const SponsorSetting &setting);
// `choices` with the setting's sponsor segment choices.
MediaChoices withSponsorSetting(MediaChoices choices);

// The database's categories, in the order the settings list them.
QStringList sponsorCategories();

// A pattern matching exactly these chapter titles (yt-dlp reads each
// section that is not a time range as a regular expression).
QString chapterPattern(const QStringList &titles);

} // namespace Clips
