#include "fixtures/TestMain.h"

#include "engine/Conversion.h"
#include "engine/DownloadItem.h"
#include "engine/DownloadRun.h"
#include "engine/JsonFields.h"
#include "engine/Probe.h"
#include "engine/VideoInfo.h"
#include "i18n/Localization.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QScopeGuard>

// The engine's pure parts: parsers, classification, argument lists.
class TestEngineParsing : public QObject
{
    Q_OBJECT

    // video | tag | audio | profile | bits → QuickTime plays it, label, retag.
    using Probe = std::tuple<const char *, const char *, bool, const char *, bool>;
    static inline const Probe probeCases[] = {
        {"hevc hvc1", "hevc|hvc1|aac|lc|0", true, "HEVC + AAC", false},
        {"hevc hev1", "HEVC|HEV1|AAC||0", false, "HEVC (hev1) + AAC", true},
        {"vp9 opus", "vp9||opus||0", false, "VP9 + Opus", false},
        {"pcm 32", "h264|avc1|pcm_s32le||32", false, "H.264 + PCM_S32LE 32bit", false},
        {"pcm 24", "h264|avc1|pcm_s24le||24", true, "H.264 + PCM_S24LE 24bit", false},
        {"mjpeg mp3", "mjpeg||mp3||0", true, "MJPEG + MP3", false},
        {"flac alone", "||flac||16", false, "FLAC", false},
        {"nothing", "||||0", true, "", false},
        {"he-aac v2", "av1||aac|he-aac v2|0", false, "AV1 + HE-AAC v2", false},
    };

    // A yt-dlp output line → progress, status message, reported file.
    using Progress = std::tuple<const char *, const char *, double, const char *, const char *>;
    static inline const Progress progressCases[] = {
        {"percent", "[download]  42.5% of 10MiB at 1MiB/s\r", 0.425,
         "42% · 4.5 MB of 10.5 MB · 1.0 MB/s", ""},
        {"percent unknown", "[download]    N/A% of 10MiB at 1MiB/s", 0.0, "", ""},
        {"destination ignored", "[download] Destination: /x.mp4", 0.0, "", ""},
        {"path", "  /home/u/Videos/Clip.mp4 \n", 0.0, "", "/home/u/Videos/Clip.mp4"},
        {"other tool line", "[Merger] Merging 50% things", 0.0, "", ""},
    };

    // A yt-dlp progress line → the row's line in English and in French.
    using ProgressLine = std::tuple<const char *, const char *, const char *, const char *>;
    static inline const ProgressLine progressTexts[] = {
        {"known total", "[download]  42.0% of  774.40MiB at   10.97MiB/s ETA 00:41",
         "42% · 341 MB of 812 MB · 11.5 MB/s · 41 s left",
         "42\u00a0% · 341 Mo sur 812 Mo · 11,5 Mo/s · encore 41\u00a0s"},
        {"estimated total",
         "[download]   5.1% of ~   9.61MiB at  143.20KiB/s ETA 01:05 (frag 3/30)",
         "5% · 514 kB of ~10.1 MB · 147 kB/s · 1 min 05 s left",
         "5\u00a0% · 514 ko sur ~10,1 Mo · 147 ko/s · encore 1\u00a0min 05\u00a0s"},
        {"unknown total", "[download]    1.23MiB at  500.00KiB/s (00:00:02)", "1.3 MB · 512 kB/s",
         "1,3 Mo · 512 ko/s"},
        {"no speed", "[download]   0.0% of ~   1.00GiB at  Unknown B/s ETA Unknown (frag 0/9)",
         "0% · 0 bytes of ~1.1 GB", "0\u00a0% · 0 octets sur ~1,1 Go"},
        {"hours left", "[download]  10.0% of    4.00GiB at    1.00MiB/s ETA 01:02:03",
         "10% · 429 MB of 4.3 GB · 1.0 MB/s · 1 h 02 min left",
         "10\u00a0% · 429 Mo sur 4,3 Go · 1,0 Mo/s · encore 1\u00a0h 02\u00a0min"},
        {"finished", "[download] 100% of    9.61MiB in 00:00:03 at 2.87MiB/s",
         "100% · 10.1 MB of 10.1 MB · 3.0 MB/s", "100\u00a0% · 10,1 Mo sur 10,1 Mo · 3,0 Mo/s"},
    };

