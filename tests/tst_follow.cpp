#include "fixtures/EngineHarness.h"

#include "follow/FeedListing.h"
#include "follow/FollowCheck.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

using namespace Harness;

// Follows driven through reelix-cli, as the timer runs it, against lists on
// the local media server that gain entries between checks.
class TestFollow : public EngineTest
{
    Q_OBJECT

    QString m_out;

    void setRoutes(const QString &json) { writeText(m_server->root() + "/routes.json", json); }

    int requestsTo(const QString &path) const
    {
        int count = 0;
        for (const MediaServer::Request &r : m_server->requests())
            count += r.path == path ? 1 : 0;
        return count;
    }

    QStringList files() const
    {
        QStringList found;
        QDirIterator it(m_out, {QStringLiteral("*.mp4")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next().section('/', -1);
        found.sort();
        return found;
    }

    static QJsonObject follow(int i)
    {
        return runCli({"follow", "list", "--json"}).json().at(i).toObject();
    }

    CliRun check() { return runCli({"follow", "check"}); }

private slots:
    void initTestCase()
    {
        startServer();
        // No pause between two lists of one site: every list here is on 127.0.0.1.
        UserDefaults::setValue(QStringLiteral("followPauseSeconds"), 0);
    }

    void init()
    {
        m_out = TestHome::path() + "/Follows";
        QDir(m_out).removeRecursively();
        QFile::remove(PlatformProfile::current().dataDirectory + "/follows.json");
        setRoutes("{}");
    }

    void listGainsEntries_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("newest");
        QTest::newRow("feed, newest entry first") << "/list/feed.xml" << 1;
        QTest::newRow("feed, only what comes next") << "/list/feed.xml" << 0;
        QTest::newRow("feed, newest two") << "/list/feed.xml" << 2;
        QTest::newRow("page of players, newest two") << "/list/page.html" << 2;
    }

    // The first check takes the newest N; each later one only what was added
    // since; a check with nothing new reads the list once and downloads nothing.
    void listGainsEntries()
    {
        QFETCH(QString, path);
        QFETCH(int, newest);
        setRoutes(QStringLiteral(R"({"entries": {"%1": 3}})").arg(path));
        const QString address = m_server->httpUrl(path.mid(1));
        const CliRun added =
            runCli({"follow", "--newest", QString::number(newest), "--folder", m_out, address});
        QCOMPARE(added.exitCode, 0);
        QCOMPARE(check().exitCode, 0);
        QStringList expected;
        for (int i = 3; i > 3 - newest; --i)
            expected << QStringLiteral("Clip %1").arg(i);
        // A page of players names its videos by their place; a feed by their titles.
        const bool titled = path.endsWith(".xml");
        QCOMPARE(files().size(), newest);
        for (const QString &title : expected)
            QVERIFY2(!titled || files().filter(title).size() == 1, qPrintable(files().join(", ")));

        setRoutes(QStringLiteral(R"({"entries": {"%1": 5}})").arg(path));
        const int before = requestsTo(path);
        const CliRun second = check();
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.out.contains(": 2 new"), second.out.constData());
        QCOMPARE(files().size(), newest + 2);
        QVERIFY(!titled || files().filter("Clip 5").size() == 1);
        QVERIFY(!titled || files().filter("Clip 4").size() == 1);
        QCOMPARE(follow(0).value("newCount").toInt(), 2);
        QCOMPARE(follow(0).value("title").toString(), QStringLiteral("Test list"));

        const int read = requestsTo(path);
        const CliRun third = check();
        QCOMPARE(third.exitCode, 0);
        QVERIFY(third.out.contains(": 0 new"));
        QCOMPARE(requestsTo(path), read + 1);
        QCOMPARE(files().size(), newest + 2);
        QVERIFY(read > before);
    }

    void pageAddsAtTheTop_data()
    {
        QTest::addColumn<bool>("placeIds"); // the follow was saved knowing entries by place
        QTest::newRow("entries known by their media") << false;
        QTest::newRow("follow saved by an earlier version") << true;
    }

