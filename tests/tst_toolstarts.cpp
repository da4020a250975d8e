#include "fixtures/DubbedMedia.h"
#include "fixtures/EngineHarness.h"

#include "engine/AutoStart.h"
#include "i18n/Localization.h"
#include "platform/ToolPaths.h"

using namespace Harness;

namespace {

// How an address goes to its file.
enum class Path
{
    Cli,         // reelix-cli download ADDRESS
    AutoStart,   // added in the window, which starts it by itself
    DownloadAll, // a list's "Download all" in the window
    UserPicks    // the window without the automatic start: the user picks a format
};

} // namespace

Q_DECLARE_METATYPE(Path)

namespace {

// Case name, path, address, yt-dlp starts, files made.
const std::tuple<const char *, Path, const char *, int, int> startCases[] = {
    {"command line", Path::Cli, "dash/manifest.mpd", 1, 1},
    {"command line, list of three", Path::Cli, "list/feed.xml", 4, 3},
    // Stopped at its first entry, then listed by the information run.
    {"command line, page of three videos", Path::Cli, "list/page.html", 5, 3},
    {"automatic start", Path::AutoStart, "hls/master.m3u8", 1, 1},
    {"automatic start, audio", Path::AutoStart, "vp9.webm", 1, 1},
    {"download all of three", Path::DownloadAll, "list/feed.xml", 4, 3},
    {"the user picks a format", Path::UserPicks, "dash/manifest.mpd", 2, 1},
};

QStringList mediaFiles(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, {"*.mp4", "*.mp3", "*.mkv"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

// How many times yt-dlp starts for a download: once where nothing waits for
// the user's choice, the information and the file from the same run. A
// wrapper in the tool folder logs each start of the real yt-dlp.
class TestToolStarts : public EngineTest
{
    Q_OBJECT

    QString m_starts;

    QStringList starts() const { return readText(m_starts).split('\n', Qt::SkipEmptyParts); }

    bool allSettled() const
    {
        const QList<DownloadItem *> all = m_manager->allItems();
        return std::all_of(all.cbegin(), all.cend(), [](const DownloadItem *item) {
            return item->isGroupHeader() ? !item->group()->running() : isSettled(item);
        });
    }

    void runWindow(Path path, const QString &url, DownloadFormat format)
    {
        m_manager->useSettings({.folder = folder(), .autoStart = path != Path::UserPicks});
        DownloadItem *item = add(url, format);
        QTRY_VERIFY_WITH_TIMEOUT(isSettled(item), 60000);
        if (path == Path::DownloadAll) {
            QVERIFY(item->isGroupHeader());
            m_manager->downloadAll(item);
        } else if (path == Path::UserPicks) {
            QCOMPARE(item->status(), DownloadStatus::Ready);
            item->setSelectedFormatID(item->formats().last().id);
            m_manager->start(item);
        }
        QTRY_VERIFY_WITH_TIMEOUT(allSettled(), 120000);
        if (!item->isGroupHeader()) {
            QCOMPARE(item->status(), DownloadStatus::Done);
            // The row shows the page's information, and the choice it ran with.
            QVERIFY(!item->title().isEmpty() && item->title() != url);
            QCOMPARE(item->formats().isEmpty(), format == DownloadFormat::Audio);
            QCOMPARE(item->selectedFormatID().isEmpty(), format == DownloadFormat::Audio);
        }
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        // The wrapper that counts starts writes its log in the test's home,
        // which the tools' sandbox keeps them from.
        qputenv("REELIX_SANDBOX", "off");
        startServer();
        QString error;
        QVERIFY2(DubbedMedia::make(m_server->root(), &error), qPrintable(error));
    }

    void init()
    {
        resetEngine();
        AutoStart::setEnabled(true);
        AutoStart::setChoice(AutoStart::Choice::Max1080);
        m_starts = TestHome::path() + "/starts.log";
        QFile::remove(m_starts);
        writeScript(ToolPaths::binDirectory() + "/yt-dlp",
                    "printf '%s\\n' \"$*\" >> '" + m_starts + "'\nexec /usr/bin/yt-dlp \"$@\"\n");
    }

    void cleanup()
    {
        m_manager.reset();
        waitForChildrenToEnd();
    }

    void startsPerDownload_data()
    {
        QTest::addColumn<Path>("path");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("files");
        for (const auto &[name, path, address, expected, files] : startCases)
            QTest::newRow(name) << path << QString(address) << expected << files;
    }

    void startsPerDownload()
    {
        QFETCH(Path, path);
        QFETCH(QString, address);
        QFETCH(int, expected);
        QFETCH(int, files);
        const QString url = m_server->httpUrl(address);
        const DownloadFormat format =
            address.endsWith(".webm") ? DownloadFormat::Audio : DownloadFormat::Video;
        if (path == Path::Cli) {
            const CliRun r = runCli({"download", "--folder", folder(), "--json", url});
            QCOMPARE(r.exitCode, 0);
        } else {
            runWindow(path, url, format);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(starts().size(), expected);
        QCOMPARE(mediaFiles(folder()).size(), files);
    }

    // A run stopped after the page's information arrived resumes from it:
    // the page is not visited again, and the part already fetched is kept.
    void stoppedRunResumesFromItsInformation()
    {
        m_manager->useSettings({.folder = folder(), .autoStart = true});
        DownloadItem *item = add(m_server->slowUrl("h264.mp4"));
        QTRY_VERIFY_WITH_TIMEOUT(item->progress() > 0 && hasPartialFile(folder()), 60000);
        QVERIFY(!item->title().isEmpty());
        item->cancelRun();
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Cancelled, 20000);
        m_manager->start(item);
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Done, 120000);
        const QStringList runs = starts();
        QCOMPARE(runs.size(), 2);
        QVERIFY(!runs.first().contains("--load-info-json"));
        QVERIFY(runs.last().contains("--load-info-json"));
        QVERIFY(QFileInfo(*item->filePath()).size() > 0);
    }

    // Dubbed tracks that only the page's manifest tells apart: the one run
    // stops once it knows, and the information run finds the original. The
    // user's explicit language needs no such stop.
    void dubbedPageKeepsTheOriginal_data()
    {
        QTest::addColumn<QStringList>("choice");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("language");
        QTest::newRow("the original") << QStringList{} << 3 << "eng";
        QTest::newRow("a dub asked for") << QStringList{"--audio-lang", "de"} << 1 << "ger";
        QTest::newRow("every track, a dub first")
            << QStringList{"--container", "mkv", "--audio-multistreams", "--audio-lang", "de"} << 3
            << "ger eng fre";
    }

    void dubbedPageKeepsTheOriginal()
    {
        QFETCH(QStringList, choice);
        QFETCH(int, expected);
        QFETCH(QString, language);
        const CliRun r = runCli(QStringList{"download", "--folder", folder()} + choice +
                                QStringList{m_server->httpUrl(DubbedMedia::dash)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(starts().size(), expected);
        const QStringList files = mediaFiles(folder());
        QCOMPARE(files.size(), 1);
        // Each track of the page has its own sample rate.
        QStringList expectedStreams;
        for (const QString &tag : language.split(' '))
            expectedStreams << QString::number(DubbedMedia::sampleRate(tag)) + "|" + tag;
        QStringList found = streams(files.first(), "sample_rate:stream_tags=language", "a");
        // The chosen track first; the others in the order the page gives them.
        QVERIFY(!found.isEmpty());
        QCOMPARE(found.first(), expectedStreams.first());
        found.sort();
        expectedStreams.sort();
        QCOMPARE(found, expectedStreams);
    }
};

REELIX_TEST_MAIN(TestToolStarts)
#include "tst_toolstarts.moc"
