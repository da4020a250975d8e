#include "fixtures/StoreTest.h"

#include "engine/AutoStart.h"
#include "engine/Playlist.h"
#include "i18n/Localization.h"
#include "store/QueueStore.h"

#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <unistd.h>

// The list and the history kept on disk: they come back as they were, and a
// file that cannot be read is kept aside, never lost and never in the way.
class TestStore : public StoreTest
{
    Q_OBJECT

    // Holds the file locked as an SQLite browser or a backup does, until its input ends.
    static constexpr const char *holdLock =
        "import sqlite3, sys\n"
        "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
        "db.execute('PRAGMA locking_mode=EXCLUSIVE')\n"
        "db.execute('BEGIN EXCLUSIVE')\n"
        "print('locked', flush=True)\n"
        "sys.stdin.read()\n";

    void saveList(const QStringList &urls)
    {
        QueueStore store(path());
        DownloadManager manager;
        store.restoreInto(manager);
        for (const QString &url : urls)
            manager.insertItem(item(url, DownloadStatus::Ready));
        store.finish();
    }

    // The automatic start's quality setting → the format it picks.
    using Pick = std::tuple<const char *, const char *, const char *>;
    static inline const Pick picks[] = {
        {"best", "best", "2160"},
        {"up to 1080p", "1080", "1080"},
        {"up to 720p, none at 720", "720", "480"},
        {"unknown setting: best", "", "2160"},
    };

private slots:
    void initTestCase() { Localization::install(QLocale(QLocale::English)); }
    void init() { emptyFolder(); }
    void cleanup() { waitForChildrenToEnd(); }

    void unreadableFileIsSetAside_data() { addTags({"not a database", "newer version"}); }

    void unreadableFileIsSetAside()
    {
        const bool newer = tag() == "newer version";
        if (newer)
            runSql(path(), {"CREATE TABLE items (id TEXT, future TEXT)",
                            "INSERT INTO items VALUES ('x', 'y')", "PRAGMA user_version = 99"});
        else
            writeText(path(), QString(4096, QLatin1Char('#')));
        const QByteArray before = readText(path()).toUtf8();
        {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            QCOMPARE(manager.rowCount(), 0);
            QVERIFY(store.notice().contains(".sqlite." + QString(newer ? "newer" : "unreadable")));
            // The new file works.
            manager.addDownload("http://127.0.0.1:9/after", DownloadFormat::Audio);
            store.finish();
        }
        const QStringList aside = QDir(m_dir.path()).entryList({"downloads.sqlite.*-*"});
        QCOMPARE(aside.filter(QRegularExpression("\\d$")).size(), 1);
        QCOMPARE(
            readText(m_dir.filePath(aside.filter(QRegularExpression("\\d$")).first())).toUtf8(),
            before);
        QueueStore again(path());
        DownloadManager manager;
        again.restoreInto(manager);
        QVERIFY(again.notice().isEmpty());
        QCOMPARE(manager.rowCount(), 1);
        QCOMPARE(manager.itemAt(0)->url(), QString("http://127.0.0.1:9/after"));
        again.finish();
    }

