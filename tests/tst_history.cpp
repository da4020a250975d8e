#include "fixtures/StoreTest.h"

#include "i18n/Localization.h"
#include "store/HistoryFilter.h"

#include <QAbstractItemModelTester>

// The history kept beside the list: it outlives the list, comes from an older
// file, and is what reelix-cli lists.
class TestHistory : public StoreTest
{
    Q_OBJECT

private slots:
    void initTestCase() { Localization::install(QLocale(QLocale::English)); }
    void init() { emptyFolder(); }
    void cleanup() { waitForChildrenToEnd(); }

    void olderFileIsMigrated()
    {
        // The first version's file: the list only, no history.
        {
            QueueStore store(path());
            DownloadManager manager;
            store.restoreInto(manager);
            manager.insertItem(item("http://127.0.0.1:9/old", DownloadStatus::Ready));
            store.finish();
        }
        runSql(path(), {"DROP TABLE history", "ALTER TABLE items DROP COLUMN error_detail",
                        "ALTER TABLE items DROP COLUMN media", "PRAGMA user_version = 1"});
        QueueStore store(path());
        DownloadManager manager;
        store.restoreInto(manager);
        QCOMPARE(manager.rowCount(), 1);
        QCOMPARE(manager.itemAt(0)->title(), QString("Title of http://127.0.0.1:9/old"));
        QVERIFY(store.notice().isEmpty());
        DownloadItem *done = item("http://127.0.0.1:9/done", DownloadStatus::Done);
        done->setFile({.path = m_dir.filePath("done.mp4")});
        manager.insertItem(done);
        emit manager.itemSettled(done);
        store.finish();
        QCOMPARE(QueueStore::readHistory(path()).size(), 1);
    }

    void historyOutlivesTheList()
    {
        QueueStore store(path());
        const auto fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;
        QAbstractItemModelTester historyTester(store.history(), fatal);
        DownloadManager manager;
        store.restoreInto(manager);
        for (const QString &name : QStringList{"First clip", "Second clip", "Song"}) {
            DownloadItem *done = item("http://127.0.0.1:9/" + name, DownloadStatus::Done);
            done->setTitle(name);
            done->setFile({.path = m_dir.filePath(name)});
            manager.insertItem(done);
            emit manager.itemSettled(done);
        }
        manager.clearCompleted();
        QCOMPARE(manager.rowCount(), 0);
        HistoryModel &history = *store.history();
        HistoryFilter shown;
        shown.setSourceModel(&history);
        QAbstractItemModelTester shownTester(&shown, fatal);
        QCOMPARE(shown.count(), 3);
        shown.setSearch("CLIP");
        QCOMPARE(shown.count(), 2);
        QCOMPARE(shown.index(0, 0).data(HistoryModel::TitleRole).toString(),
                 QString("Second clip"));
        shown.remove(0);
        shown.setSearch(QString());
        store.flush();
        QStringList titles;
        for (const HistoryRecord &entry : QueueStore::readHistory(path()))
            titles << entry.title;
        QCOMPARE(titles, (QStringList{"Song", "First clip"}));
        history.clearAll();
        store.flush();
        QVERIFY(QueueStore::readHistory(path()).isEmpty());
        store.finish();
    }

    void cliListsTheHistory()
    {
        QFile::remove(QueueStore::defaultPath());
        {
            QueueStore store;
            DownloadManager manager;
            store.restoreInto(manager);
            DownloadItem *done = item("http://127.0.0.1:9/clip", DownloadStatus::Done);
            done->setFile({.path = m_dir.filePath("clip.mp4")});
            writeText(m_dir.filePath("clip.mp4"), "12345");
            manager.insertItem(done);
            emit manager.itemSettled(done);
            store.finish();
        }
        const Harness::CliRun run = Harness::runCli({"history", "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject entry = run.json().at(0).toObject();
        QCOMPARE(run.json().size(), 1);
        QCOMPARE(entry.value("title").toString(), QString("Title of http://127.0.0.1:9/clip"));
        QCOMPARE(entry.value("site").toString(), QString("127.0.0.1"));
        QCOMPARE(entry.value("size").toInt(), 5);
        QVERIFY(entry.value("fileExists").toBool());
    }
};

REELIX_TEST_MAIN(TestHistory)
#include "tst_history.moc"
