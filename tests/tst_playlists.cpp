#include "fixtures/EngineHarness.h"

#include "engine/AutoStart.h"
#include "engine/Playlist.h"
#include "i18n/Localization.h"
#include "platform/UserDefaults.h"

#include <QAbstractItemModelTester>

#include <unistd.h>

using namespace Harness;

namespace {

const QString kTitle = QStringLiteral("Road trip / summer");
const QString kFolder = QStringLiteral("Road trip _ summer");

// Case name, list path, the entries that answer 404, the entries that end as files.
const std::tuple<const char *, const char *, const char *, const char *> listCases[] = {
    {"feed of three", "list/feed.xml", "", "1 2 3"},
    {"page of three videos", "list/page.html", "", "1 2 3"},
    {"feed with a missing entry", "list/feed.xml", "2", "1 3"},
    {"page with a missing entry", "list/page.html", "2", "1 3"},
};

// Case name, the list's quality cap, the height of the file, whether it says it fell back.
const std::tuple<const char *, int, int, bool> capCases[] = {
    {"best", 0, 360, false},
    {"highest under the cap", 240, 180, false},
    {"nothing under the cap", 100, 180, true},
};

// Case name, --playlist-items text, list size, entries picked (empty: malformed).
const std::tuple<const char *, const char *, int, QList<int>> itemCases[] = {
    {"slices, numbers, from the end", "1:3,7,-5::2", 15, {1, 2, 3, 7, 11, 13, 15}},
    {"dash range and repeats", "2-4,3", 5, {2, 3, 4}},
    {"past the end", "4-9", 5, {4, 5}},
    {"reversed", "::-2", 5, {5, 3, 1}},
    {"malformed", "1-x", 5, {}},
    {"up to the largest index", "1-2147483647", 3, {1, 2, 3}},
    {"slice to the largest index", "1:2147483647", 3, {1, 2, 3}},
    {"step from far before the start", "-2147483648::2147483647", 5, {5}},
    {"largest step from the start", "::2147483647", 5, {1}},
    {"from far before the start", "-2147483648:2", 3, {1, 2}},
    {"beyond any index", "999999999999", 5, {}},
};

QStringList mediaFiles(const QString &folder)
{
    return QDir(folder).entryList({"*.mp4", "*.mp3"}, QDir::Files, QDir::Name);
}

} // namespace

// Addresses that list several videos: the header and its entries, their
// files in the list's folder, one entry failing alone, the archive, the CLI.
class TestPlaylists : public EngineTest
{
    Q_OBJECT

    QString listUrl(const QString &path, const QString &query = {})
    {
        return m_server->httpUrl(path) + "?title=Road%20trip%20/%20summer" + query;
    }
    DownloadItem *listed(const QString &url)
    {
        DownloadItem *header = add(url);
        const bool settled = QTest::qWaitFor([&] { return isSettled(header); }, 60000);
        return settled && header->isGroupHeader() ? header : nullptr;
    }
    bool downloadAll(DownloadItem *header)
    {
        m_manager->downloadAll(header);
        const auto ended = [](DownloadItem *e) {
            return e->status() == DownloadStatus::Done || e->status() == DownloadStatus::Error;
        };
        return QTest::qWaitFor(
            [&] {
                return !header->group()->running() &&
                       std::ranges::all_of(header->group()->entries(), ended);
            },
            120000);
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
    }
    void init() { resetEngine(); }
    void cleanup() { m_manager.reset(); }