    void lockedFileIsLeftAsItIs()
    {
        QStringList urls;
        for (int i = 1; i <= 9; ++i)
            urls << QString("http://127.0.0.1:9/%1").arg(i);
        saveList(urls);
        QProcess holder;
        holder.start("python3", {"-c", holdLock, path()});
        QVERIFY(holder.waitForReadyRead(10000));
        {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            QCOMPARE(manager.rowCount(), 0);
            QVERIFY(store.notice().contains(path()));
            manager.insertItem(item("http://127.0.0.1:9/meanwhile", DownloadStatus::Ready));
            store.finish();
        }
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QDir(m_dir.path()).entryList({"downloads.sqlite.*-*"}).isEmpty());
        QueueStore store(path());
        DownloadManager manager;
        store.restoreInto(manager);
        QVERIFY(store.notice().isEmpty());
        QCOMPARE(manager.rowCount(), 9);
        store.finish();
    }

    void readOnlyFileIsSaidOnce()
    {
        saveList({"http://127.0.0.1:9/saved"});
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        // Permissions do not stop root; the immutable flag does.
        const bool root = ::geteuid() == 0;
        if (root && !runTool("chattr", {"+i", path()}))
            QSKIP("this file system cannot make a file read-only for root");
        const auto writable = qScopeGuard([&] {
            if (root)
                runTool("chattr", {"-i", path()});
        });
        QueueStore store(path());
        DownloadManager manager;
        store.restoreInto(manager);
        QCOMPARE(manager.rowCount(), 1);
        QVERIFY(store.notice().isEmpty());
        manager.insertItem(item("http://127.0.0.1:9/new", DownloadStatus::Ready));
        QTRY_VERIFY(store.notice().contains(path()));
        store.dismissNotice();
        manager.insertItem(item("http://127.0.0.1:9/newer", DownloadStatus::Ready));
        store.flush();
        QCoreApplication::processEvents();
        QVERIFY(store.notice().isEmpty());
        QCOMPARE(manager.rowCount(), 3);
        store.finish();
    }

    // A claim that cannot be made (here a link where the lock file goes) is no
    // other Reelix: the list is this one's.
    void unclaimableListIsStillUsed()
    {
        saveList({"http://127.0.0.1:9/saved"});
        QVERIFY(QFile::link(m_dir.filePath("nowhere"), path() + ".lock"));
        QueueStore store(path());
        QVERIFY(store.holdsList());
        DownloadManager manager;
        store.restoreInto(manager);
        QCOMPARE(manager.rowCount(), 1);
        store.finish();
    }

    // A row whose path leads out of the download folder, however it gets there.
    void pathsOutsideAreLeftOut_data()
    {
        QTest::addColumn<bool>("infoFile"); // the path is the record's information file
        QTest::newRow("converting file") << false;
        QTest::newRow("information file") << true;
        QTest::newRow("information file in the download folder") << true;
        QTest::newRow("work folder") << false;
        QTest::newRow("through ..") << false;
        QTest::newRow("through a link") << false;
    }

    void pathsOutsideAreLeftOut()
    {
        QFETCH(bool, infoFile);
        const QString elsewhere = TestHome::path() + "/elsewhere";
        // An information file is Reelix's own, wherever it claims to be.
        const QString victim = tag() == "information file in the download folder"
                                   ? m_dir.filePath("family.mp4")
                                   : elsewhere + "/victim.mp4";
        QDir().mkpath(elsewhere);
        writeText(victim, "the user's own file");
        QVERIFY(QFile::link(elsewhere, m_dir.filePath("link")));
        ItemRecord hostile = record(DownloadStatus::Converting, victim);
        if (infoFile) {
            hostile = record(DownloadStatus::Done, m_dir.filePath("other.mp4"));
            hostile.infoPath = victim;
        } else if (tag() == "work folder") {
            hostile = record(DownloadStatus::Downloading, QString());
            hostile.workFolder = elsewhere + "/.reelix-work-" + hostile.id;
        } else if (tag() == "through ..") {
            hostile.filePath = m_dir.filePath(QDir(m_dir.path()).relativeFilePath(victim));
        } else if (tag() == "through a link") {
            hostile.filePath = m_dir.filePath("link/victim.mp4");
        }
        const ItemRecord kept = record(DownloadStatus::Done, m_dir.filePath("clip.mp4"));
        {
            QueueDatabase db(path());
            QVERIFY(db.open());
            StoreBatch batch;
            batch.items << hostile << kept;
            QVERIFY(db.apply(batch));
        }
        {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            QCOMPARE(manager.rowCount(), 1);
            QCOMPARE(manager.itemAt(0)->idText(), kept.id);
            store.finish();
        }
        QCOMPARE(readText(victim), QString("the user's own file"));
    }

    void listComesBackAsItWas()
    {
        const QString kept = m_dir.filePath("kept.mp4");
        const QString gone = m_dir.filePath("gone.mp4");
        writeText(kept, "video");
        writeText(gone, "video");
        {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            DownloadItem *ready = item("http://127.0.0.1:9/ready", DownloadStatus::Ready);
            ready->setFormats({{"137", "1080p", 1080}, {"22", "720p", 720}});
            ready->setSelectedFormatID("22");
            ready->setThumbnailURL("http://127.0.0.1:9/thumb.jpg");
            manager.insertItem(ready);
            for (const QString &file : {kept, gone}) {
                DownloadItem *done = item("http://127.0.0.1:9/" + file, DownloadStatus::Done);
                done->setFile({file, "5 B", false, "H.264 · AAC"});
                manager.insertItem(done);
            }
            DownloadItem *failed = item("http://127.0.0.1:9/failed", DownloadStatus::Error);
            failed->setErrorMessage("HTTP Error 404");
            manager.insertItem(failed);
            manager.remove(manager.itemAt(3)); // removed items stay removed
            manager.insertItem(failed = item("http://127.0.0.1:9/last", DownloadStatus::Cancelled));
            store.finish();
        }
        QFile::remove(gone);
        QueueStore store(path());
        DownloadManager manager;
        store.restoreInto(manager);
        QCOMPARE(manager.rowCount(), 4);
        const DownloadItem *ready = manager.itemAt(0);
        QCOMPARE(ready->status(), DownloadStatus::Ready);
        QCOMPARE(ready->formats().size(), 2);
        QCOMPARE(ready->selectedFormatID(), QString("22"));
        QCOMPARE(ready->thumbnailURL(), QString("http://127.0.0.1:9/thumb.jpg"));
        QVERIFY(!ready->isRunning()); // no information run
        QCOMPARE(manager.itemAt(1)->filePath(), std::optional<QString>(kept));
        QVERIFY(manager.itemAt(1)->errorMessage().isEmpty());
        QCOMPARE(manager.itemAt(1)->file().codecInfo, QString("H.264 · AAC"));
        QCOMPARE(manager.itemAt(2)->filePath(), std::optional<QString>(gone));
        QCOMPARE(manager.itemAt(2)->errorMessage(), QString("File missing"));
        QCOMPARE(manager.itemAt(3)->url(), QString("http://127.0.0.1:9/last"));
        QCOMPARE(manager.itemAt(3)->status(), DownloadStatus::Cancelled);
        store.finish();
    }

    // A failure's detail (the tool's own text) and the file's choices come
    // back with the list; a list an earlier version saved without them still
    // loads, and keeps what is given from then on.
    void errorDetailIsKept_data() { addTags({"this version", "earlier version"}); }

    void errorDetailIsKept()
    {
        const QString detail = "ERROR: [generic] None: HTTP Error 404: Not Found";
        MediaChoices choices;
        choices.container = Media::Container::Mkv;
        choices.audioLanguage = "de";
        choices.subtitleLanguages = {"en", "fr"};
        choices.embedMetadata = false;
        const auto reopen = [&](const std::function<void(DownloadManager &)> &use) {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            use(manager);
            store.finish();
        };
        reopen([&](DownloadManager &manager) {
            DownloadItem *failed = item("http://127.0.0.1:9/failed", DownloadStatus::Error);
            failed->setErrorMessage("Not found.", Failure::Kind::Tool, detail);
            failed->setChoices(choices);
            failed->setTracks({{"251", "de", "Deutsch <b>", true, false, "opus", 130}},
                              {{"en", "English", true, false}});
            manager.insertItem(failed);
        });
        const bool earlier = tag() == "earlier version";
        if (earlier)
            runSql(path(), {"ALTER TABLE items DROP COLUMN error_detail",
                            "ALTER TABLE items DROP COLUMN media", "PRAGMA user_version = 2"});
        reopen([&](DownloadManager &manager) {
            QCOMPARE(manager.rowCount(), 1);
            DownloadItem *failed = manager.itemAt(0);
            QCOMPARE(failed->status(), DownloadStatus::Error);
            QCOMPARE(failed->errorMessage(), QString("Not found."));
            QCOMPARE(failed->errorDetail(), earlier ? QString() : detail);
            QCOMPARE(failed->choices(), earlier ? MediaChoices() : choices);
            QCOMPARE(failed->audioTracks().size(), earlier ? 0 : 1);
            if (!earlier)
                QCOMPARE(failed->audioTracks().first().label, QString("Deutsch <b>"));
            failed->setErrorMessage("Not found.", Failure::Kind::Tool, "later");
            failed->setChoices(choices);
        });
        reopen([&](DownloadManager &manager) {
            QCOMPARE(manager.itemAt(0)->errorDetail(), QString("later"));
            QCOMPARE(manager.itemAt(0)->choices(), choices);
        });
    }

    // A collapsed list's entries are only out of sight: the file keeps them.
    void collapsedListIsKept()
    {
        {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            DownloadItem *header = item("http://127.0.0.1:9/list", DownloadStatus::Ready);
            manager.insertItem(header);
            const PlaylistListing listing{
                "List",
                2,
                {{"http://127.0.0.1:9/1", "One", 10, 1}, {"http://127.0.0.1:9/2", "Two", 20, 2}}};
            manager.listGroup(header, listing);
            store.flush();
            manager.setGroupExpanded(header, false);
            manager.allItems().last()->setTitle("Two, renamed while out of sight");
            store.finish();
        }
        QueueStore store(path());
        DownloadManager manager;
        store.restoreInto(manager);
        QStringList titles;
        for (const DownloadItem *item : manager.allItems())
            titles << item->title();
        QCOMPARE(titles, (QStringList{"Title of http://127.0.0.1:9/list", "One",
                                      "Two, renamed while out of sight"}));
        store.finish();
    }

    void autoStartChoosesWithinTheLimit_data() { addCases(picks); }

    void autoStartChoosesWithinTheLimit()
    {
        const auto &[name, choice, picked] = caseOf(picks);
        const QList<VideoFormat> formats{
            {"2160", "2160p", 2160}, {"1080", "1080p", 1080}, {"480", "480p", 480}};
        const int cap = AutoStart::qualityCap(AutoStart::choiceFrom(choice));
        QCOMPARE(Playlist::pickFormat(formats, cap).id, QString(picked));
        QCOMPARE(Playlist::pickFormat({{"only", "1440p", 1440}}, 720).id, QString("only"));
    }
};

REELIX_TEST_MAIN(TestStore)
#include "tst_store.moc"
