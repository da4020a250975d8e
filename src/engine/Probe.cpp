#include "Probe.h"

#include "JsonFields.h"
#include "ProcessRunner.h"
#include "ToolEnvironment.h"
#include "ToolSandbox.h"
#include "log/Logger.h"
#include "platform/ToolPaths.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const QSet<QString> kIncompatibleVideo{
    QStringLiteral("vp8"),        QStringLiteral("vp9"),  QStringLiteral("av1"),
    QStringLiteral("theora"),     QStringLiteral("wmv1"), QStringLiteral("wmv2"),
    QStringLiteral("wmv3"),       QStringLiteral("vc1"),  QStringLiteral("mpeg2video"),
    QStringLiteral("mpeg1video"), QStringLiteral("flv1"), QStringLiteral("rv40"),
    QStringLiteral("h263")};
const QSet<QString> kIncompatibleAudio{QStringLiteral("opus"),        QStringLiteral("vorbis"),
                                       QStringLiteral("wma"),         QStringLiteral("wmapro"),
                                       QStringLiteral("wmalossless"), QStringLiteral("flac"),
                                       QStringLiteral("truehd"),      QStringLiteral("dts"),
                                       QStringLiteral("dtshd"),       QStringLiteral("mlp")};

// The first piece of `text` split at a blank, "(" or ",".
QString firstToken(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != QLatin1Char(' ') && text[end] != QLatin1Char('(') &&
           text[end] != QLatin1Char(','))
        ++end;
    return text.left(end);
}

QString summary(const StreamFacts &f)
{
    return QStringLiteral("codec=") + f.videoCodec + QStringLiteral(" tag=") + f.codecTag +
           QStringLiteral(" audio=") + f.audioCodec;
}

} // namespace

std::optional<StreamFacts> streamFactsFromJson(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonValue streams = document.object().value(QStringLiteral("streams"));
    if (!streams.isArray())
        return std::nullopt;
    StreamFacts facts;
    for (const QJsonValue &entry : streams.toArray()) {
        if (!entry.isObject())
            return std::nullopt;
        const QJsonObject stream = entry.toObject();
        const QString name = JsonFields::text(stream, QStringLiteral("codec_name")).toLower();
        const QString type = JsonFields::text(stream, QStringLiteral("codec_type")).toLower();
        // A cover picture is a video stream of one frame: not the picture that plays.
        const bool cover = JsonFields::integer(stream.value(QStringLiteral("disposition"))
                                                   .toObject()
                                                   .value(QStringLiteral("attached_pic")))
                               .value_or(0) != 0;
        if (type == QStringLiteral("video") && !cover && facts.videoCodec.isEmpty()) {
            facts.videoCodec = name;
            facts.codecTag = JsonFields::text(stream, QStringLiteral("codec_tag_string")).toLower();
            facts.videoHeight =
                JsonFields::integer(stream.value(QStringLiteral("height"))).value_or(0);
        }
        if (type == QStringLiteral("audio") && facts.audioCodec.isEmpty()) {
            facts.audioCodec = name;
            facts.audioProfile = JsonFields::text(stream, QStringLiteral("profile")).toLower();
            facts.audioBits = JsonFields::integer(stream.value(QStringLiteral("bits_per_sample")))
                                  .value_or(JsonFields::integer(
                                                stream.value(QStringLiteral("bits_per_raw_sample")))
                                                .value_or(0));
        }
    }
    return facts;
}

