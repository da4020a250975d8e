#pragma once

#include <QString>

#include <QCoro/QCoroTask>

#include <optional>

// Whether the system player can play a finished file as it is.
struct ProbeResult
{
    bool quickTimeOK = true;
    QString codecInfo;       // "HEVC + AAC"
    bool needsRetag = false; // HEVC tagged hev1: a tag rewrite fixes it
    int videoHeight = 0;     // of the first video stream; 0 when not known

    friend bool operator==(const ProbeResult &, const ProbeResult &) = default;
};

class DownloadItem;

// ffprobe beside ffmpeg when there is one, else ffmpeg's stream description.
// The child is held in `item` while it runs.
QCoro::Task<ProbeResult> probeFile(QString path, std::optional<QString> ffmpegPath,
                                   DownloadItem *item = nullptr);
QCoro::Task<ProbeResult> probeViaFfmpeg(QString path, QString ffmpegPath,
                                        DownloadItem *item = nullptr);

// The stream facts of ffprobe's JSON, or of ffmpeg's description lines.
struct StreamFacts
{
    QString videoCodec;
    QString codecTag;
    QString audioCodec;
    QString audioProfile;
    int audioBits = 0;
    int videoHeight = 0;
};
std::optional<StreamFacts> streamFactsFromJson(const QByteArray &json);
StreamFacts streamFactsFromFfmpegText(const QString &stderrText);

ProbeResult classifyCodecs(const QString &videoCodec, const QString &codecTag,
                           const QString &audioCodec, const QString &audioProfile, int audioBits);
// Whether the system's players play a file of these codecs ("VP9 + Opus", as
// classifyCodecs labels them) as it is, though not every player does.
bool systemPlayersPlay(const QString &codecInfo, bool playersTakeWebCodecs);
QString videoCodecLabel(const QString &codec, const QString &tag);
QString audioCodecLabel(const QString &codec, const QString &profile, int bits);