    // An ffmpeg progress line and the duration → progress, status message.
    using ConversionLine = std::tuple<const char *, const char *, double, double, const char *>;
    static inline const ConversionLine conversionCases[] = {
        {"99.9 shows 99", "out_time_ms=9990000\n", 10.0, 0.999, "Making playable everywhere — 99%"},
        {"capped", "out_time_ms=12000000", 10.0, 1.0, "Making playable everywhere — 100%"},
        {"unknown duration", "out_time_ms=5000000", 0.0, 0.0, "Making playable everywhere — 0%"},
        {"N/A ignored", "out_time_ms=N/A", 10.0, -1.0, ""},
    };

private slots:
    void initTestCase() { Localization::install(QLocale(QLocale::English)); }

    void videoInfo_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("formats"); // "null" = not parsed
        QTest::addColumn<QString>("vcodec");
        QTest::newRow("not an object") << QByteArray("[]") << "null" << QString();
        QTest::newRow("no formats key") << QByteArray(R"({"title":"t"})") << "" << QString();
        QTest::newRow("sorted by height")
            << QByteArray(R"({"formats":[{"format_id":"a","height":360,"vcodec":"avc1"},)"
                          R"({"format_id":"b","height":1080,"vcodec":"avc1"},)"
                          R"({"format_id":"c","height":720,"vcodec":"avc1"}]})")
            << "b:1080p c:720p a:360p" << QString("avc1");
        QTest::newRow("higher bitrate wins")
            << QByteArray(R"({"formats":[{"format_id":"a","height":720,"vcodec":"vp9","tbr":1000},)"
                          R"({"format_id":"b","height":720,"vcodec":"AVC1.64","tbr":2500}]})")
            << "b:720p" << QString("avc1.64");
        QTest::newRow("skips audio, strings and fractions")
            << QByteArray(
                   R"({"formats":[{"format_id":"au","height":null,"vcodec":"none","tbr":99},)"
                   R"({"format_id":"s","height":"720","vcodec":"avc1"},)"
                   R"({"format_id":"f","height":720.5,"vcodec":"avc1"},)"
                   R"({"format_id":"n","height":480,"vcodec":"none"},)"
                   R"({"height":240,"vcodec":"avc1"}]})")
            << ":240p" << QString("avc1");
        // Sizes in bytes after "~": a picture without sound gets the best
        // sound's size added; a size of another type is unknown.
        QTest::newRow("sizes and duration")
            << QByteArray(
                   R"({"duration":754.4,"formats":[)"
                   R"({"format_id":"a1","vcodec":"none","acodec":"opus","tbr":50,"filesize":100},)"
                   R"({"format_id":"a2","vcodec":"none","acodec":"mp4a","tbr":130,"filesize":300},)"
                   R"({"format_id":"v","height":1080,"vcodec":"avc1","acodec":"none","filesize":5000},)"
                   R"({"format_id":"m","height":720,"vcodec":"avc1","acodec":"mp4a","filesize_approx":2000},)"
                   R"({"format_id":"s","height":480,"vcodec":"avc1","acodec":"none","filesize":"9"}]})")
            << "v:1080p~5300 m:720p~2000 s:480p" << QString("avc1");
    }

    void videoInfo()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, formats);
        QFETCH(QString, vcodec);
        const auto parsed = parseVideoInfo(json);
        QCOMPARE(bool(parsed), formats != "null");
        if (!parsed)
            return;
        QStringList parts;
        for (const VideoFormat &f : parsed->formats)
            parts << f.id + ":" + f.label + (f.size ? "~" + QString::number(f.size) : "");
        QCOMPARE(parts.join(' '), formats);
        QCOMPARE(parsed->vcodec, vcodec);
        QCOMPARE(parsed->duration, QString(QTest::currentDataTag()).contains("duration") ? 754 : 0);
    }

    void probeClassification_data() { addCases(probeCases); }

    void probeClassification()
    {
        const auto &[name, facts, ok, info, retag] = caseOf(probeCases);
        const QStringList f = QString(facts).split('|');
        const ProbeResult r = classifyCodecs(f[0], f[1], f[2], f[3], f[4].toInt());
        QCOMPARE(r.quickTimeOK, ok);
        QCOMPARE(r.codecInfo, QString(info));
        QCOMPARE(r.needsRetag, retag);
    }

    // A tool's JSON number, and the whole number read from it (-1: absent).
    void wholeNumbersOnly_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("read");
        QTest::newRow("height") << QByteArray("720") << 720;
        QTest::newRow("negative") << QByteArray("-12") << -12;
        QTest::newRow("fraction") << QByteArray("2.5") << -1;
        QTest::newRow("beyond int") << QByteArray("3000000000") << -1;
        QTest::newRow("below int") << QByteArray("-3000000000") << -1;
        QTest::newRow("beyond 64 bits") << QByteArray("7.6e83") << -1;
        QTest::newRow("largest double") << QByteArray("1.7e308") << -1;
        QTest::newRow("text") << QByteArray("\"720\"") << -1;
    }

    void wholeNumbersOnly()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, read);
        const QJsonValue value = QJsonDocument::fromJson("[" + json + "]").array().at(0);
        QCOMPARE(JsonFields::integer(value).value_or(-1), read);
        const auto facts = streamFactsFromJson(
            R"({"streams":[{"codec_type":"video","codec_name":"h264","height":)" + json + "}]}");
        QVERIFY(facts);
        QCOMPARE(facts->videoHeight, read == -1 ? 0 : read);
    }

    // A page's number of any size: what no integer holds is unknown (0).
    void pageNumbersOfAnySize_data()
    {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("ordinary") << QByteArray("62.5") << 63 << qint64(1000);
        QTest::newRow("beyond 64 bits") << QByteArray("7.7e79") << 0 << qint64(0);
        QTest::newRow("largest double") << QByteArray("1.7e308") << 0 << qint64(0);
        QTest::newRow("negative") << QByteArray("-4e30") << 0 << qint64(0);
    }

    void pageNumbersOfAnySize()
    {
        QFETCH(QByteArray, number);
        QFETCH(int, seconds);
        QFETCH(qint64, bytes);
        const QByteArray size = bytes ? QByteArray("1000") : number;
        const auto video = parseVideoInfo(
            R"({"duration":)" + number +
            R"(,"formats":[{"format_id":"18","height":360,"vcodec":"avc1","acodec":"mp4a","filesize":)" +
            size + "}]}");
        QVERIFY(video);
        QCOMPARE(video->duration, seconds);
        QCOMPARE(video->formats.value(0).size, bytes);
        const auto list = parseVideoInfo(
            R"({"_type":"playlist","entries":[{"url":"http://127.0.0.1/a","duration":)" + number +
            "}]}");
        QVERIFY(list && list->playlist);
        QCOMPARE(list->playlist->entries.value(0).duration, int(seconds ? 62 : 0));
    }

    void streamFacts()
    {
        const auto facts = streamFactsFromJson(
            R"({"streams":[{"codec_type":"audio","codec_name":"AAC","profile":"HE-AAC","bits_per_sample":"24","bits_per_raw_sample":24},)"
            R"({"codec_type":"video","codec_name":"hevc","codec_tag_string":"HEV1"},)"
            R"({"codec_type":"video","codec_name":"mjpeg"}]})");
        QVERIFY(facts);
        QCOMPARE(facts->videoCodec + "/" + facts->codecTag + "/" + facts->audioCodec + "/" +
                     facts->audioProfile + "/" + QString::number(facts->audioBits),
                 QString("hevc/hev1/aac/he-aac/24"));
        QVERIFY(!streamFactsFromJson("garbage"));
        QVERIFY(streamFactsFromJson(R"({"streams":[]})")->videoCodec.isEmpty());

        const StreamFacts text = streamFactsFromFfmpegText(
            "  Stream #0:0[0x1](und): Video: hevc (Main) (hev1 / 0x31766568), yuv420p, 640x360\n"
            "  Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono\n"
            "video:0kB audio:0kB subtitle:0kB other streams:0kB\n");
        QCOMPARE(text.videoCodec + "/" + text.codecTag + "/" + text.audioCodec,
                 QString("hevc/hev1/aac"));
        QVERIFY(streamFactsFromFfmpegText("video:12kB audio:3kB").videoCodec.isEmpty());
    }

    void progressLines_data() { addCases(progressCases); }

    void progressLines()
    {
        const auto &[name, line, progress, message, reported] = caseOf(progressCases);
        DownloadItem item("https://example.org", DownloadFormat::Video);
        ItemRun::begin(item);
        DownloadRun::handleProgressLine(line, item);
        QCOMPARE(item.progress(), progress);
        QCOMPARE(item.statusMessage(), QString(message));
        QCOMPARE(item.run()->reportedFilePath().value_or(QString()), QString(reported));
    }

    void progressText_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        for (const auto &[name, line, english, french] : progressTexts) {
            QTest::addRow("%s, en", name) << QLocale(QLocale::English) << line << english;
            QTest::addRow("%s, fr", name) << QLocale(QLocale::French) << line << french;
        }
    }

    void progressText()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        Localization::install(locale);
        const auto english = qScopeGuard([] { Localization::install(QLocale(QLocale::English)); });
        const std::optional<ProgressFigures> figures = DownloadRun::parseProgressLine(line);
        QVERIFY(figures);
        QCOMPARE(ProgressText::line(*figures, locale), expected);
    }

    void conversionProgress_data() { addCases(conversionCases); }

    void conversionProgress()
    {
        const auto &[name, line, duration, progress, message] = caseOf(conversionCases);
        DownloadItem item("https://example.org", DownloadFormat::Video);
        item.setProgress(-1);
        Conversion::handleConversionProgressLine(line, duration, item);
        QCOMPARE(item.progress(), progress);
        QCOMPARE(item.statusMessage(), QString(message));
    }

    // Hours, which the short media of the conversion tests do not reach.
    void durations()
    {
        QCOMPARE(Conversion::parseDuration("  Duration: 01:02:03.50, start: 0.000000"), 3723.5);
        QCOMPARE(Conversion::parseDuration("Duration: N/A, bitrate: N/A"), 0.0);
    }

    void latestFile()
    {
        const QString dir = TestHome::path() + "/latest";
        QCOMPARE(DownloadRun::findLatestFile(dir, "mp4"), std::nullopt); // no folder
        const QDateTime now = QDateTime::currentDateTime();
        int age = 3;
        for (const char *name : {"old.mp4", "other.mp3", ".hidden.MP4"}) {
            writeText(dir + "/" + name, {});
            QFile f(dir + "/" + name);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(now.addSecs(-age--), QFileDevice::FileModificationTime);
        }
        QCOMPARE(DownloadRun::findLatestFile(dir, "mp4"),
                 std::optional<QString>(dir + "/.hidden.MP4"));
        QCOMPARE(DownloadRun::findLatestFile(dir, "mp3"),
                 std::optional<QString>(dir + "/other.mp3"));
    }
};

REELIX_TEST_MAIN(TestEngineParsing)
#include "tst_engineparsing.moc"
