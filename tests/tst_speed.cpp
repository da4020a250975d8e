#include "fixtures/EngineHarness.h"

using namespace Harness;

namespace {

// The most requests whose paths hold `part` that were being answered at one
// moment. An answer's last 20 ms are left out: the next request of a
// one-at-a-time client may come while the server still notes the end.
int mostAtOnce(const QList<MediaServer::Request> &requests, const QString &part)
{
    int most = 0;
    for (const auto &r : requests) {
        if (!r.path.contains(part))
            continue;
        const int overlapping = int(std::count_if(requests.cbegin(), requests.cend(), [&](auto &o) {
            return o.path.contains(part) && o.start <= r.start && r.start < o.end - 0.02;
        }));
        most = std::max(most, overlapping);
    }
    return most;
}

int requestsFor(const MediaServer &server, const QString &path)
{
    const auto all = server.requests();
    return int(std::count_if(all.cbegin(), all.cend(), [&](auto &r) { return r.path == path; }));
}

// Case name, the fragments setting (0: unset), reelix-cli's --fragments (0: the
// app), and the bounds of the fragments seen in flight at once.
const std::tuple<const char *, int, int, int, int> fragmentCases[] = {
    {"setting of one", 1, 0, 1, 1},
    {"default", 0, 0, 3, 4},
    {"reelix-cli --fragments 2", 0, 2, 2, 2},
};

} // namespace

// How fast items get through: fragments in flight, one page visit per item,
// and many addresses at once.
class TestSpeed : public EngineTest
{
    Q_OBJECT

private slots:
    void initTestCase() { startServer(); }
    void init() { resetEngine(); }
    void cleanup()
    {
        m_manager.reset();
        QFile::remove(m_server->root() + "/routes.json");
        for (const char *key : {"concurrentFragments", "maxConcurrentDownloads"})
            UserDefaults::remove(key);
    }

    void fragmentsInFlightAndOnePageVisit_data() { addCases(fragmentCases); }
    void fragmentsInFlightAndOnePageVisit()
    {
        const auto &[name, setting, cli, least, most] = caseOf(fragmentCases);
        if (setting)
            UserDefaults::setValue("concurrentFragments", setting);
        // Each connection is slow: fragments overlap only when asked to.
        writeText(m_server->root() + "/routes.json", R"({"rate": 60000})");
        const qsizetype before = m_server->requests().size();
        const int pageVisits = requestsFor(*m_server, "/dash/manifest.mpd");
        const QString url = m_server->httpUrl("dash/manifest.mpd");
        if (cli) {
            const CliRun run = runCli({"download", "--fragments", QString::number(cli), "--folder",
                                       folder(), "--json", url});
            QCOMPARE(run.exitCode, 0);
        } else {
            DownloadItem *item = readyItem(url);
            QVERIFY(item);
            QVERIFY(finish(item));
            QCOMPARE(item->status(), DownloadStatus::Done);
            const QString saved = item->savedInfo().usablePath();
            QVERIFY(QFile::exists(saved) && !saved.startsWith(folder()));
            QVERIFY(!(QFile::permissions(saved) & (QFile::ReadGroup | QFile::ReadOther)));
            m_manager->remove(item);
            QTRY_VERIFY(!QFile::exists(saved)); // the item's data goes with it
        }
        const auto requests = m_server->requests().mid(before);
        const int seen = mostAtOnce(requests, "/dash/chunk-");
        QVERIFY2(seen >= least && seen <= most, qPrintable(QString::number(seen)));
        QCOMPARE(requestsFor(*m_server, "/dash/manifest.mpd"), pageVisits + 1);
    }

    // The saved media address no longer answers, or the saved result cannot
    // be read: the download visits the page again and ends all the same.
    void staleSavedInformationFallsBack_data() { addTags({"expired", "unreadable"}); }
    void staleSavedInformationFallsBack()
    {
        const QString www = m_server->root();
        QFile::remove(www + "/gone.mp4");
        QFile::copy(www + "/h264.mp4", www + "/gone.mp4");
        writeText(www + "/page.html",
                  "<html><title>Page</title><video src=\"gone.mp4\"></video></html>");
        DownloadItem *item = readyItem(m_server->httpUrl("page.html"));
        QVERIFY(item);
        const QString saved = item->savedInfo().usablePath();
        QVERIFY(!saved.isEmpty());
        if (tag() == "unreadable") {
            writeText(saved, "{");
        } else {
            writeText(www + "/page.html",
                      "<html><title>Page</title><video src=\"h264.mp4\"></video></html>");
            writeText(www + "/routes.json", R"({"status": {"/gone.mp4": 404}})");
        }
        const int visits = requestsFor(*m_server, "/page.html");
        QVERIFY(finish(item));
        QCOMPARE(item->status(), DownloadStatus::Done);
        QCOMPARE(requestsFor(*m_server, "/page.html"), visits + 1);
        QVERIFY(!logLines().filter("saved information unusable").isEmpty());
        QVERIFY(!QFile::exists(saved));
    }

    // Forty addresses at once all end ready, a few information runs at a
    // time; with a limit of two downloads, the others wait their turn.
    void manyAddressesAtOnce()
    {
        UserDefaults::setValue("maxConcurrentDownloads", 2);
        QList<DownloadItem *> items;
        QMap<DownloadStatus, int> most;
        for (int i = 0; i < 40; ++i) {
            items << add(m_server->httpUrl("h264.mp4?n=%1").arg(i));
            connect(items.last(), &DownloadItem::statusChanged, this, [&] {
                for (DownloadStatus s : {DownloadStatus::Fetching, DownloadStatus::Downloading})
                    most[s] = std::max<int>(
                        most[s], std::count_if(items.cbegin(), items.cend(),
                                               [s](auto *item) { return item->status() == s; }));
            });
        }
        QCOMPARE(items.last()->status(), DownloadStatus::Waiting);
        // A stop ends a run where it waits: it never starts.
        DownloadItem *stopped = add(m_server->httpUrl("h264.mp4?stopped"));
        stopped->cancelRun();
        QCOMPARE(stopped->status(), DownloadStatus::Cancelled);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(items.cbegin(), items.cend(), isSettled), 300000);
        QCOMPARE(stopped->status(), DownloadStatus::Cancelled);
        for (DownloadItem *item : items)
            QVERIFY2(item->status() == DownloadStatus::Ready, qPrintable(item->errorMessage()));
        QVERIFY(most[DownloadStatus::Fetching] <= 2 * QThread::idealThreadCount());

        const auto started = items.mid(0, 5);
        for (DownloadItem *item : started)
            m_manager->start(item);
        QCOMPARE(started.last()->status(), DownloadStatus::Waiting);
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(started.cbegin(), started.cend(),
                        [](auto *item) { return item->status() == DownloadStatus::Done; }),
            120000);
        QCOMPARE(most[DownloadStatus::Downloading], 2);
    }
};

REELIX_TEST_MAIN(TestSpeed)
#include "tst_speed.moc"
