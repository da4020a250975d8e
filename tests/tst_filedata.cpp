#include "fixtures/EngineHarness.h"

#include "engine/FileDataArguments.h"
#include "engine/Probe.h"
#include "engine/SubtitleTracks.h"
#include "engine/VideoInfo.h"
#include "i18n/Localization.h"

#include <QScopeGuard>

using namespace Harness;

// What goes into a file beside picture and sound, with Debian's real yt-dlp,
// ffmpeg and ffprobe against pages served from 127.0.0.1: subtitles (inside
// the file or beside it, and a site refusing some), and the video's own data
// (tags, cover, chapters).
class TestFileData : public EngineTest
{
    Q_OBJECT

    // ffprobe's tags of the file as "key=value" lines.
    static QStringList formatTags(const QString &path)
    {
        QProcess p;
        p.start("ffprobe",
                words("-v error -of default=nw=1 -show_entries format_tags=title,artist,date,"
                      "description")
                    << path);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    static int chapterCount(const QString &path)
    {
        QProcess p;
        p.start("ffprobe", words("-v error -of csv=p=0 -show_entries chapter=id") << path);
        p.waitForFinished(30000);
        return int(
            QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size());
    }

    void refuse(const QStringList &paths)
    {
        QJsonObject status;
        for (const QString &path : paths)
            status.insert(path, 429);
        writeText(m_server->root() + "/routes.json",
                  QJsonDocument(QJsonObject{{"status", status}}).toJson());
    }

    // The item for `page`, with these choices, run to its end.
    DownloadItem *finished(const QString &page, DownloadFormat format, const MediaChoices &choices)
    {
        DownloadItem *item = readyItem(m_server->httpUrl(page), format);
        if (!item)
            return nullptr;
        item->setChoices(choices);
        return finish(item) ? item : nullptr;
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
    }

    void init() { resetEngine(); }

    void cleanup()
    {
        m_manager.reset();
        QFile::remove(m_server->root() + "/routes.json");
    }

    // The information run's subtitle lists → "key:name:a(utomatic)t(ranslated)".
    void subtitleTracks_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("tracks");
        // JSON written with ' for ".
        const auto json = [](QString text) { return text.replace('\'', '"').toUtf8(); };
        QTest::newRow("none") << json("{}") << "";
        QTest::newRow("uploaded first, live chat left out")
            << json("{'automatic_captions':{'de':[{'url':'https://s/a'}]},"
                    "'subtitles':{'live_chat':[{'url':'https://s/c'}],"
                    "'en':[{'url':'https://s/e','name':'English'}]}}")
            << "en:English: de::a";
        // yt-dlp's YouTube lists: the spoken language twice (once "-orig"),
        // every other language a translation the site makes of it.
        QTest::newRow("original and translations")
            << json("{'automatic_captions':{'en':[{'url':'https://s/t?lang=en'}],"
                    "'en-orig':[{'url':'https://s/t?lang=en','name':'English (Original)'}],"
                    "'fr':[{'url':'https://s/t?lang=en&tlang=fr','name':'French'}],"
                    "'fr-en':[{'url':'https://s/t?lang=en&tlang=fr'}]}}")
            << "en-orig:English (Original):a fr:French:at fr-en::at";
        QTest::newRow("translation told by its address")
            << json("{'automatic_captions':{'en':[{'url':'https://s/t'}],"
                    "'es':[{'url':'https://s/t?tlang=es'}]}}")
            << "en::a es::at";
        QTest::newRow("hostile keys and names")
            << json("{'subtitles':{'':[{'url':'u'}],'x\\u202e':[{'url':'u'}],'no':[],"
                    "'ok':[{'url':'u','name':'Evil\\u202e\\n name   here'}],"
                    "'long':[{'url':'u','name':'" +
                    QString(200, 'n') + "'}]}}")
            << "long:" + QString(80, 'n') + ": ok:Evil name here:";
    }

