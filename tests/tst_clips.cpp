#include "fixtures/EngineHarness.h"

#include "engine/Clips.h"
#include "engine/MediaPresets.h"
#include "engine/SavedInfo.h"
#include "i18n/Localization.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>

using namespace Harness;

// Part of a video, with Debian's real yt-dlp, ffmpeg and ffprobe against
// media served from 127.0.0.1: time ranges (fetching only the pieces of a
// fragmented format they need), chapters, one file per chapter, and the
// segments a community database lists, from a stand-in of its API.
class TestClips : public EngineTest
{
    Q_OBJECT

    // A video id the database stand-in lists, and its segments.
    static constexpr const char *listedId = "abcdefghijk";

    // Seconds of a file's video stream (its chapter track may say otherwise).
    static double videoSeconds(const QString &path)
    {
        const QStringList lines = streams(path, "duration", "v:0");
        return lines.isEmpty() ? -1 : lines.first().toDouble();
    }

    static QStringList chapterTitles(const QString &path)
    {
        QProcess p;
        p.start("ffprobe",
                words("-v error -of csv=p=0 -show_entries chapter=start_time:chapter_tags=title")
                    << path);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    // Every file under the download folder, by its path inside it, sorted.
    QStringList files() const
    {
        QStringList found;
        QDirIterator it(folder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(folder()).relativeFilePath(it.next());
        found.sort();
        return found;
    }

    CliRun download(const QStringList &options, const QString &page)
    {
        return runCli(QStringList{"download", "--folder", folder()} + options +
                      QStringList{"--", m_server->httpUrl(page)});
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
        const QString www = m_server->root();
        // 30 s in 2 s pieces, keyframes every second: small, quick to make.
        QDir().mkpath(www + "/long");
        QVERIFY(makeMedia(30,
                          words("-s 160x90 -r 10 -g 10 -c:v libx264 -preset ultrafast -c:a aac "
                                "-hls_time 2 -hls_playlist_type vod -f hls"),
                          "long.m3u8", www + "/long"));
        QVERIFY(makeMedia(20, Codecs::h264 + words("-s 160x90 -r 10 -g 10"), www + "/parts.mp4"));
        // Where yt-dlp reads chapters on a page: schema.org parts.
        writeText(www + "/parts.html",
                  QString(R"(<html><head><title>Page</title><script type="application/ld+json">)"
                          R"({"@context":"https://schema.org","@type":"VideoObject",)"
                          R"("name":"Three/parts: one","contentUrl":"%1",)"
                          R"("encodingFormat":"video/mp4","duration":"PT20S","hasPart":[)"
                          R"({"@type":"Clip","name":"Intro","startOffset":0,"endOffset":5},)"
                          R"({"@type":"Clip","name":"Middle","startOffset":5,"endOffset":12},)"
                          R"({"@type":"Clip","name":"End","startOffset":12,"endOffset":20}]})"
                          "</script></head><body></body></html>")
                      .arg(m_server->httpUrl("parts.mp4")));
        writeText(www + "/segments.json",
                  R"({"abcdefghijk": [{"category": "sponsor", "segment": [4, 7]},)"
                  R"( {"category": "intro", "segment": [0, 2]},)"
                  R"( {"category": "outro", "segment": [15, 18]}]})");
    }

    void init() { resetEngine(); }

    void cleanup() { m_manager.reset(); }

    // What a user types in the time fields, and what it means.
    void timesAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds"); // -1: refused
        QTest::newRow("minutes") << "10:00" << 600.0;
        QTest::newRow("hours") << "1:02:03" << 3723.0;
        QTest::newRow("seconds") << "90" << 90.0;
        QTest::newRow("fraction") << "0:12.5" << 12.5;
        QTest::newRow("comma") << "0:12,5" << 12.5;
        QTest::newRow("blanks") << " 2:00 " << 120.0;
        QTest::newRow("too many seconds") << "1:75" << -1.0;
        QTest::newRow("too many minutes") << "1:60:00" << -1.0;
        QTest::newRow("words") << "ten" << -1.0;
        QTest::newRow("negative") << "-5" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
    }
    void timesAreRead()
    {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        const std::optional<double> read = Clips::parseTime(text);
        QCOMPARE(read.value_or(-1), seconds);
        if (read) // what the fields show reads back the same
            QCOMPARE(Clips::parseTime(Clips::timeText(*read)), read);
    }

    // A saved list from before clips existed loads with the whole video;
    // one with a clip keeps it.
    void savedChoicesKeepTheClip()
    {
        const ItemMedia old =
            ItemMedia::fromText(R"({"choices":{"container":"mkv"},"audioTracks":[]})");
        QCOMPARE(old.choices.container, Media::Container::Mkv);
        QVERIFY(old.choices.sections.isEmpty() && old.chapters.isEmpty());
        QCOMPARE(old.choices.sponsorAction, Media::SponsorAction::Keep);
        ItemMedia media;
        media.choices.sections = {"600-750.5"};
        media.choices.sectionChapters = "^Intro$";
        media.choices.preciseCuts = media.choices.splitChapters = true;
        media.choices.sponsorAction = Media::SponsorAction::Mark;
        media.choices.sponsorCategories = {"sponsor", "outro"};
        media.choices.sponsorApi = "http://127.0.0.1:1";
        media.chapters = {{"Intro", 0, 5}, {"Rest", 5, 20}};
        QCOMPARE(ItemMedia::fromText(media.toText()), media);
    }

    // The sponsor segment setting reaches new downloads whatever preset
    // they take, and is off until set.
    void sponsorSettingReachesNewDownloads()
    {
        QCOMPARE(add(m_server->httpUrl("parts.html"))->choices().sponsorAction,
                 Media::SponsorAction::Keep);
        Clips::setSponsorSetting({Media::SponsorAction::Mark, {"intro"}, "http://127.0.0.1:9"});
        const auto restore = qScopeGuard([] { Clips::setSponsorSetting({}); });
        for (const MediaChoices &choices : {add(m_server->httpUrl("parts.mp4"))->choices(),
                                            MediaPresets::find("podcast")->choices}) {
            QCOMPARE(choices.sponsorAction, Media::SponsorAction::Mark);
            QCOMPARE(choices.sponsorCategories, QStringList{"intro"});
            QCOMPARE(choices.sponsorApi, QString("http://127.0.0.1:9"));
        }
    }

    // Parts downloaded with reelix-cli: each clip a file named after the
    // title and its range, as long as asked for; a fragmented format fetches
    // only the pieces the range needs.
    void partsOfAVideo_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<double>>("seconds");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("range") << QStringList{"--section", "10-16"} << "long/long.m3u8"
                               << QStringList{"long (0.10–0.16).mp4"} << QList<double>{6} << 1.0;
        QTest::newRow("precise cuts")
            << QStringList{"--section", "10.5-13.2", "--precise-cuts"} << "long/long.m3u8"
            << QStringList{"long (0.10.5–0.13.2).mp4"} << QList<double>{2.7} << 0.1;
        QTest::newRow("two clips")
            << QStringList{"--section", "0:02-0:06", "--section", "20-25"} << "long/long.m3u8"
            << QStringList{"long (0.02–0.06).mp4", "long (0.20–0.25).mp4"} << QList<double>{4, 5}
            << 1.0;
        QTest::newRow("chapter") << QStringList{"--section-chapter", "^Middle$"} << "parts.html"
                                 << QStringList{"Three_parts_ one (Middle).mp4"} << QList<double>{7}
                                 << 1.0;
    }
    void partsOfAVideo()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, page);
        QFETCH(QStringList, names);
        QFETCH(QList<double>, seconds);
        QFETCH(double, tolerance);
        const qsizetype before = m_server->requests().size();
        const CliRun run = download(options, page);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(files(), names);
        for (qsizetype i = 0; i < names.size(); ++i) {
            const double length = videoSeconds(folder() + "/" + names.at(i));
            QVERIFY2(qAbs(length - seconds.at(i)) <= tolerance,
                     qPrintable(QString::number(length)));
        }
        if (!page.endsWith(".m3u8"))
            return;
        // Of 15 pieces: the first (yt-dlp's look at the stream) and those
        // the ranges cover, with a piece on either side at most.
        QSet<QString> fetched;
        for (const MediaServer::Request &request : m_server->requests().mid(before))
            if (request.path.endsWith(".ts"))
                fetched << request.path;
        QVERIFY2(fetched.size() <= 2 + 5 * names.size(), qPrintable(fetched.values().join(' ')));
        QVERIFY(!fetched.contains("/long/long14.ts"));
    }

    // A time range that ends before it starts, or a pattern that is none,
    // is refused before anything runs.
    void badPartsAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("backwards") << QStringList{"--section", "20-10"} << "--section takes";
        QTest::newRow("no range") << QStringList{"--section", "10"} << "--section takes";
        QTest::newRow("pattern") << QStringList{"--section-chapter", "(Intro"}
                                 << "--section-chapter takes";
        QTest::newRow("category") << QStringList{"--sponsorblock", "remove:ads"}
                                  << "--sponsorblock categories";
        QTest::newRow("action") << QStringList{"--sponsorblock", "skip"} << "--sponsorblock takes";
    }
    void badPartsAreRefused()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        const CliRun run = download(options, "parts.html");
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(files().isEmpty());
    }

    // One file per chapter, numbered in the chapters' order, in a folder
    // named after the video (a name the file system takes).
    void chaptersSplitIntoAFolder()
    {
        const CliRun run = download({"--split-chapters"}, "parts.html");
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QString dir = "Three_parts_ one/";
        QCOMPARE(files(), (QStringList{dir + "01 - Intro.mp4", dir + "02 - Middle.mp4",
                                       dir + "03 - End.mp4"}));
        const QList<double> lengths{5, 7, 8};
        for (qsizetype i = 0; i < lengths.size(); ++i) {
            const double length = videoSeconds(folder() + "/" + files().at(i));
            QVERIFY2(qAbs(length - lengths.at(i)) <= 1, qPrintable(QString::number(length)));
        }
    }

    // The segments the database lists for the video, of the chosen
    // categories, cut out or marked as chapters.
    void sponsorSegments_data()
    {
        QTest::addColumn<Media::SponsorAction>("action");
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QStringList>("marks"); // chapter "start,title" lines
        QTest::newRow("remove") << Media::SponsorAction::Remove << QStringList{"sponsor", "outro"}
                                << 14.0 << QStringList{};
        QTest::newRow("remove one category")
            << Media::SponsorAction::Remove << QStringList{"sponsor"} << 17.0 << QStringList{};
        QTest::newRow("mark") << Media::SponsorAction::Mark << QStringList{"sponsor", "outro"}
                              << 20.0
                              << QStringList{"4.000000,[SponsorBlock]: Sponsor",
                                             "15.000000,[SponsorBlock]: Endcards/Credits"};
        QTest::newRow("off") << Media::SponsorAction::Keep << QStringList{"sponsor"} << 20.0
                             << QStringList{};
    }
    void sponsorSegments()
    {
        QFETCH(Media::SponsorAction, action);
        QFETCH(QStringList, categories);
        QFETCH(double, seconds);
        QFETCH(QStringList, marks);
        DownloadItem *item = readyItem(m_server->httpUrl("parts.html"));
        QVERIFY(item);
        // The database covers one site's videos: the saved information says
        // it is one of them, while its media stay on 127.0.0.1.
        const QString saved = item->savedInfo().usablePath();
        QJsonObject info = QJsonDocument::fromJson(readText(saved).toUtf8()).object();
        info["extractor_key"] = "Youtube";
        info["extractor"] = "youtube";
        info["id"] = listedId;
        QVERIFY(SavedInfo::write(saved, QJsonDocument(info).toJson()));
        MediaChoices choices = item->choices();
        choices.sponsorAction = action;
        choices.sponsorCategories = categories;
        choices.sponsorApi = m_server->httpUrl("").chopped(1);
        item->setChoices(choices);
        QVERIFY(finish(item));
        QCOMPARE(item->status(), DownloadStatus::Done);
        const double length = videoSeconds(*item->filePath());
        QVERIFY2(qAbs(length - seconds) <= 0.5, qPrintable(QString::number(length)));
        const QStringList chapters = chapterTitles(*item->filePath());
        for (const QString &mark : marks)
            QVERIFY2(chapters.contains(mark), qPrintable(chapters.join(" / ")));
        QCOMPARE(chapters.filter("[SponsorBlock]").size(), marks.size());
    }
};

REELIX_TEST_MAIN(TestClips)
#include "tst_clips.moc"