    // A page that puts its new player above the others: its players are
    // known by their media, not their place, so only the new one is fetched.
    // A follow saved when they were known by their place keeps what it saw.
    void pageAddsAtTheTop()
    {
        QFETCH(bool, placeIds);
        const auto media = [](int i) { return QStringLiteral("/list/%1/h264.mp4").arg(i); };
        setRoutes(R"({"entries": {"/list/page.html": 2}, "newest_first": ["/list/page.html"]})");
        QCOMPARE(runCli({"follow", "--newest", "2", "--folder", m_out,
                         m_server->httpUrl("list/page.html")})
                     .exitCode,
                 0);
        QCOMPARE(check().exitCode, 0);
        QCOMPARE(files().size(), 2);
        if (placeIds) {
            const QString path = PlatformProfile::current().dataDirectory + "/follows.json";
            QJsonArray follows = QJsonDocument::fromJson(readText(path).toUtf8()).array();
            QJsonObject saved = follows.at(0).toObject();
            saved["seen"] =
                QJsonArray{Playlist::withVideoId(m_server->httpUrl(media(2).mid(1)), "page-1"),
                           Playlist::withVideoId(m_server->httpUrl(media(1).mid(1)), "page-2")};
            follows[0] = saved;
            writeText(path, QString::fromUtf8(QJsonDocument(follows).toJson()));
            // The first check since then still knows what it has seen, and
            // from then on knows the players by their media.
            const int fetched = requestsTo(media(1));
            const CliRun same = check();
            QVERIFY2(same.out.contains(": 0 new"), same.out.constData());
            QCOMPARE(requestsTo(media(1)), fetched);
        }
        setRoutes(R"({"entries": {"/list/page.html": 3}, "newest_first": ["/list/page.html"]})");
        const QList<int> before{requestsTo(media(1)), requestsTo(media(2)), requestsTo(media(3))};
        const CliRun second = check();
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.out.contains(": 1 new"), second.out.constData());
        QCOMPARE(requestsTo(media(1)), before.at(0));
        QCOMPARE(requestsTo(media(2)), before.at(1));
        QVERIFY(requestsTo(media(3)) > before.at(2));
        QCOMPARE(files().size(), 3);
    }

    void siteAsksToWait_data()
    {
        QTest::addColumn<QString>("retryAfter");
        QTest::addColumn<int>("seconds");
        QTest::newRow("seconds") << "120" << 120;
        QTest::newRow("HTTP date")
            << QDateTime::currentDateTimeUtc().addSecs(3600).toString(Qt::RFC2822Date) << 3600;
        QTest::newRow("unreadable: an hour") << "soon" << 3600;
    }

    // A 429 leaves the site alone until the time it gave: its other lists are
    // not read in that check, nothing fails, and the next check sends nothing.
    void siteAsksToWait()
    {
        QFETCH(QString, retryAfter);
        QFETCH(int, seconds);
        setRoutes(QStringLiteral(R"({"busy": {"/list/feed.xml": "%1"}})").arg(retryAfter));
        for (const char *path : {"list/feed.xml", "list/page.html"})
            QCOMPARE(runCli({"follow", "--newest", "1", "--folder", m_out, m_server->httpUrl(path)})
                         .exitCode,
                     0);
        const int pages = requestsTo("/list/page.html");
        const int feeds = requestsTo("/list/feed.xml");
        const QDateTime asked = QDateTime::currentDateTimeUtc();
        const CliRun first = check();
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.contains("the site asked to wait"), first.out.constData());
        QCOMPARE(requestsTo("/list/feed.xml"), feeds + 1);
        QCOMPARE(requestsTo("/list/page.html"), pages);
        const QJsonObject waiting = follow(0);
        QVERIFY(waiting.value("lastError").toString().isEmpty());
        const QDateTime notBefore =
            QDateTime::fromString(waiting.value("notBefore").toString(), Qt::ISODateWithMs);
        QVERIFY2(qAbs(asked.secsTo(notBefore) - seconds) < 60, qPrintable(notBefore.toString()));

        setRoutes("{}");
        QCOMPARE(check().exitCode, 0);
        QCOMPARE(requestsTo("/list/feed.xml"), feeds + 1);
        QVERIFY(files().isEmpty());
    }

    // A list that cannot be read says why and keeps its place: once it can
    // be read, its first check still takes the newest entry.
    void failingListKeepsItsPlace()
    {
        setRoutes(R"({"status": {"/list/feed.xml": 500}})");
        QCOMPARE(runCli({"follow", "--newest", "1", "--folder", m_out,
                         m_server->httpUrl("list/feed.xml")})
                     .exitCode,
                 0);
        const CliRun failed = check();
        QCOMPARE(failed.exitCode, 1);
        // Explained in a sentence, as a download row would; yt-dlp's line as the detail.
        QVERIFY2(follow(0)
                     .value("lastError")
                     .toString()
                     .startsWith("yt-dlp could not read this "
                                 "page"),
                 qPrintable(follow(0).value("lastError").toString()));
        QVERIFY2(follow(0).value("lastErrorDetail").toString().contains("HTTP Error 500"),
                 qPrintable(follow(0).value("lastErrorDetail").toString()));
        QVERIFY(failed.out.contains("HTTP Error 500"));
        setRoutes("{}");
        QCOMPARE(check().exitCode, 0);
        QCOMPARE(files(), QStringList{"01 - Clip 1.mp4"});
        QVERIFY(follow(0).value("lastError").toString().isEmpty());
        QVERIFY(follow(0).value("lastErrorDetail").toString().isEmpty());
    }

    // Two checks started at once (the timer's and a user's): the list is
    // read once; the other check leaves it and says so.
    void twoChecksAtOnce()
    {
        setRoutes(R"({"delay": {"/list/feed.xml": 4}})");
        QCOMPARE(runCli({"follow", "--folder", m_out, m_server->httpUrl("list/feed.xml")}).exitCode,
                 0);
        const int before = requestsTo("/list/feed.xml");
        QProcess a, b;
        for (QProcess *p : {&a, &b})
            p->start(QStringLiteral(REELIX_CLI_PATH), {"follow", "check"});
        for (QProcess *p : {&a, &b})
            QVERIFY(p->waitForFinished(120000));
        QCOMPARE(a.exitCode() + b.exitCode(), 0);
        const QByteArray out = a.readAllStandardOutput() + b.readAllStandardOutput();
        QVERIFY2(out.contains("another check is reading it"), out.constData());
        QCOMPARE(requestsTo("/list/feed.xml"), before + 1);
    }

    // A feed reader's export becomes follows (web feeds only, each once,
    // wherever nested), and an export reads back as the same feeds.
    void opmlRoundTrip()
    {
        const CliRun imported = runCli({"follow", "import", REELIX_TEST_SOURCE "/data/feeds.opml"});
        QCOMPARE(imported.exitCode, 0);
        const QList<QPair<QString, QString>> expected{
            {"http://127.0.0.1:9/list/feed.xml?title=cooking", "Cooking & more"},
            {"http://127.0.0.1:9/list/feed.xml?title=physics", "Tiny <b>physics</b> \"talks\""},
            {"https://127.0.0.1:9/podcast.rss", "A podcast"}};
        QList<QPair<QString, QString>> listed;
        for (const QJsonValue &f : runCli({"follow", "list", "--json"}).json())
            listed << qMakePair(f["address"].toString(), f["title"].toString());
        QCOMPARE(listed, expected);

        const QString file = TestHome::path() + "/exported.opml";
        QFile::remove(file);
        QCOMPARE(runCli({"follow", "export", file}).exitCode, 0);
        QFile exported(file);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&exported);
        QList<QPair<QString, QString>> read;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"outline")
                read << qMakePair(xml.attributes().value("xmlUrl").toString(),
                                  xml.attributes().value("title").toString());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(read, expected);
    }

    void opmlRefused_data() { addTags({"not XML", "XML but not OPML", "OPML cut short"}); }

    void opmlRefused()
    {
        const QString text = tag() == "not XML" ? "Cooking, http://127.0.0.1:9/feed"
                             : tag() == "XML but not OPML"
                                 ? "<rss><channel><title>x</title></channel></rss>"
                                 : "<opml version=\"2.0\"><body><outline xmlUrl=\"http://a/\">";
        const QString file = TestHome::path() + "/bad.opml";
        writeText(file, text);
        const CliRun r = runCli({"follow", "import", file});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("not an OPML list of feeds"), qPrintable(r.err));
        QVERIFY(runCli({"follow", "list", "--json"}).json().isEmpty());
    }

    // yt-dlp's traffic lines as a run prints them: the last answer counts.
    void listingRead_data()
    {
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("waitSeconds"); // -1: no Retry-After
        QTest::addColumn<int>("entries");     // -1: no listing
        const QByteArray list = R"({"_type": "playlist", "title": "T", "entries": [)"
                                R"({"_type": "url", "url": "http://127.0.0.1:9/v/1"}]})";
        QTest::newRow("read") << "reply: 'HTTP/1.1 200 OK\r\n'\n" + list << 200 << -1 << 1;
        QTest::newRow("429 with seconds")
            << QByteArray("reply: 'HTTP/1.1 429 Too Many Requests\r\n'\nheader: Retry-After: 90\n")
            << 429 << 90 << -1;
        QTest::newRow("redirect, then 429 without a wait")
            << QByteArray("reply: 'HTTP/1.1 302 Found\r\n'\nheader: Retry-After: 5\n"
                          "reply: 'HTTP/1.1 429 Too Many Requests\r\n'\n")
            << 429 << -1 << -1;
        QTest::newRow("a title that looks like traffic")
            << QByteArray(R"({"_type": "playlist", "title": "reply: 'HTTP/1.1 429 x'", )"
                          R"("entries": []})")
            << 0 << -1 << 0;
    }

    void listingRead()
    {
        QFETCH(QByteArray, out);
        QFETCH(int, status);
        QFETCH(int, waitSeconds);
        QFETCH(int, entries);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const FeedListing read = FeedListing::read(out, QString(), now);
        QCOMPARE(read.httpStatus, status);
        QCOMPARE(read.retryAt.isValid() ? now.secsTo(read.retryAt) : -1, waitSeconds);
        QCOMPARE(read.listing ? int(read.listing->entries.size()) : -1, entries);
    }

    // The timer and service that `cmake --install` puts in place, as systemd reads them.
    void timerUnits()
    {
        const QString units = QStringLiteral(REELIX_FOLLOW_UNITS);
        QString error;
        QVERIFY2(runTool("systemd-analyze",
                         {"verify", "--man=no", units + "/reelix-follow.service",
                          units + "/reelix-follow.timer"},
                         {}, &error),
                 qPrintable(error));
    }
};

REELIX_TEST_MAIN(TestFollow)
#include "tst_follow.moc"