    void subtitleTracks()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, tracks);
        const auto parsed = parseVideoInfo(json);
        QVERIFY(parsed);
        QStringList shown;
        for (const SubtitleTrack &t : parsed->subtitles)
            shown << t.language + ":" + t.name + ":" + (t.automatic ? "a" : "") +
                         (t.translated ? "t" : "");
        QCOMPARE(shown.join(' '), tracks);
    }

    void refusedSubtitles()
    {
        const QStringList lines{
            "WARNING: Unable to download video subtitles for 'fr': HTTP Error 429: Too Many",
            "ERROR: Unable to download video subtitles for \"it's\": HTTP Error 403",
            "WARNING: Unable to download video subtitles for 'fr': again",
            "WARNING: Skipping embedding de subtitle because the file is missing"};
        QCOMPARE(SubtitleTracks::refusedLanguages(lines), (QStringList{"fr", "it's"}));
    }

    // Choices → the download run's options for subtitles and the video's data.
    void fileDataArguments_data()
    {
        QTest::addColumn<QString>("languages");
        QTest::addColumn<bool>("embed");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QString>("arguments");
        const QString ignore = " --ignore-errors";
        QTest::newRow("none") << "" << true << false << "";
        QTest::newRow("uploaded, beside")
            << "en" << false << false << "--write-subs --sub-langs en --convert-subs srt" + ignore;
        QTest::newRow("automatic, inside")
            << "fr-orig" << true << false
            << "--write-auto-subs --sub-langs fr\\-orig --embed-subs" + ignore;
        QTest::newRow("not listed: asked as both, read literally")
            << "zh.* all a,b en" << true << false
            << "--write-subs --write-auto-subs --sub-langs zh\\.\\*,al[l],en --embed-subs" + ignore;
        QTest::newRow("audio keeps them beside")
            << "en" << true << true << "--write-subs --sub-langs en --convert-subs srt" + ignore;
    }

    void fileDataArguments()
    {
        QFETCH(QString, languages);
        QFETCH(bool, embed);
        QFETCH(bool, audio);
        QFETCH(QString, arguments);
        MediaChoices choices;
        choices.subtitleLanguages = words(languages);
        choices.embedSubtitles = embed;
        const QList<SubtitleTrack> offered{{"en", "", false, false}, {"fr-orig", "", true, false}};
        QCOMPARE(FileDataArguments::subtitleArguments(
                     choices, offered, audio ? DownloadFormat::Audio : DownloadFormat::Video)
                     .join(' '),
                 arguments);
    }

    // The cover goes wherever yt-dlp can put one; asked elsewhere it fails the run.
    void coverWhereItFits()
    {
        MediaChoices choices;
        const auto cover = [&](DownloadFormat format) {
            return FileDataArguments::metadataArguments(choices, format)
                .contains("--embed-thumbnail");
        };
        QVERIFY(cover(DownloadFormat::Video) && cover(DownloadFormat::Audio));
        choices.container = Media::Container::Webm;
        choices.audioCodec = Media::AudioCodec::Wav;
        QVERIFY(!cover(DownloadFormat::Video) && !cover(DownloadFormat::Audio));
        choices.embedMetadata = false;
        QVERIFY(FileDataArguments::metadataArguments(choices, DownloadFormat::Video).isEmpty());
    }

    // A cover listed before the picture is not taken for it.
    void probeSkipsTheCover()
    {
        const auto facts = streamFactsFromJson(
            R"({"streams":[{"codec_type":"video","codec_name":"mjpeg","disposition":{"attached_pic":1}},)"
            R"({"codec_type":"video","codec_name":"h264","height":360},{"codec_type":"audio","codec_name":"aac"}]})");
        QVERIFY(facts);
        QCOMPARE(facts->videoCodec + "/" + QString::number(facts->videoHeight), "h264/360");
        const StreamFacts text = streamFactsFromFfmpegText(
            "  Stream #0:0: Video: png, rgb24(pc), 320x180 (attached pic)\n"
            "  Stream #0:1: Video: h264 (avc1 / 0x31637661), yuv420p, 640x360\n");
        QCOMPARE(text.videoCodec, "h264");
    }

    void subtitles_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("embed");
        QTest::addColumn<QString>("refused"); // addresses that answer 429
        QTest::addColumn<QString>("files");   // the download folder afterwards
        QTest::addColumn<QString>("inside");  // subtitle streams: codec|language
        QTest::addColumn<QString>("missing");
        const QString mp4 = "Subtitled clip (1).mp4";
        const QString srt = "Subtitled clip (1).%1.srt";
        QTest::newRow("beside as SRT")
            << "subtitled.html" << false << false << ""
            << QStringList{mp4, srt.arg("en"), srt.arg("fr")}.join('/') << ""
            << "";
        QTest::newRow("inside the MP4")
            << "subtitled.html" << false << true << "" << mp4 << "mov_text|eng mov_text|fre"
            << "";
        QTest::newRow("inside the MKV, as they come") << "subtitled.html" << false << true << ""
                                                      << "Subtitled clip (1).mkv"
                                                      << "webvtt|eng webvtt|fre"
                                                      << "";
        QTest::newRow("HEVC retagged keeps them")
            << "subtitled-hevc.html" << false << true << "" << mp4 << "mov_text|eng mov_text|fre"
            << "";
        QTest::newRow("one refused, beside") << "subtitled.html" << false << false << "/fr.vtt"
                                             << QStringList{mp4, srt.arg("en")}.join('/') << ""
                                             << "fr";
        QTest::newRow("one refused, inside")
            << "subtitled.html" << false << true << "/fr.vtt" << mp4 << "mov_text|eng"
            << "fr";
        QTest::newRow("all refused")
            << "subtitled.html" << false << true << "/en.vtt /fr.vtt" << mp4 << ""
            << "en fr";
        QTest::newRow("audio keeps them beside")
            << "subtitled.html" << true << true << ""
            << QStringList{"Subtitled clip (1).mp3", srt.arg("en"), srt.arg("fr")}.join('/') << ""
            << "";
    }

    void subtitles()
    {
        QFETCH(QString, page);
        QFETCH(bool, audio);
        QFETCH(bool, embed);
        QFETCH(QString, refused);
        QFETCH(QString, files);
        QFETCH(QString, inside);
        QFETCH(QString, missing);
        refuse(words(refused));
        MediaChoices choices;
        choices.subtitleLanguages = {"en", "fr"};
        choices.embedSubtitles = embed;
        if (files.endsWith(".mkv"))
            choices.container = Media::Container::Mkv;
        DownloadItem *item =
            finished(page, audio ? DownloadFormat::Audio : DownloadFormat::Video, choices);
        QVERIFY(item);
        QCOMPARE(item->status(), DownloadStatus::Done);
        QStringList expected = files.split('/');
        expected.sort();
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        QCOMPARE(streams(*item->filePath(), "codec_name:stream_tags=language", "s").join(' '),
                 inside);
        QCOMPARE(item->missingSubtitles(), words(missing));
        // The saved list keeps the note.
        QCOMPARE(ItemMedia::fromText(item->media().toText()).missingSubtitles, words(missing));
        if (!audio) { // still plays everywhere: the cover and the text tracks are no obstacle
            QVERIFY(!item->file().needsConversion);
            QCOMPARE(item->file().codecInfo,
                     page.contains("hevc") ? QString("HEVC + AAC") : QString("H.264 + AAC"));
            if (item->filePath()->endsWith(".mp4"))
                QCOMPARE(videoStream(*item->filePath(), "codec_tag_string"),
                         page.contains("hevc") ? QString("hvc1") : QString("avc1"));
        }
        if (!embed && !audio)
            QVERIFY(readText(folder() + "/Subtitled clip (1).en.srt").contains("Hello there"));
    }

    // Each kind of file carries the page's title, uploader, date and
    // description, its thumbnail as cover art and its chapters; with the
    // setting off, none of them.
    void videoData_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("embed");
        QTest::addColumn<QString>("cover"); // the attached picture: codec|attached_pic
        QTest::newRow("MP4") << false << true << "mjpeg|1";
        QTest::newRow("MP3") << true << true << "mjpeg|1";
        QTest::newRow("MP4, setting off") << false << false << "";
        QTest::newRow("MP3, setting off") << true << false << "";
    }

    void videoData()
    {
        QFETCH(bool, audio);
        QFETCH(bool, embed);
        QFETCH(QString, cover);
        MediaChoices choices;
        choices.embedMetadata = embed;
        DownloadItem *item = finished(
            "described.html", audio ? DownloadFormat::Audio : DownloadFormat::Video, choices);
        QVERIFY(item);
        QCOMPARE(item->status(), DownloadStatus::Done);
        const QString path = *item->filePath();
        QCOMPARE(QFileInfo(path).fileName(), audio ? "Described clip.mp3" : "Described clip.mp4");
        const QStringList tags = formatTags(path);
        // ID3v2.3 (what yt-dlp writes beside a cover) keeps the year alone.
        const QStringList wanted{"TAG:title=Described clip", "TAG:artist=Ada Uploader",
                                 audio ? "TAG:date=2024" : "TAG:date=20240517",
                                 "TAG:description=Two parts, one tone"};
        for (const QString &t : wanted)
            QVERIFY2(tags.contains(t, Qt::CaseInsensitive) == embed, qPrintable(tags.join(", ")));
        QCOMPARE(chapterCount(path), embed ? 2 : 0);
        const QStringList pictures =
            streams(path, "codec_name:stream_disposition=attached_pic", "v")
                .filter(QRegularExpression("\\|1$"));
        QCOMPARE(pictures.join(' '), cover);
        if (audio && embed) // an ID3 picture players show as the front cover
            QCOMPARE(streams(path, "codec_name:stream_tags=comment", "v"),
                     QStringList{"mjpeg|Cover (front)"});
        if (!audio) {
            QCOMPARE(item->file().codecInfo, QString("H.264 + AAC"));
            QVERIFY(!item->file().needsConversion);
        }
    }
};

REELIX_TEST_MAIN(TestFileData)
#include "tst_filedata.moc"