StreamFacts streamFactsFromFfmpegText(const QString &stderrText)
{
    StreamFacts facts;
    const QString videoMarker = QStringLiteral("video: ");
    const QString audioMarker = QStringLiteral("audio: ");
    const QString tagMarker = QStringLiteral(" / 0x");
    for (const QString &line : stderrText.split(QLatin1Char('\n'))) {
        const QString l = line.toLower();
        if (l.contains(QStringLiteral("video:")) && facts.videoCodec.isEmpty() &&
            l.contains(videoMarker) && !l.contains(QStringLiteral("(attached pic)"))) {
            const QString after = l.mid(l.indexOf(videoMarker) + videoMarker.size());
            facts.videoCodec = firstToken(after);
            const qsizetype tagEnd = after.indexOf(tagMarker);
            if (tagEnd >= 0) {
                const qsizetype open = after.lastIndexOf(QLatin1Char('('), tagEnd);
                if (open >= 0)
                    facts.codecTag = after.mid(open + 1, tagEnd - open - 1).trimmed();
            }
        }
        if (l.contains(QStringLiteral("audio:")) && facts.audioCodec.isEmpty() &&
            l.contains(audioMarker)) {
            facts.audioCodec = firstToken(l.mid(l.indexOf(audioMarker) + audioMarker.size()));
        }
    }
    return facts;
}

QCoro::Task<ProbeResult> probeFile(QString path, std::optional<QString> ffmpegPath,
                                   DownloadItem *item)
{
    if (!ffmpegPath)
        co_return ProbeResult{};
    const QString ffprobe = QFileInfo(*ffmpegPath).path() + QStringLiteral("/ffprobe");
    if (!ToolPaths::isExecutableFile(ffprobe)) {
        const ProbeResult viaFfmpeg = co_await probeViaFfmpeg(path, *ffmpegPath, item);
        co_return viaFfmpeg;
    }
    QProcess process;
    process.setProgram(ffprobe);
    const QStringList arguments{
        QStringLiteral("-v"),   QStringLiteral("quiet"),         QStringLiteral("-print_format"),
        QStringLiteral("json"), QStringLiteral("-show_streams"), path};
    process.setArguments(arguments);
    RunOptions options;
    options.sandbox = ToolSandbox::forMedia({path});
    // Its time in the debug log shows nothing waits between the download and the probe.
    Logger::shared().log(QStringLiteral("  probe: ffprobe started"), LogLevel::Debug);
    const ProcessRunResult result = co_await runForItem(process, item, std::move(options));
    const auto facts = streamFactsFromJson(result.stdoutData);
    if (!facts)
        co_return ProbeResult{};
    Logger::shared().log(QStringLiteral("  probe: ") + summary(*facts), LogLevel::Debug);
    ProbeResult probe = classifyCodecs(facts->videoCodec, facts->codecTag, facts->audioCodec,
                                       facts->audioProfile, facts->audioBits);
    probe.videoHeight = facts->videoHeight;
    co_return probe;
}

QCoro::Task<ProbeResult> probeViaFfmpeg(QString path, QString ffmpegPath, DownloadItem *item)
{
    QProcess process;
    process.setProgram(ffmpegPath);
    const QStringList arguments{
        QStringLiteral("-v"), QStringLiteral("info"), QStringLiteral("-i"), path,
        QStringLiteral("-t"), QStringLiteral("0"),    QStringLiteral("-f"), QStringLiteral("null"),
        QStringLiteral("-")};
    process.setArguments(arguments);
    RunOptions options;
    options.sandbox = ToolSandbox::forMedia({path});
    const ProcessRunResult result = co_await runForItem(process, item, std::move(options));
    Logger::shared().log(QStringLiteral("  probeViaFfmpeg raw: ") + result.stderrText.left(400),
                         LogLevel::Debug);
    const StreamFacts facts = streamFactsFromFfmpegText(result.stderrText);
    Logger::shared().log(QStringLiteral("  probeViaFfmpeg parsed: ") + summary(facts),
                         LogLevel::Debug);
    co_return classifyCodecs(facts.videoCodec, facts.codecTag, facts.audioCodec, QString(), 0);
}

