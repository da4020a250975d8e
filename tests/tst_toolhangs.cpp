#include "fixtures/Support.h"
#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "deps/ToolInstall.h"
#include "i18n/Localization.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <csignal>

using namespace ToolFolder;
using Route = std::tuple<QString, QString, QJsonValue>; // kind, path, value
Q_DECLARE_METATYPE(QList<Route>)

// Distributors that go quiet, refuse to answer or answer something else,
// and tools that never answer: every check and install ends and says why,
// and the working tools, the temporary folder and the process table are left
// as they were.
class TestToolHangs : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;
    const QString api = "/repos/yt-dlp/yt-dlp/releases/latest";
    const QString asset = "/assets/yt-dlp_linux";
    const QString idle = "No data for 1 s: the transfer was ended";

    void route(const QList<Route> &routes)
    {
        for (const auto &[kind, path, value] : routes)
            m_mirror->addRoute(kind, path, value);
    }

    // A yt-dlp that never answers; it writes its own and its child's ids.
    static QString hangingYtdlp()
    {
        const QString pids = TestHome::path() + "/pids";
        QFile::remove(pids);
        writeScript(bin("yt-dlp"), "sleep 600 & echo $$ $! > '" + pids + "'; wait");
        return pids;
    }

    static bool anyAlive(const QString &pids)
    {
        for (const QString &pid : readText(pids).split(' ', Qt::SkipEmptyParts))
            if (processAlive(pid.toLongLong()))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        qputenv("REELIX_IDLE_LIMIT_MS", "1000");
        ToolInstall::versionTimeLimit = std::chrono::seconds(1);
        QVERIFY(Localization::install(QLocale(QLocale::English)));
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void cleanupTestCase() { m_mirror.reset(); }

    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        writeScript(bin("yt-dlp"), "echo 2024.01.01");
        writeScript(bin("ffmpeg"), "echo 'ffmpeg version 6.0-old x'");
        writeScript(bin("node"), "echo v22.20.0");
    }

    void aQuietDownloadEnds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("path");
        QTest::newRow("yt-dlp: headers, then nothing") << "stall" << asset;
        QTest::newRow("yt-dlp: half the body, never the end") << "endless" << asset;
        QTest::newRow("Node.js: headers, then nothing")
            << "stall"
            << "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz";
    }

    void aQuietDownloadEnds()
    {
        QFETCH(QString, kind);
        QFETCH(QString, path);
        m_mirror->addRoute(kind, path);
        DependencyChecker checker;
        Dependency *tool = path == asset ? checker.ytdlp() : checker.node();
        tool->setStatus(
            DepStatus::updateAvailable("old", path == asset ? "2025.01.15" : "v22.21.0"));
        await(checker.updateAll());
        QCOMPARE(tool->status(), DepStatus::failed(idle));
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2024.01.01"));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
        QCOMPARE(leftovers(), QStringList());
    }

    void aFailedLookupIsNeverUpToDate_data()
    {
        QTest::addColumn<QList<Route>>("routes");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<DepStatus>("expected");
        const QString page = "/yt-dlp/yt-dlp/releases/latest";
        QTest::newRow("API rate limit, the release page names the tag")
            << QList<Route>{{"status", api, 403},
                            {"redirect", page, "/yt-dlp/yt-dlp/releases/tag/2025.02.01"}}
            << "yt-dlp" << DepStatus::updateAvailable("2024.01.01", "2025.02.01");
        QTest::newRow("API rate limit, no release page")
            << QList<Route>{{"status", api, 403}} << "yt-dlp"
            << DepStatus::unchecked("2024.01.01", "the server answered HTTP 403");
        QTest::newRow("API too many requests, page without a tag")
            << QList<Route>{{"status", api, 429}, {"redirect", page, "/yt-dlp/yt-dlp/releases"}}
            << "yt-dlp" << DepStatus::unchecked("2024.01.01", "the server answered HTTP 429");
        QTest::newRow("API answers another shape")
            << QList<Route>{{"redirect", api, "/ffmpeg/release-readme.txt"}} << "yt-dlp"
            << DepStatus::unchecked("2024.01.01", "the answer names no version");
        QTest::newRow("API goes quiet") << QList<Route>{{"stall", api, true}} << "yt-dlp"
                                        << DepStatus::unchecked("2024.01.01", idle);
        QTest::newRow("ffmpeg distributor down")
            << QList<Route>{{"status", "/ffmpeg/release-readme.txt", 503}} << "ffmpeg"
            << DepStatus::unchecked("6.0-old", "the server answered HTTP 503");
        QTest::newRow("Node.js index down")
            << QList<Route>{{"status", "/dist/index.json", 502}} << "node"
            << DepStatus::unchecked("v22.20.0", "the server answered HTTP 502");
        QTest::newRow("Node.js: the newest of its line, not of any line")
            << QList<Route>{} << "node" << DepStatus::updateAvailable("v22.20.0", "v22.21.0");
    }

    void aFailedLookupIsNeverUpToDate()
    {
        QFETCH(QList<Route>, routes);
        QFETCH(QString, tool);
        QFETCH(DepStatus, expected);
        route(routes);
        DependencyChecker checker;
        await(checker.checkForUpdates());
        const Dependency *target = tool == "yt-dlp"   ? checker.ytdlp()
                                   : tool == "ffmpeg" ? checker.ffmpeg()
                                                      : checker.node();
        QCOMPARE(target->status(), expected);
        QVERIFY(checker.allReady());
    }

    void nodeIsInstalledAsTheCheckFindsIt()
    {
        QFile::remove(bin("node"));
        DependencyChecker checker;
        await(checker.checkInstalled());
        await(checker.installAll());
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.21.0"));
        await(checker.checkForUpdates());
        QCOMPARE(checker.node()->status(), DepStatus::upToDate("v22.21.0"));
    }

    void aToolThatNeverAnswersEndsTheCheck()
    {
        const QString pids = hangingYtdlp();
        DependencyChecker checker;
        await(checker.checkStatus());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QCOMPARE(checker.ffmpeg()->status().kind(), DepStatus::Kind::UpdateAvailable);
        QTRY_VERIFY(!anyAlive(pids));
    }

    // What scripts read: the status, and why.
    void statusJson_data() { addTags({"broken tool", "could not check"}); }

    void statusJson()
    {
        if (tag() == "broken tool")
            writeScript(bin("yt-dlp"), "exit 3");
        else
            m_mirror->addRoute("status", api, 403);
        QProcess cli;
        cli.setProcessEnvironment(m_mirror->environment());
        cli.start(REELIX_CLI_PATH, {"tools", "status", "--json"});
        QVERIFY(cli.waitForFinished(60000));
        const QJsonObject ytdlp =
            QJsonDocument::fromJson(cli.readAllStandardOutput().trimmed().split('\n').last())
                .array()[0]
                .toObject();
        const bool broken = tag() == "broken tool";
        QCOMPARE(ytdlp["status"].toString(), QString(broken ? "failed" : "unchecked"));
        QCOMPARE(ytdlp["message"].toString(),
                 QString(broken ? "L'outil n'affiche pas de version (--version)"
                                : "the server answered HTTP 403"));
        QCOMPARE(cli.exitCode(), broken ? 1 : 0);
    }

    // A stop ends the command soon, with its summary and JSON, and leaves
    // no temporary file and no tool running.
    void aStopEndsEveryCommand_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("signal");
        QTest::newRow("install, download stalled, Ctrl-C") << "install" << SIGINT;
        QTest::newRow("update, download stalled, SIGTERM") << "update" << SIGTERM;
        QTest::newRow("status, a tool never answers, Ctrl-C") << "status" << SIGINT;
    }

    void aStopEndsEveryCommand()
    {
        QFETCH(QString, action);
        QFETCH(int, signal);
        const QString pids = action == "status" ? hangingYtdlp() : QString();
        if (action == "install")
            QFile::remove(bin("yt-dlp"));
        m_mirror->addRoute("stall", asset);
        QProcessEnvironment env = m_mirror->environment();
        env.insert("REELIX_IDLE_LIMIT_MS", "600000");
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(REELIX_CLI_PATH, {"tools", action, "--json"});
        QTRY_VERIFY_WITH_TIMEOUT(pids.isEmpty() ? !leftovers().isEmpty() : anyAlive(pids), 30000);
        ::kill(pid_t(cli.processId()), signal);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 130);
        QVERIFY(cli.readAllStandardError().contains("yt-dlp: unknown"));
        const QJsonArray tools =
            QJsonDocument::fromJson(cli.readAllStandardOutput().trimmed().split('\n').last())
                .array();
        QCOMPARE(tools.size(), 3);
        QCOMPARE(leftovers(), QStringList());
        QVERIFY(pids.isEmpty() || !anyAlive(pids));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
    }
};

REELIX_TEST_MAIN(TestToolHangs)
#include "tst_toolhangs.moc"
