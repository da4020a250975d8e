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
using Routes = QList<std::tuple<QString, QString, QJsonValue>>; // kind, path, value
Q_DECLARE_METATYPE(Routes)

// Distributors that go quiet, refuse or answer something else, and tools
// that never answer: every check and install ends and says why, and leaves
// the working tools, the temporary folder and the process table as they were.
class TestToolHangs : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;
    static inline const QString api = "/repos/yt-dlp/yt-dlp/releases/latest";
    static inline const QString page = "/yt-dlp/yt-dlp/releases/latest";
    static inline const QString asset = "/assets/yt-dlp_linux";
    static inline const QString idle = "No data for 2 s: the transfer was ended";
    static inline const QString http = "the server answered HTTP ";

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
        const QStringList ids = readText(pids).split(' ', Qt::SkipEmptyParts);
        return std::any_of(ids.begin(), ids.end(),
                           [](const QString &id) { return processAlive(id.toLongLong()); });
    }

    void startCli(QProcess &cli, const QString &action, const QString &idleLimit = "2000")
    {
        QProcessEnvironment env = m_mirror->environment();
        env.insert("REELIX_IDLE_LIMIT_MS", idleLimit);
        cli.setProcessEnvironment(env);
        cli.start(REELIX_CLI_PATH, {"tools", action, "--json"});
    }

    static QJsonArray jsonOf(QProcess &cli)
    {
        const QByteArray out = cli.readAllStandardOutput().trimmed();
        return QJsonDocument::fromJson(out.split('\n').last()).array();
    }

private slots:
    void initTestCase()
    {
        qputenv("REELIX_IDLE_LIMIT_MS", "2000"); // short, yet long enough for a busy machine
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

    void aQuietDownloadEnds_data() { addTags({"stall yt-dlp", "endless yt-dlp", "stall node"}); }

    void aQuietDownloadEnds()
    {
        const bool node = tag().endsWith("node");
        m_mirror->addRoute(tag().section(' ', 0, 0),
                           node ? "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz" : asset);
        DependencyChecker checker;
        Dependency *tool = node ? checker.node() : checker.ytdlp();
        tool->setStatus(DepStatus::updateAvailable("old", node ? "v22.21.0" : "2025.01.15"));
        await(checker.updateAll());
        QCOMPARE(tool->status(), DepStatus::failed(idle));
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2024.01.01"));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
        QCOMPARE(leftovers(), QStringList());
    }

    void aFailedLookupIsNeverUpToDate_data()
    {
        QTest::addColumn<Routes>("routes");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<DepStatus>("expected");
        const QString v = "2024.01.01";
        QTest::newRow("API rate limit, the release page names the tag")
            << Routes{{"status", api, 403},
                      {"redirect", page, "/yt-dlp/yt-dlp/releases/tag/2025.02.01"}}
            << "yt-dlp" << DepStatus::updateAvailable(v, "2025.02.01");
        QTest::newRow("API rate limit, no release page")
            << Routes{{"status", api, 403}} << "yt-dlp" << DepStatus::unchecked(v, http + "403");
        QTest::newRow("API too many requests, page without a tag")
            << Routes{{"status", api, 429}, {"redirect", page, "/yt-dlp/yt-dlp/releases"}}
            << "yt-dlp" << DepStatus::unchecked(v, http + "429");
        QTest::newRow("API answers another shape")
            << Routes{{"redirect", api, "/ffmpeg/release-readme.txt"}} << "yt-dlp"
            << DepStatus::unchecked(v, "the answer names no version");
        QTest::newRow("API goes quiet")
            << Routes{{"stall", api, true}} << "yt-dlp" << DepStatus::unchecked(v, idle);
        QTest::newRow("ffmpeg distributor down")
            << Routes{{"status", "/ffmpeg/release-readme.txt", 503}} << "ffmpeg"
            << DepStatus::unchecked("6.0-old", http + "503");
        QTest::newRow("Node.js index down") << Routes{{"status", "/dist/index.json", 502}} << "node"
                                            << DepStatus::unchecked("v22.20.0", http + "502");
        QTest::newRow("Node.js: the newest of its own line")
            << Routes{} << "node" << DepStatus::updateAvailable("v22.20.0", "v22.21.0");
    }

    void aFailedLookupIsNeverUpToDate()
    {
        QFETCH(Routes, routes);
        QFETCH(QString, tool);
        QFETCH(DepStatus, expected);
        for (const auto &[kind, path, value] : routes)
            m_mirror->addRoute(kind, path, value);
        DependencyChecker checker;
        await(checker.checkForUpdates());
        const Dependency *target = tool == "yt-dlp"   ? checker.ytdlp()
                                   : tool == "ffmpeg" ? checker.ffmpeg()
                                                      : checker.node();
        QCOMPARE(target->status(), expected);
        QVERIFY(checker.allReady());
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
        const bool broken = tag() == "broken tool";
        if (broken)
            writeScript(bin("yt-dlp"), "exit 3");
        else
            m_mirror->addRoute("status", api, 403);
        QProcess cli;
        startCli(cli, "status");
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), broken ? 1 : 0);
        const QJsonObject ytdlp = jsonOf(cli)[0].toObject();
        QCOMPARE(ytdlp["status"].toString(), QString(broken ? "failed" : "unchecked"));
        QCOMPARE(ytdlp["message"].toString(),
                 broken ? QString("The tool shows no version (--version)") : http + "403");
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
        QProcess cli;
        startCli(cli, action, "600000");
        QTRY_VERIFY_WITH_TIMEOUT(pids.isEmpty() ? !leftovers().isEmpty() : anyAlive(pids), 30000);
        ::kill(pid_t(cli.processId()), signal);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 130);
        QVERIFY(cli.readAllStandardError().contains("yt-dlp: unknown"));
        QCOMPARE(jsonOf(cli).size(), 3);
        QCOMPARE(leftovers(), QStringList());
        QTRY_VERIFY(pids.isEmpty() ||
                    !anyAlive(pids)); // signalled before the exit, gone soon after
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
    }
};

REELIX_TEST_MAIN(TestToolHangs)
#include "tst_toolhangs.moc"