ProbeResult classifyCodecs(const QString &videoCodec, const QString &codecTag,
                           const QString &audioCodec, const QString &audioProfile, int audioBits)
{
    const QString video = videoCodec.toLower();
    const QString tag = codecTag.toLower();
    const QString audio = audioCodec.toLower();
    const bool videoBad = kIncompatibleVideo.contains(video);
    ProbeResult result;
    result.needsRetag = video == QStringLiteral("hevc") && tag == QStringLiteral("hev1");
    bool audioOK = !kIncompatibleAudio.contains(audio);
    if (audio == QStringLiteral("aac") || audio.startsWith(QStringLiteral("pcm")))
        audioOK = audioOK && audioBits < 25;
    result.quickTimeOK = audioOK && !videoBad && !result.needsRetag;
    QStringList labels;
    if (!video.isEmpty())
        labels << videoCodecLabel(video, tag);
    if (!audio.isEmpty())
        labels << audioCodecLabel(audio, audioProfile, audioBits);
    result.codecInfo = labels.join(QStringLiteral(" + "));
    return result;
}

bool systemPlayersPlay(const QString &codecInfo, bool playersTakeWebCodecs)
{
    static const QSet<QString> playable{
        QStringLiteral("H.264"), QStringLiteral("HEVC"),   QStringLiteral("HEVC (hev1)"),
        QStringLiteral("AV1"),   QStringLiteral("VP9"),    QStringLiteral("VP8"),
        QStringLiteral("AAC"),   QStringLiteral("HE-AAC"), QStringLiteral("HE-AAC v2"),
        QStringLiteral("MP3"),   QStringLiteral("Opus"),   QStringLiteral("Vorbis"),
        QStringLiteral("FLAC")};
    if (!playersTakeWebCodecs || codecInfo.isEmpty())
        return false;
    static const QRegularExpression bits(QStringLiteral(" \\d+bit$"));
    const QStringList labels = codecInfo.split(QStringLiteral(" + "));
    return std::all_of(labels.cbegin(), labels.cend(),
                       [](QString label) { return playable.contains(label.remove(bits)); });
}

QString videoCodecLabel(const QString &codec, const QString &tag)
{
    if (codec == QStringLiteral("hevc") && tag == QStringLiteral("hev1"))
        return QStringLiteral("HEVC (hev1)");
    if (codec == QStringLiteral("h264") || codec == QStringLiteral("avc") ||
        codec == QStringLiteral("avc1"))
        return QStringLiteral("H.264");
    if (codec == QStringLiteral("hevc") || codec == QStringLiteral("hvc1") ||
        codec == QStringLiteral("h265"))
        return QStringLiteral("HEVC");
    if (codec == QStringLiteral("av1"))
        return QStringLiteral("AV1");
    if (codec == QStringLiteral("vp9"))
        return QStringLiteral("VP9");
    if (codec == QStringLiteral("vp8"))
        return QStringLiteral("VP8");
    return codec.toUpper();
}

QString audioCodecLabel(const QString &codec, const QString &profile, int bits)
{
    QString label;
    if (codec == QStringLiteral("aac") || codec == QStringLiteral("mp4a")) {
        if (profile.contains(QStringLiteral("he-aac v2")))
            label = QStringLiteral("HE-AAC v2");
        else if (profile.contains(QStringLiteral("he-aac")))
            label = QStringLiteral("HE-AAC");
        else
            label = QStringLiteral("AAC");
    } else if (codec == QStringLiteral("aac_he_v2")) {
        label = QStringLiteral("HE-AAC v2");
    } else if (codec == QStringLiteral("aac_he")) {
        label = QStringLiteral("HE-AAC");
    } else if (codec == QStringLiteral("opus")) {
        label = QStringLiteral("Opus");
    } else if (codec == QStringLiteral("vorbis")) {
        label = QStringLiteral("Vorbis");
    } else if (codec == QStringLiteral("flac")) {
        label = QStringLiteral("FLAC");
    } else if (codec == QStringLiteral("alac")) {
        label = QStringLiteral("ALAC");
    } else {
        label = codec.toUpper();
    }
    if (bits > 0 && bits != 16)
        label += QLatin1Char(' ') + QString::number(bits) + QStringLiteral("bit");
    return label;
}