    void listEndsAsNumberedFiles_data() { addCases(listCases); }
    void listEndsAsNumberedFiles()
    {
        const auto &[name, path, missing, numbers] = caseOf(listCases);
        // A feed's entries keep their titles; a page's are named after the list.
        QStringList files;
        for (const QString &n : words(numbers))
            files << QString(QString(path).endsWith("feed.xml")
                                 ? "0%1 - Clip %1.mp4"
                                 : "0%1 - Road trip _ summer (%1).mp4")
                         .arg(n);
        QAbstractItemModelTester tester(m_manager.get());
        DownloadItem *header = listed(listUrl(path, QStringLiteral("&missing=") + missing));
        QVERIFY(header);
        QCOMPARE(header->title(), kTitle);
        QCOMPARE(m_manager->rowCount(), 4);
        QCOMPARE(m_manager->itemAt(1)->playlistIndex(), 1);
        QVERIFY(downloadAll(header));
        QCOMPARE(mediaFiles(folder() + "/" + kFolder), files);
        const int failed = 3 - int(files.size());
        // The list counts its entries a moment after they change.
        QTRY_COMPARE(header->group()->done(), int(files.size()));
        QTRY_COMPARE(header->group()->failed(), failed);
        QCOMPARE(header->group()->remaining(), 0);
        if (failed)
            QVERIFY(m_manager->itemAt(2)->errorDetail().contains("404"));
        m_manager->setGroupExpanded(header, false);
        QCOMPARE(m_manager->rowCount(), 1);
        QCOMPARE(m_manager->allItems().size(), 4);
        m_manager->setGroupExpanded(header, true);
        QCOMPARE(m_manager->itemAt(3)->playlistIndex(), 3);
    }

