#include "fixtures/EngineHarness.h"

#include "app/Follows.h"
#include "follow/FollowList.h"

#include <QDirIterator>

using namespace Harness;

// The window's checks of followed lists: new entries join the download list
// as a list row of their own, download into the follow's folder, can be
// stopped, and keep the list from being read by a check of another process
// while they download.
class TestFollowWindow : public EngineTest
{
    Q_OBJECT

    QString m_out;

    void setRoutes(const QString &json) { writeText(m_server->root() + "/routes.json", json); }

    // The list rows the checks added, each with its entries' titles.
    QList<QPair<QString, QStringList>> listRows() const
    {
        QList<QPair<QString, QStringList>> rows;
        for (const DownloadItem *item : m_manager->downloads()) {
            if (!item->isGroupHeader())
                continue;
            QStringList titles;
            for (const DownloadItem *entry : item->group()->entries())
                titles << entry->title();
            rows << qMakePair(item->url(), titles);
        }
        return rows;
    }

    QStringList files() const
    {
        QStringList found;
        QDirIterator it(m_out, {QStringLiteral("*.mp4")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next().mid(m_out.size() + 1);
        found.sort();
        return found;
    }

    // Every entry of the list downloaded.
    bool allDone() const
    {
        return QTest::qWaitFor(
                   [&] {
                       return std::all_of(m_manager->downloads().cbegin(),
                                          m_manager->downloads().cend(), [](DownloadItem *item) {
                                              return !item->isGroupEntry() || isSettled(item);
                                          });
                   },
                   120000) &&
               std::all_of(m_manager->downloads().cbegin(), m_manager->downloads().cend(),
                           [](DownloadItem *item) {
                               return !item->isGroupEntry() ||
                                      item->status() == DownloadStatus::Done;
                           });
    }

    static bool check(Follows &follows)
    {
        follows.checkNow();
        return QTest::qWaitFor([&] { return !follows.checking(); }, 120000);
    }

private slots:
    void initTestCase()
    {
        startServer();
        UserDefaults::setValue(QStringLiteral("followPauseSeconds"), 0);
        UserDefaults::setValue(QStringLiteral("followCheckHours"), 0);
    }

    void init()
    {
        resetEngine();
        Follows::useDownloads(m_manager.get());
        m_out = TestHome::path() + "/Followed";
        QDir(m_out).removeRecursively();
        QFile::remove(FollowList::path());
        setRoutes("{}");
    }

    void cleanup() { waitForChildrenToEnd(); }

    void newEntriesJoinTheList_data()
    {
        QTest::addColumn<int>("newest");
        QTest::newRow("first check takes the newest") << 1;
        QTest::newRow("first check takes nothing") << 0;
    }

    // Each check that finds something adds a list row with just the new
    // entries, which download into the follow's own folder.
    void newEntriesJoinTheList()
    {
        QFETCH(int, newest);
        setRoutes(R"({"entries": {"/list/feed.xml": 3}})");
        const QString address = m_server->httpUrl("list/feed.xml");
        Follows follows;
        QVERIFY(follows.follow(address, "Test list", QUrl::fromLocalFile(m_out), false, newest));
        QVERIFY(check(follows));
        QList<QPair<QString, QStringList>> expected;
        if (newest > 0)
            expected << qMakePair(address, QStringList{"Clip 3"});
        QCOMPARE(listRows(), expected);
        QVERIFY(allDone());

        setRoutes(R"({"entries": {"/list/feed.xml": 4}})");
        QVERIFY(check(follows));
        expected << qMakePair(address, QStringList{"Clip 4"});
        QCOMPARE(listRows(), expected);
        QVERIFY(allDone());
        // Numbered by their place in the feed, newest first.
        QStringList wanted{"Test list/01 - Clip 4.mp4"};
        if (newest > 0)
            wanted.prepend("Test list/01 - Clip 3.mp4");
        QCOMPARE(files(), wanted);
        QCOMPARE(follows.data(follows.index(0), Follows::NewCountRole).toInt(), 1);
    }

    // While a list's entries download, a check from another process leaves
    // the list alone; once they are stopped, it reads it again.
    void downloadsHoldTheList()
    {
        setRoutes(R"({"trickle": ["/list/1/h264.mp4"]})");
        const QString address = m_server->httpUrl("list/feed.xml");
        Follows follows;
        QVERIFY(follows.follow(address, "Test list", QUrl::fromLocalFile(m_out), false, 1));
        QVERIFY(check(follows));
        QCOMPARE(listRows().size(), 1);
        DownloadItem *header = m_manager->downloads().first();
        DownloadItem *entry = header->group()->entries().first();
        QTRY_COMPARE_WITH_TIMEOUT(entry->status(), DownloadStatus::Downloading, 60000);
        const CliRun busy = runCli({"follow", "check"});
        QCOMPARE(busy.exitCode, 0);
        QVERIFY2(busy.out.contains("another check is reading it"), busy.out.constData());

        m_manager->stopGroup(header);
        WAIT_SETTLED(entry, 60000);
        QCOMPARE(entry->status(), DownloadStatus::Cancelled);
        const CliRun read = runCli({"follow", "check"});
        QCOMPARE(read.exitCode, 0);
        QVERIFY2(read.out.contains(": 0 new"), read.out.constData());
    }
};

REELIX_TEST_MAIN(TestFollowWindow)
#include "tst_followwindow.moc"
