#include "FileDataArguments.h"

#include "Clips.h"
#include "DownloadItem.h"

#include <algorithm>

namespace FileDataArguments {

QString languagePattern(const QString &language)
{
    // yt-dlp splits its list at commas before it reads any pattern.
    if (language.isEmpty() || language.contains(QLatin1Char(',')))
        return {};
    // "all" is yt-dlp's word for every language.
    if (language == QStringLiteral("all"))
        return QStringLiteral("al[l]");
    QString pattern;
    for (const QChar c : language) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'_';
        if (!plain)
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern;
}

QStringList subtitleArguments(const MediaChoices &choices, const QList<SubtitleTrack> &offered,
                              DownloadFormat format)
{
    QStringList patterns;
    bool uploaded = false;
    bool automatic = false;
    for (const QString &language : choices.subtitleLanguages) {
        const QString pattern = languagePattern(language);
        if (pattern.isEmpty() || patterns.contains(pattern))
            continue;
        patterns << pattern;
        const auto track =
            std::find_if(offered.cbegin(), offered.cend(),
                         [&](const SubtitleTrack &t) { return t.language == language; });
        uploaded = uploaded || track == offered.cend() || !track->automatic;
        automatic = automatic || track == offered.cend() || track->automatic;
    }
    if (patterns.isEmpty())
        return {};
    QStringList args;
    if (uploaded)
        args << QStringLiteral("--write-subs");
    if (automatic)
        args << QStringLiteral("--write-auto-subs");
    args << QStringLiteral("--sub-langs") << patterns.join(QLatin1Char(','));
    // yt-dlp makes them mov_text in an MP4 and keeps them as they come in an
    // MKV; the files it leaves go with the working folder.
    if (choices.embedSubtitles && format == DownloadFormat::Video)
        args << QStringLiteral("--embed-subs");
    else
        args << QStringLiteral("--convert-subs") << QStringLiteral("srt");
    // Without it, a site refusing one subtitle file (HTTP 429) fails the
    // whole video; with it yt-dlp warns and goes on. Other failures still
    // end the run with an error.
    args << QStringLiteral("--ignore-errors");
    return args;
}

QStringList metadataArguments(const MediaChoices &choices, DownloadFormat format)
{
    if (!choices.embedMetadata)
        return {};
    QStringList args{QStringLiteral("--embed-metadata"), QStringLiteral("--embed-chapters")};
    // yt-dlp fails the run when asked to put a cover where it cannot (WAV, WebM).
    const bool coverFits = format == DownloadFormat::Audio
                               ? choices.audioCodec != Media::AudioCodec::Wav
                               : choices.container != Media::Container::Webm;
    if (coverFits)
        // JPEG: the cover every player shows (sites often serve WebP).
        args << QStringLiteral("--embed-thumbnail") << QStringLiteral("--convert-thumbnails")
             << QStringLiteral("jpg");
    return args;
}

QStringList arguments(const DownloadItem &item)
{
    return subtitleArguments(item.choices(), item.subtitleTracks(), item.format()) +
           metadataArguments(item.choices(), item.format()) + Clips::arguments(item.choices()) +
           Clips::chapterArguments(
               item.choices(), item.run() ? item.run()->workFolderPath() : QString(), item.title());
}

} // namespace FileDataArguments
