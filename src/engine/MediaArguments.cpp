#include "MediaArguments.h"

#include "AudioTracks.h"

#include <QRegularExpression>

namespace {

// Only plain codes reach a format filter: a site's or a user's text never
// becomes selector syntax.
bool isPlainCode(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.-]{0,63}$"));
    return plain.match(text).hasMatch();
}

// The source format an audio codec copies from, when a site offers it.
QString sourceFilter(Media::AudioCodec codec)
{
    switch (codec) {
    case Media::AudioCodec::M4a:
        return QStringLiteral("[acodec^=mp4a]");
    case Media::AudioCodec::Opus:
        return QStringLiteral("[acodec=opus]");
    default:
        return {};
    }
}

bool isLossy(Media::AudioCodec codec)
{
    return codec != Media::AudioCodec::Flac && codec != Media::AudioCodec::Wav;
}

// The audio formats of every track, the wanted one first, and their languages.
std::pair<QStringList, QStringList> everyTrack(const MediaChoices &choices,
                                               const QList<AudioTrack> &tracks)
{
    QList<AudioTrack> ordered = tracks;
    if (const auto first = AudioTracks::wanted(tracks, choices.audioLanguage)) {
        ordered.removeOne(*first);
        ordered.prepend(*first);
    }
    QStringList ids;
    QStringList languages;
    for (const AudioTrack &track : std::as_const(ordered)) {
        if (!isPlainCode(track.formatId))
            continue;
        ids << track.formatId;
        languages << track.language;
    }
    return {ids, languages};
}

} // namespace

namespace MediaArguments {

QString audioFilter(const MediaChoices &choices, const QList<AudioTrack> &tracks)
{
    const std::optional<AudioTrack> track = AudioTracks::wanted(tracks, choices.audioLanguage);
    if (track && isPlainCode(track->language))
        return QStringLiteral("[language=%1]").arg(track->language);
    if (track && isPlainCode(track->formatId))
        return QStringLiteral("[format_id=%1]").arg(track->formatId);
    // Not known yet (a list's entry, a run before any information): asked
    // for by its language all the same.
    if (!track && isPlainCode(choices.audioLanguage))
        return QStringLiteral("[language=%1]").arg(choices.audioLanguage);
    return {};
}

QString preferAudio(const QString &selector, const QString &filter)
{
    if (filter.isEmpty())
        return selector;
    QStringList restricted;
    for (const QString &alternative : selector.split(QLatin1Char('/'))) {
        if (alternative.contains(QStringLiteral("+bestaudio")))
            restricted << alternative + filter;
    }
    return (restricted << selector).join(QLatin1Char('/'));
}

QStringList audioArguments(const MediaChoices &choices, const QString &filter)
{
    QStringList args{QStringLiteral("-x"), QStringLiteral("--audio-format"),
                     codecName(choices.audioCodec)};
    if (isLossy(choices.audioCodec) && choices.audioKbps > 0)
        args << QStringLiteral("--audio-quality") << QString::number(choices.audioKbps) + 'k';
    const QString source = sourceFilter(choices.audioCodec);
    if (source.isEmpty() && filter.isEmpty())
        return args; // yt-dlp's own choice: the best audio
    QStringList alternatives;
    const QStringList restrictions =
        filter.isEmpty() ? QStringList{QString()} : QStringList{filter, QString()};
    for (const QString &restriction : restrictions) {
        if (!source.isEmpty())
            alternatives << QStringLiteral("bestaudio") + source + restriction;
        alternatives << QStringLiteral("bestaudio") + restriction;
    }
    alternatives << QStringLiteral("best");
    return QStringList{QStringLiteral("-f"), alternatives.join(QLatin1Char('/'))} + args;
}

QStringList containerArguments(const MediaChoices &choices, const QList<AudioTrack> &tracks,
                               const QString &formatId)
{
    const bool webm = choices.container == Media::Container::Webm;
    const QString video = formatId.isEmpty() ? QStringLiteral("bestvideo") : formatId;
    QStringList alternatives;
    QStringList languages;
    if (!webm && choices.allAudioTracks && tracks.size() > 1) {
        const auto [ids, tags] = everyTrack(choices, tracks);
        alternatives << video + QLatin1Char('+') + ids.join(QLatin1Char('+'));
        languages = tags;
    }
    QString selector = video + QStringLiteral("+bestaudio");
    if (webm)
        selector.prepend((formatId.isEmpty() ? QStringLiteral("bestvideo[ext=webm]") : formatId) +
                         QStringLiteral("+bestaudio[ext=webm]/"));
    alternatives << preferAudio(selector, audioFilter(choices, tracks));
    if (!formatId.isEmpty())
        alternatives << formatId;
    alternatives << QStringLiteral("best");
    QStringList args{QStringLiteral("-f"), alternatives.join(QLatin1Char('/'))};
    if (!languages.isEmpty())
        args << QStringLiteral("--audio-multistreams") << languageTags(languages);
    // MKV takes any codec as it comes; WebM only VP8, VP9 or AV1 with Opus or
    // Vorbis, so another source is re-encoded into it (never a WebM merge).
    if (webm)
        return args << QStringLiteral("--merge-output-format") << QStringLiteral("webm/mkv")
                    << QStringLiteral("--recode-video") << QStringLiteral("webm");
    return args << QStringLiteral("--merge-output-format") << QStringLiteral("mkv")
                << QStringLiteral("--remux-video") << QStringLiteral("mkv");
}

QStringList languageTags(const QStringList &languages)
{
    QStringList metadata;
    for (qsizetype i = 0; i < languages.size(); ++i) {
        const QString code = AudioTracks::isoLanguage(languages.at(i));
        if (!code.isEmpty())
            metadata << QStringLiteral("-metadata:s:a:%1 language=%2").arg(i).arg(code);
    }
    if (metadata.isEmpty())
        return {};
    return {QStringLiteral("--postprocessor-args"),
            QStringLiteral("Merger+ffmpeg_o:") + metadata.join(QLatin1Char(' '))};
}

QString extension(Download::DownloadFormat format, const MediaChoices &choices)
{
    return format == Download::DownloadFormat::Audio ? codecName(choices.audioCodec)
                                                     : containerName(choices.container);
}

QString codecName(Media::AudioCodec codec)
{
    switch (codec) {
    case Media::AudioCodec::M4a:
        return QStringLiteral("m4a");
    case Media::AudioCodec::Opus:
        return QStringLiteral("opus");
    case Media::AudioCodec::Flac:
        return QStringLiteral("flac");
    case Media::AudioCodec::Wav:
        return QStringLiteral("wav");
    case Media::AudioCodec::Mp3:
        break;
    }
    return QStringLiteral("mp3");
}

QString containerName(Media::Container container)
{
    switch (container) {
    case Media::Container::Mkv:
        return QStringLiteral("mkv");
    case Media::Container::Webm:
        return QStringLiteral("webm");
    case Media::Container::Mp4:
        break;
    }
    return QStringLiteral("mp4");
}

} // namespace MediaArguments
