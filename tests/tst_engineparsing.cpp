#include "fixtures/TestMain.h"

#include "engine/Conversion.h"
#include "engine/DownloadItem.h"
#include "engine/DownloadRun.h"
#include "engine/Probe.h"
#include "engine/VideoInfo.h"

// The engine's pure parts: parsers, labels, classification, argument lists.
class TestEngineParsing : public QObject
{
    Q_OBJECT

    static QString formatsText(const QList<VideoFormat> &formats)
    {
        QStringList parts;
        for (const VideoFormat &f : formats)
            parts << f.id + ":" + f.label;
        return parts.join(' ');
    }

private slots:
    void videoInfo_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("formats"); // "" = parsed with none, "null" = not parsed
        QTest::addColumn<QString>("vcodec");
        QTest::newRow("not json") << QByteArray("nope") << "null"
                                  << "";
        QTest::newRow("array top level") << QByteArray("[]") << "null"
                                         << "";
        QTest::newRow("no formats key") << QByteArray(R"({"title":"t"})") << ""
                                        << "";
        QTest::newRow("sorted by height")
            << QByteArray(R"({"formats":[{"format_id":"a","height":360,"vcodec":"avc1"},)"
                          R"({"format_id":"b","height":1080,"vcodec":"avc1"},)"
                          R"({"format_id":"c","height":720,"vcodec":"avc1"}]})")
            << "b:1080p c:720p a:360p"
            << "avc1";
        QTest::newRow("higher bitrate wins")
            << QByteArray(R"({"formats":[{"format_id":"a","height":720,"vcodec":"vp9","tbr":1000},)"
                          R"({"format_id":"b","height":720,"vcodec":"AVC1.64","tbr":2500}]})")
            << "b:720p"
            << "avc1.64";
        QTest::newRow("equal bitrate keeps first")
            << QByteArray(R"({"formats":[{"format_id":"a","height":720,"vcodec":"vp9","tbr":1000},)"
                          R"({"format_id":"b","height":720,"vcodec":"avc1","tbr":1000}]})")
            << "a:720p"
            << "vp9";
        QTest::newRow("first without tbr is replaced")
            << QByteArray(R"({"formats":[{"format_id":"a","height":720,"vcodec":"vp9"},)"
                          R"({"format_id":"b","height":720,"vcodec":"avc1","tbr":0}]})")
            << "b:720p"
            << "vp9";
        QTest::newRow("skips audio, strings and fractions")
            << QByteArray(
                   R"({"formats":[{"format_id":"au","height":null,"vcodec":"none","tbr":99},)"
                   R"({"format_id":"s","height":"720","vcodec":"avc1"},)"
                   R"({"format_id":"f","height":720.5,"vcodec":"avc1"},)"
                   R"({"format_id":"n","height":480,"vcodec":"none"},)"
                   R"({"height":240,"vcodec":"avc1"}]})")
            << ":240p"
            << "avc1";
    }

    void videoInfo()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, formats);
        QFETCH(QString, vcodec);
        const auto parsed = parseVideoInfo(json);
        if (formats == "null") {
            QVERIFY(!parsed);
            return;
        }
        QVERIFY(parsed);
        QCOMPARE(formatsText(parsed->formats), formats);
        QCOMPARE(parsed->vcodec, vcodec);
    }

    void probeClassification_data()
    {
        QTest::addColumn<QString>("video");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("retag");
        QTest::newRow("hevc hvc1") << "hevc"
                                   << "hvc1"
                                   << "aac"
                                   << "lc" << 0 << true << "HEVC + AAC" << false;
        QTest::newRow("hevc hev1") << "hevc"
                                   << "hev1"
                                   << "aac"
                                   << "" << 0 << false << "HEVC (hev1) + AAC" << true;
        QTest::newRow("upper case") << "HEVC"
                                    << "HEV1"
                                    << "AAC"
                                    << "" << 0 << false << "HEVC (hev1) + AAC" << true;
        QTest::newRow("vp9 opus") << "vp9"
                                  << ""
                                  << "opus"
                                  << "" << 0 << false << "VP9 + Opus" << false;
        QTest::newRow("pcm 32") << "h264"
                                << "avc1"
                                << "pcm_s32le"
                                << "" << 32 << false << "H.264 + PCM_S32LE 32bit" << false;
        QTest::newRow("pcm 24") << "h264"
                                << "avc1"
                                << "pcm_s24le"
                                << "" << 24 << true << "H.264 + PCM_S24LE 24bit" << false;
        QTest::newRow("aac 32") << "h264"
                                << ""
                                << "aac"
                                << "" << 32 << false << "H.264 + AAC 32bit" << false;
        QTest::newRow("flac alone") << ""
                                    << ""
                                    << "flac"
                                    << "" << 16 << false << "FLAC" << false;
        QTest::newRow("mjpeg mp3") << "mjpeg"
                                   << ""
                                   << "mp3"
                                   << "" << 0 << true << "MJPEG + MP3" << false;
        QTest::newRow("nothing") << ""
                                 << ""
                                 << ""
                                 << "" << 0 << true << "" << false;
        QTest::newRow("he-aac v2") << "av1"
                                   << ""
                                   << "aac"
                                   << "he-aac v2" << 0 << false << "AV1 + HE-AAC v2" << false;
        QTest::newRow("he-aacv2 no blank") << "vp8"
                                           << ""
                                           << "mp4a"
                                           << "he-aacv2" << 0 << false << "VP8 + HE-AAC" << false;
        QTest::newRow("alac 24") << "avc"
                                 << ""
                                 << "alac"
                                 << "" << 24 << true << "H.264 + ALAC 24bit" << false;
    }

    void probeClassification()
    {
        QFETCH(QString, video);
        QFETCH(QString, tag);
        QFETCH(QString, audio);
        QFETCH(QString, profile);
        QFETCH(int, bits);
        QFETCH(bool, ok);
        QFETCH(QString, info);
        QFETCH(bool, retag);
        const ProbeResult r = classifyCodecs(video, tag, audio, profile, bits);
        QCOMPARE(r.quickTimeOK, ok);
        QCOMPARE(r.codecInfo, info);
        QCOMPARE(r.needsRetag, retag);
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
        QVERIFY(!streamFactsFromJson("{}"));
        QVERIFY(!streamFactsFromJson("garbage"));
        QVERIFY(streamFactsFromJson(R"({"streams":[]})")->videoCodec.isEmpty());

        const StreamFacts text = streamFactsFromFfmpegText(
            "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p, 640x360\n"
            "  Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono\n"
            "video:0kB audio:0kB subtitle:0kB other streams:0kB\n");
        QCOMPARE(text.videoCodec + "/" + text.codecTag + "/" + text.audioCodec,
                 QString("h264/avc1/aac"));
        const StreamFacts hevc = streamFactsFromFfmpegText(
            "Stream #0:0: Video: hevc (Main) (hev1 / 0x31766568), yuv420p\n");
        QCOMPARE(hevc.videoCodec + "/" + hevc.codecTag, QString("hevc/hev1"));
        QVERIFY(streamFactsFromFfmpegText("video:12kB audio:3kB").videoCodec.isEmpty());
    }

    void formatArguments_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("youTube");
        QTest::addColumn<bool>("fallback");
        QTest::addColumn<QString>("expected");
        QTest::newRow("audio") << true << "137" << true << true << "-x --audio-format mp3";
        QTest::newRow("chosen") << false << "137" << true << false
                                << "-f 137+bestaudio/137/best --merge-output-format mp4";
        QTest::newRow("site default")
            << false << "" << false << false
            << "-f bestvideo[ext=mp4]+bestaudio[ext=m4a]/bestvideo+bestaudio/best "
               "--merge-output-format mp4";
        QTest::newRow("youtube first")
            << false << "" << true << false
            << "-f "
               "bestvideo[vcodec^=avc1]+bestaudio[acodec^=mp4a]/bestvideo[vcodec^=avc1]+bestaudio/"
               "bestvideo+bestaudio/best --merge-output-format mp4";
        QTest::newRow("youtube fallback")
            << false << "" << true << true
            << "-f "
               "best[ext=mp4]/18/bestvideo[vcodec^=avc1]+bestaudio[acodec^=mp4a]/"
               "bestvideo[vcodec^=avc1]+bestaudio/best --merge-output-format mp4";
    }

    void formatArguments()
    {
        QFETCH(bool, audio);
        QFETCH(QString, chosen);
        QFETCH(bool, youTube);
        QFETCH(bool, fallback);
        QFETCH(QString, expected);
        QCOMPARE(DownloadRun::formatArguments(audio ? DownloadFormat::Audio : DownloadFormat::Video,
                                              chosen, youTube, fallback)
                     .join(' '),
                 expected);
    }

    void downloadArgumentsOrder()
    {
        DownloadItem item("-oevil", DownloadFormat::Audio);
        const QStringList args = DownloadRun::downloadArguments(item, false, QString("/b.pem"),
                                                                "/d/%(title).50s.%(ext)s");
        QCOMPARE(args.mid(0, 9), (QStringList{"--ignore-config", "--no-playlist", "--newline",
                                              "--progress", "--print", "after_move:filepath",
                                              "--no-simulate", "-o", "/d/%(title).50s.%(ext)s"}));
        QCOMPARE(args.mid(9, 5),
                 (QStringList{"--compat-options", "no-certifi", "-x", "--audio-format", "mp3"}));
        QCOMPARE(args.mid(args.size() - 2), (QStringList{"--", "-oevil"}));
    }

    void progressLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("progress");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reported");
        QTest::newRow("percent") << "[download]  42.5% of 10MiB at 1MiB/s\r" << 0.425
                                 << "[download]  42.5% of 10MiB at 1MiB/s"
                                 << "";
        QTest::newRow("whole") << "[download] 100% of 10MiB" << 1.0 << "[download] 100% of 10MiB"
                               << "";
        QTest::newRow("destination ignored") << "[download] Destination: /x.mp4" << 0.0 << ""
                                             << "";
        QTest::newRow("path") << "  /home/u/Videos/Clip.mp4 \n"
                              << 0.0 << ""
                              << "/home/u/Videos/Clip.mp4";
        QTest::newRow("blank") << "   " << 0.0 << ""
                               << "";
        QTest::newRow("other tool line") << "[Merger] Merging 50% things" << 0.0 << ""
                                         << "";
        QTest::newRow("no figure") << "[download] %" << 0.0 << "[download] %"
                                   << "";
    }

    void progressLines()
    {
        QFETCH(QString, line);
        QFETCH(double, progress);
        QFETCH(QString, message);
        QFETCH(QString, reported);
        DownloadItem item("https://example.org", DownloadFormat::Video);
        DownloadRun::handleProgressLine(line, item);
        QCOMPARE(item.progress(), progress);
        QCOMPARE(item.statusMessage(), message);
        QCOMPARE(item.reportedFilePath.value_or(QString()), reported);
    }

    void conversionProgress_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("duration");
        QTest::addColumn<double>("progress");
        QTest::addColumn<QString>("message");
        QTest::newRow("half") << "out_time_ms=5000000" << 10.0 << 0.5
                              << "Conversion QuickTime — 50%";
        QTest::newRow("99.9 shows 99") << "out_time_ms=9990000\n"
                                       << 10.0 << 0.999 << "Conversion QuickTime — 99%";
        QTest::newRow("capped") << "out_time_ms=12000000" << 10.0 << 1.0
                                << "Conversion QuickTime — 100%";
        QTest::newRow("unknown duration")
            << "out_time_ms=5000000" << 0.0 << 0.0 << "Conversion QuickTime — 0%";
        QTest::newRow("N/A ignored") << "out_time_ms=N/A" << 10.0 << -1.0 << "";
        QTest::newRow("other line ignored") << "frame=12" << 10.0 << -1.0 << "";
    }

    void conversionProgress()
    {
        QFETCH(QString, line);
        QFETCH(double, duration);
        QFETCH(double, progress);
        QFETCH(QString, message);
        DownloadItem item("https://example.org", DownloadFormat::Video);
        item.setProgress(-1);
        Conversion::handleConversionProgressLine(line, duration, item);
        QCOMPARE(item.progress(), progress);
        QCOMPARE(item.statusMessage(), message);
    }

    void durations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds");
        QTest::newRow("hours") << "  Duration: 01:02:03.50, start: 0.000000" << 3723.5;
        QTest::newRow("whole seconds") << "Duration: 00:00:10, start" << 10.0;
        QTest::newRow("N/A") << "Duration: N/A, bitrate: N/A" << 0.0;
        QTest::newRow("missing") << "no header" << 0.0;
    }

    void durations()
    {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        QCOMPARE(Conversion::parseDuration(text), seconds);
    }

    void outputNames_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("output");
        QTest::newRow("webm") << "/d/Clip.webm"
                              << "/d/Clip_qt.mp4";
        QTest::newRow("already converted") << "/d/Clip_qt.mp4"
                                           << "/d/Clip_qt_qt.mp4";
        QTest::newRow("blanks and accents") << "/d/Été à Noël.v1.mkv"
                                            << "/d/Été à Noël.v1_qt.mp4";
        QTest::newRow("no extension") << "/d/Clip"
                                      << "/d/Clip_qt.mp4";
    }

    void outputNames()
    {
        QFETCH(QString, source);
        QFETCH(QString, output);
        QCOMPARE(Conversion::outputPath(source), output);
    }

    void recognisers()
    {
        const QStringList lines{"WARNING: a", "ERROR: b", "yt-dlp: error: no such option: --x",
                                "[SSL: CERTIFICATE_VERIFY_FAILED] certificate verify failed",
                                "tail"};
        QVERIFY(YtDlpErrors::isUnknownOption(lines));
        QVERIFY(YtDlpErrors::isCertificateFailure(lines));
        QVERIFY(!YtDlpErrors::isYouTubeJavaScriptRuntime(lines));
        QVERIFY(!YtDlpErrors::isUnknownOption({"No Such Option"})); // case-sensitive
        QCOMPARE(YtDlpErrors::lastErrorLine(lines), std::optional<QString>("ERROR: b"));
        QCOMPARE(YtDlpErrors::lastErrorLine({"a", "b"}), std::optional<QString>("b"));
        QCOMPARE(YtDlpErrors::lastErrorLine({}), std::nullopt);
    }

    void latestFile()
    {
        const QString dir = TestHome::path() + "/latest";
        QDir().mkpath(dir);
        QCOMPARE(DownloadRun::findLatestFile(dir, "mp4"), std::nullopt);
        QCOMPARE(DownloadRun::findLatestFile(dir + "/missing", "mp4"), std::nullopt);
        for (const char *name : {"old.mp4", "other.mp3", ".hidden.MP4"}) {
            QFile f(dir + "/" + name);
            f.open(QIODevice::WriteOnly);
            QTest::qWait(20);
        }
        QCOMPARE(DownloadRun::findLatestFile(dir, "mp4"),
                 std::optional<QString>(dir + "/.hidden.MP4"));
        QCOMPARE(DownloadRun::findLatestFile(dir, "mp3"),
                 std::optional<QString>(dir + "/other.mp3"));
    }
};

REELIX_TEST_MAIN(TestEngineParsing)
#include "tst_engineparsing.moc"
