#include "fixtures/DubbedMedia.h"
#include "fixtures/EngineHarness.h"

#include "i18n/Localization.h"

using namespace Harness;

namespace {

// The audio packets of a file, hashed: equal only when they were copied.
QByteArray audioPackets(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-v", "error", "-i", path, "-map", "0:a", "-c", "copy", "-f", "md5", "-"});
    p.waitForFinished(30000);
    return p.readAllStandardOutput().trimmed();
}

// Case name, page, chosen language ("" the original), the file (MP4, MKV
// with every track, M4A) → each audio stream's language tag, in order.
const std::tuple<const char *, QString, const char *, const char *, const char *> trackCases[] = {
    {"DASH: the original by default", DubbedMedia::dash, "", "mp4", "eng"},
    {"HLS: the original by default", DubbedMedia::hls, "", "mp4", "eng"},
    {"DASH: a dub chosen by another code", DubbedMedia::dash, "fr", "mp4", "fre"},
    {"HLS: a dub chosen", DubbedMedia::hls, "de", "mp4", "ger"},
    {"DASH: MKV keeps every track, the original first", DubbedMedia::dash, "", "mkv",
     "eng fre ger"},
    {"HLS: MKV keeps every track, the chosen one first", DubbedMedia::hls, "fr", "mkv",
     "fre ger eng"},
    {"DASH: audio of the original", DubbedMedia::dash, "", "m4a", "eng"},
    {"DASH: audio of a dub", DubbedMedia::dash, "deu", "m4a", "ger"},
};

// Case name, source, codec, kbit/s → extension, codec in the file, whether
// the source's audio is copied as it is.
const std::tuple<const char *, const char *, Media::AudioCodec, int, const char *, const char *,
                 bool>
    audioCases[] = {
        {"M4A from AAC", "h264.mp4", Media::AudioCodec::M4a, 0, "m4a", "aac", true},
        {"M4A from AAC, a bitrate asked", "h264.mp4", Media::AudioCodec::M4a, 192, "m4a", "aac",
         true},
        {"Opus from Opus", "vp9.webm", Media::AudioCodec::Opus, 0, "opus", "opus", true},
        {"M4A from Opus", "vp9.webm", Media::AudioCodec::M4a, 0, "m4a", "aac", false},
        {"MP3 at 128 kbit/s", "h264.mp4", Media::AudioCodec::Mp3, 128, "mp3", "mp3", false},
        {"FLAC", "vp9.webm", Media::AudioCodec::Flac, 0, "flac", "flac", false},
        {"WAV", "h264.mp4", Media::AudioCodec::Wav, 0, "wav", "pcm_s16le", false},
};

// Case name, source, container → the file's extension, container and codecs.
const std::tuple<const char *, const char *, Media::Container, const char *, const char *,
                 const char *>
    containerCases[] = {
        {"WebM from VP9", "vp9.webm", Media::Container::Webm, "webm", "matroska,webm",
         "VP9 + Opus"},
        {"WebM from H.264", "h264.mp4", Media::Container::Webm, "webm", "matroska,webm",
         "VP9 + Opus"},
        {"MKV from DASH HEVC", "dash/manifest.mpd", Media::Container::Mkv, "mkv", "matroska,webm",
         "HEVC + AAC"},
        {"MKV from VP9", "vp9.webm", Media::Container::Mkv, "mkv", "matroska,webm", "VP9 + Opus"},
};

} // namespace

// The file the user chose, made by the real yt-dlp and ffmpeg from media
// served on 127.0.0.1: which audio track, which audio format, which container.
class TestMedia : public EngineTest
{
    Q_OBJECT

    // The item downloaded with `choices`; null unless it ended done.
    DownloadItem *downloaded(const QString &path, DownloadFormat format,
                             const MediaChoices &choices)
    {
        DownloadItem *item = readyItem(m_server->httpUrl(path), format);
        if (!item)
            return nullptr;
        item->setChoices(choices);
        return finish(item) && item->status() == DownloadStatus::Done && item->filePath() ? item
                                                                                          : nullptr;
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
        QString error;
        QVERIFY2(DubbedMedia::make(m_server->root(), &error), qPrintable(error));
    }
    void init() { resetEngine(); }
    void cleanup() { m_manager.reset(); }

    void audioTrack_data() { addCases(trackCases); }
    void audioTrack()
    {
        const auto &[name, path, language, file, tags] = caseOf(trackCases);
        MediaChoices choices;
        choices.audioLanguage = language;
        choices.allAudioTracks = QString(file) == "mkv";
        choices.container = choices.allAudioTracks ? Media::Container::Mkv : Media::Container::Mp4;
        choices.audioCodec = Media::AudioCodec::M4a;
        DownloadItem *item = downloaded(
            path, QString(file) == "m4a" ? DownloadFormat::Audio : DownloadFormat::Video, choices);
        QVERIFY(item);
        // The page's tracks, English marked the original by its manifest.
        QCOMPARE(item->audioTracks().size(), 3);
        QStringList originals;
        for (const AudioTrack &track : item->audioTracks()) {
            if (track.original)
                originals << track.language.left(2);
        }
        QCOMPARE(originals, QStringList{"en"});
        // An audio file of a DASH track carries no language of its own: its
        // sample rate tells the track.
        const bool audio = QString(file) == "m4a";
        QStringList expected;
        for (const QString &tag : words(tags))
            expected << QString::number(DubbedMedia::sampleRate(tag)) + (audio ? "" : "|" + tag);
        QCOMPARE(streams(*item->filePath(),
                         audio ? "sample_rate" : "sample_rate:stream_tags=language", "a"),
                 expected);
        QCOMPARE(QFileInfo(*item->filePath()).suffix(), QString(file));
        QCOMPARE(item->file().needsConversion, false);
    }

    void audioFormat_data() { addCases(audioCases); }
    void audioFormat()
    {
        const auto &[name, source, codec, kbps, extension, codecName, copied] = caseOf(audioCases);
        MediaChoices choices;
        choices.audioCodec = codec;
        choices.audioKbps = kbps;
        DownloadItem *item = downloaded(source, DownloadFormat::Audio, choices);
        QVERIFY(item);
        const QString file = *item->filePath();
        QCOMPARE(QFileInfo(file).suffix(), QString(extension));
        QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{QFileInfo(file).fileName()});
        QCOMPARE(streams(file, "codec_name", "a"), QStringList{codecName});
        // No encoder ran: the source's audio packets, byte for byte.
        QCOMPARE(audioPackets(file) == audioPackets(m_server->root() + "/" + source), copied);
        if (kbps && !copied)
            QCOMPARE(streams(file, "bit_rate", "a").value(0).toInt() / 1000, kbps);
    }

    void container_data() { addCases(containerCases); }
    void container()
    {
        const auto &[name, source, container, extension, formatName, codecs] =
            caseOf(containerCases);
        MediaChoices choices;
        choices.container = container;
        DownloadItem *item = downloaded(source, DownloadFormat::Video, choices);
        QVERIFY(item);
        QCOMPARE(QFileInfo(*item->filePath()).suffix(), QString(extension));
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-show_entries", "format=format_name", "-of",
                                "default=nk=1:nw=1", *item->filePath()});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.readAllStandardOutput().trimmed(), QByteArray(formatName));
        QCOMPARE(item->file().codecInfo, QString(codecs));
        // The user chose this container: never offered a conversion to MP4.
        QCOMPARE(item->file().needsConversion, false);
    }
};

REELIX_TEST_MAIN(TestMedia)
#include "tst_media.moc"
