#include "VideoInfo.h"

#include "AudioTracks.h"
#include "JsonFields.h"
#include "SubtitleTracks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

namespace {

bool isVideoStream(const QJsonObject &format)
{
    const QJsonValue vcodec = format.value(QStringLiteral("vcodec"));
    return vcodec.isString() && vcodec.toString() != QStringLiteral("none");
}

double bitrate(const QJsonObject &format)
{
    const QJsonValue tbr = format.value(QStringLiteral("tbr"));
    return tbr.isDouble() ? tbr.toDouble() : 0.0;
}

bool hasNoSound(const QJsonObject &format)
{
    return format.value(QStringLiteral("acodec")).toString() == QStringLiteral("none");
}

// yt-dlp's exact size, else its estimate; 0 when it gives neither.
qint64 bytesOf(const QJsonObject &format)
{
    for (const QString &key : {QStringLiteral("filesize"), QStringLiteral("filesize_approx")}) {
        const double size =
            JsonFields::bounded(format.value(key), JsonFields::largestBytes).value_or(0);
        if (size > 0)
            return qint64(size);
    }
    return 0;
}

// The size of the sound yt-dlp adds to a picture without one: its best
// sound-only format.
qint64 bestSoundBytes(const QJsonArray &formats)
{
    std::optional<QJsonObject> best;
    for (const QJsonValue &entry : formats) {
        const QJsonObject format = entry.toObject();
        if (isVideoStream(format) || hasNoSound(format) ||
            !format.contains(QStringLiteral("acodec")))
            continue;
        if (!best || bitrate(format) > bitrate(*best))
            best = format;
    }
    return best ? bytesOf(*best) : 0;
}

qint64 downloadBytes(const QJsonObject &format, qint64 soundBytes)
{
    const qint64 picture = bytesOf(format);
    return picture > 0 && hasNoSound(format) ? picture + soundBytes : picture;
}

} // namespace

QList<Chapter> chaptersOf(const QJsonObject &info)
{
    QList<Chapter> chapters;
    for (const QJsonValue &entry : info.value(QStringLiteral("chapters")).toArray()) {
        const QJsonObject chapter = entry.toObject();
        const auto start = JsonFields::bounded(chapter.value(QStringLiteral("start_time")),
                                               JsonFields::longestSeconds);
        const auto end = JsonFields::bounded(chapter.value(QStringLiteral("end_time")),
                                             JsonFields::longestSeconds);
        if (start && end && *end > *start && chapters.size() < 1000)
            chapters.append(
                {JsonFields::text(chapter, QStringLiteral("title")).left(200), *start, *end});
    }
    return chapters;
}

std::optional<ParsedVideoInfo> parseVideoInfo(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject info = document.object();

    ParsedVideoInfo parsed;
    parsed.title = JsonFields::text(info, QStringLiteral("title"));
    parsed.thumbnail = JsonFields::text(info, QStringLiteral("thumbnail"));
    if (auto listing = Playlist::parse(info)) {
        parsed.title = listing->title;
        parsed.playlist = std::make_shared<const PlaylistListing>(std::move(*listing));
        return parsed;
    }

    QMap<int, QJsonObject> byHeight;
    const QJsonValue formats = info.value(QStringLiteral("formats"));
    if (formats.isArray()) {
        for (const QJsonValue &entry : formats.toArray()) {
            const QJsonObject format = entry.toObject();
            const auto height = JsonFields::integer(format.value(QStringLiteral("height")));
            if (!entry.isObject() || !height || !isVideoStream(format))
                continue;
            const double rate = bitrate(format);
            const auto existing = byHeight.constFind(*height);
            // The highest bitrate wins; on a tie the first one stays.
            if (existing != byHeight.constEnd() &&
                existing->value(QStringLiteral("tbr")).isDouble() &&
                existing->value(QStringLiteral("tbr")).toDouble() >= rate)
                continue;
            byHeight.insert(*height, format);
        }
    }
    const qint64 sound = bestSoundBytes(formats.toArray());
    for (auto it = byHeight.constEnd(); it != byHeight.constBegin();) {
        --it;
        parsed.formats.append(VideoFormat{JsonFields::text(*it, QStringLiteral("format_id")),
                                          QString::number(it.key()) + QLatin1Char('p'), it.key(),
                                          downloadBytes(*it, sound)});
    }
    parsed.vcodec = dominantVideoCodec(info);
    parsed.audioTracks = AudioTracks::read(info);
    parsed.audioManifest = AudioManifest::sourceOf(info, parsed.audioTracks);
    const double duration =
        JsonFields::bounded(info.value(QStringLiteral("duration")), JsonFields::longestSeconds)
            .value_or(0);
    if (duration > 0)
        parsed.duration = qRound(duration);
    parsed.subtitles = SubtitleTracks::fromInfo(info);
    parsed.chapters = chaptersOf(info);
    return parsed;
}

QString dominantVideoCodec(const QJsonObject &info)
{
    const QJsonArray formats = info.value(QStringLiteral("formats")).toArray();
    std::optional<QJsonObject> best;
    for (const QJsonValue &entry : formats) {
        const QJsonObject format = entry.toObject();
        if (!isVideoStream(format))
            continue;
        if (!best || bitrate(format) > bitrate(*best))
            best = format;
    }
    return best ? best->value(QStringLiteral("vcodec")).toString().toLower() : QString();
}