    // The list's audio format or container, chosen after it was listed,
    // reaches every entry.
    void entriesTakeTheListsFile_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QString>("extension");
        QTest::newRow("audio as Opus") << true << "opus";
        QTest::newRow("video as MKV") << false << "mkv";
    }
    void entriesTakeTheListsFile()
    {
        QFETCH(bool, audio);
        QFETCH(QString, extension);
        DownloadItem *header = listed(listUrl("list/feed.xml", "&n=2&media=vp9.webm"));
        QVERIFY(header);
        MediaChoices choices;
        choices.audioCodec = Media::AudioCodec::Opus;
        choices.container = Media::Container::Mkv;
        header->setChoices(choices);
        header->group()->setFormat(audio ? DownloadFormat::Audio : DownloadFormat::Video);
        QVERIFY(downloadAll(header));
        QCOMPARE(QDir(folder() + "/" + kFolder).entryList(QDir::Files, QDir::Name),
                 (QStringList{"01 - Clip 1." + extension, "02 - Clip 2." + extension}));
    }

    void qualityCapPerEntry_data() { addCases(capCases); }
    void qualityCapPerEntry()
    {
        const auto &[name, cap, height, fellBack] = caseOf(capCases);
        DownloadItem *header = listed(listUrl("list/feed.xml", "&n=1&media=dash/manifest.mpd"));
        QVERIFY(header);
        header->group()->setQualityCap(cap);
        QVERIFY(downloadAll(header));
        DownloadItem *entry = header->group()->entries().first();
        QCOMPARE(entry->status(), DownloadStatus::Done);
        QCOMPARE(videoStream(*entry->filePath(), "height").toInt(), height);
        QCOMPARE(entry->statusMessage().contains("Nothing at"), fellBack);
    }

    void archiveSkipsWhatTheFolderHas_data() { addTags({"archive on", "archive off"}); }
    void archiveSkipsWhatTheFolderHas()
    {
        QFETCH(QString, tag);
        const bool on = tag == "archive on";
        const QString url = listUrl("list/feed.xml", "&n=2");
        QVERIFY(downloadAll(listed(url)));
        m_manager = std::make_unique<DownloadManager>();
        m_manager->useSettings({.folder = TestHome::path() + "/Downloads", .archive = on});
        DownloadItem *again = listed(url);
        QVERIFY(again);
        QCOMPARE(again->group()->skipDownloaded(), on);
        QVERIFY(downloadAll(again));
        QCOMPARE(mediaFiles(folder() + "/" + kFolder).size(), on ? 2 : 4);
        QCOMPARE(again->group()->entries().first()->statusMessage().contains("skipped"), on);
    }

    // The archive is the list folder's own plain file: never written through
    // a link or a second name of another file, and no id adds lines to it.
    void archiveIsAPlainFileOfItsOwn_data()
    {
        addTags({"link", "hard link", "folder", "id with a line break"});
    }
    void archiveIsAPlainFileOfItsOwn()
    {
        const QString list = folder() + "/" + kFolder;
        const QString archive = list + "/.reelix-archive";
        const QString target = TestHome::path() + "/bashrc";
        writeText(target, "kept\n");
        QVERIFY(QDir().mkpath(list));
        if (tag() == "link")
            QVERIFY(QFile::link(target, archive));
        else if (tag() == "hard link")
            QCOMPARE(::link(QFile::encodeName(target).constData(),
                            QFile::encodeName(archive).constData()),
                     0);
        else if (tag() == "folder")
            QVERIFY(QDir().mkpath(archive));
        const QString guid = tag() == "id with a line break" ? "clip-1\ngeneric clip-2" : "clip-1";
        DownloadItem *header = listed(listUrl(
            "list/feed.xml", "&n=2&guid=" + QString::fromLatin1(QUrl::toPercentEncoding(guid))));
        QVERIFY(header);
        if (tag() != "id with a line break") {
            // An entry whose details are known, started on its own row.
            DownloadItem *first = header->group()->entries().first();
            m_manager->fetchDetails(first);
            QTRY_VERIFY_WITH_TIMEOUT(
                !first->isRunning() && !first->savedInfo().usablePath().isEmpty(), 60000);
            m_manager->start(first);
            QCOMPARE(first->status(), DownloadStatus::Error);
        }
        QVERIFY(downloadAll(header));
        QCOMPARE(readText(target), QString("kept\n"));
        if (tag() == "id with a line break") {
            QCOMPARE(mediaFiles(list).size(), 2);
            QCOMPARE(readText(archive).count('\n'), 2); // a line per entry
            return;
        }
        QVERIFY(mediaFiles(list).isEmpty());
        QCOMPARE(header->group()->entries().size(), 2);
        for (const DownloadItem *entry : header->group()->entries()) {
            QCOMPARE(entry->status(), DownloadStatus::Error);
            QVERIFY2(entry->errorMessage().contains(archive), qPrintable(entry->errorMessage()));
        }
    }

    // Downloads that start by themselves start the entries, never the list's
    // own address.
    void autoStartLeavesTheListAddressAlone()
    {
        UserDefaults::setValue("autoStart", true);
        m_manager->useSettings({.folder = TestHome::path() + "/Downloads", .autoStart = true});
        DownloadItem *header = listed(listUrl("list/feed.xml", "&n=1"));
        UserDefaults::remove("autoStart");
        QVERIFY(header);
        m_manager->start(header);
        QCOMPARE(header->status(), DownloadStatus::Ready);
        QVERIFY(!header->isRunning());
    }

    void cliListsAndPicksEntries()
    {
        const CliRun info = runCli({"info", "--json", "--items", "1,3", listUrl("list/feed.xml")});
        QCOMPARE(info.exitCode, 0);
        const QJsonArray entries = info.json();
        QCOMPARE(entries.size(), 2);
        const QJsonObject place = entries.at(1).toObject().value("playlist").toObject();
        QCOMPARE(place.value("title").toString(), kTitle);
        QCOMPARE(place.value("index").toInt(), 3);
        QCOMPARE(place.value("count").toInt(), 3);
        const QString out = TestHome::path() + "/cli";
        const CliRun run = runCli(
            {"download", "--json", "--folder", out, "--items", "2-3", listUrl("list/page.html")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(mediaFiles(out + "/" + kFolder), QStringList({"02 - Road trip _ summer (2).mp4",
                                                               "03 - Road trip _ summer (3).mp4"}));
    }

    void itemsPickAsYtDlpDoes_data() { addCases(itemCases); }
    void itemsPickAsYtDlpDoes()
    {
        const auto &[name, choice, count, picked] = caseOf(itemCases);
        QCOMPARE(Playlist::isValidItems(choice), !picked.isEmpty());
        if (!picked.isEmpty())
            QCOMPARE(Playlist::pickItems(choice, count), picked);
    }
};

REELIX_TEST_MAIN(TestPlaylists)
#include "tst_playlists.moc"
