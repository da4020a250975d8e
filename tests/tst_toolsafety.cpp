#include "fixtures/EngineHarness.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "deps/ToolInstall.h"
#include "platform/ToolPaths.h"

#include <QJsonObject>
#include <QScopeGuard>

#include <csignal>

using namespace ToolFolder;
using namespace MirrorTexts;
using Member = ToolMirror::Member;
using MemberKind = ToolMirror::Member::Kind;
using Sums = ToolMirror::Sums;
Q_DECLARE_METATYPE(QList<Member>)
Q_DECLARE_METATYPE(Sums)

// What a hostile, unreliable or silent mirror, or a tool that never answers,
// can do to a check or an update: each ends and says why, and leaves the
// working tools, the temporary folder and the process table as they were.
// Every download is checked against the sums its distributor publishes before
// it replaces anything, and a verified update can be undone.
class TestToolSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;
    static inline const QString asset = "/assets/yt-dlp_linux";
    static inline const QString sums = "/yt-dlp/yt-dlp/releases/latest/download/SHA2-256SUMS";

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

    // The real reelix-cli against the mirror, in English: its exit code,
    // standard error and the named tool's object in the JSON line.
    std::tuple<int, QString, QJsonObject> cli(const QStringList &args, const QString &name) const
    {
        QProcessEnvironment env = m_mirror->environment();
        env.insert("LC_ALL", "C");
        const Harness::CliRun run = Harness::runCli(args + QStringList{"--json"}, {}, env);
        QJsonObject tool;
        for (const QJsonValue v : run.json())
            tool = v["name"].toString().startsWith(name, Qt::CaseInsensitive) ? v.toObject() : tool;
        return {run.exitCode, run.err, tool};
    }

    // A file of the user's that a link in an archive points at.
    static QString precious() { return TestHome::path() + "/precious.txt"; }

    // The working tools, untouched, nothing else, and the user's file as it was.
    static void verifyWorkingToolsSurvived()
    {
        verifyOldToolsAlone();
        QCOMPARE(readText(precious()), QString("mine"));
        QVERIFY(!QFileInfo(precious()).isSymLink());
        QCOMPARE(int(QFile::permissions(precious()) & 0x7077), 0x6000); // rw-------
    }

private slots:
    void initTestCase()
    {
        m_mirror = ToolMirror::withShortLimits();
        QVERIFY(m_mirror->isReady());
    }

    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        writeText(precious(), "mine");
        QFile::setPermissions(precious(), QFile::ReadOwner | QFile::WriteOwner);
        placeOldTools();
    }

    // A member that is not a regular file, or an archive cut short after its
    // first member, fails the update of that tool; so does a yt-dlp that does
    // not run (`truncated`: the archive is cut in half).
    void onlyRegularFilesArePlaced_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<Member>>("members");
        QTest::addColumn<bool>("truncated");
        const Member ffmpeg{"ffmpeg", MemberKind::Script, "echo 'ffmpeg version 7.1 x'"};
        const Member ffprobe{"ffprobe", MemberKind::Script, "echo 'ffprobe version 7.1'"};
        const auto row = [](const char *name, const char *tool, const QList<Member> &members,
                            bool truncated = false) {
            QTest::newRow(name) << QString(tool) << members << truncated;
        };
        row("ffmpeg links to a user file", "ffmpeg",
            {{"ffmpeg", MemberKind::Link, precious()}, ffprobe});
        row("ffprobe links to a user file", "ffmpeg",
            {ffmpeg, {"ffprobe", MemberKind::Link, precious()}});
        row("ffmpeg is a folder", "ffmpeg", {{"ffmpeg", MemberKind::Folder, {}}, ffprobe});
        row("ffmpeg is a fifo", "ffmpeg", {{"ffmpeg", MemberKind::Fifo, {}}, ffprobe});
        row("node links to a user file", "node", {{"bin/node", MemberKind::Link, precious()}});
        QString filler;
        for (int i = 0; i < 20000; ++i)
            filler += QString::number(quint64(i) * 2654435761u % 1000003, 36);
        row("ffmpeg archive cut short", "ffmpeg", {ffmpeg, {"ffprobe", MemberKind::Text, filler}},
            true);
        row("node archive cut short", "node",
            {{"bin/node", MemberKind::Script, "echo v22.21.0"},
             {"bin/npm", MemberKind::Text, filler}},
            true);
        const std::pair<const char *, const char *> ytdlp[] = {
            {"yt-dlp empty", ""},
            {"yt-dlp an HTML page served with 200", "<html><body>Rate limited</body></html>"},
            {"yt-dlp a script cut short", "#!/bin/sh\nec"},
            {"yt-dlp a binary cut short", "\177ELF\2\1\1"}};
        for (const auto &[name, body] : ytdlp)
            row(name, "yt-dlp", {{"yt-dlp", MemberKind::Text, body}});
    }

    void onlyRegularFilesArePlaced()
    {
        QFETCH(QString, tool);
        QFETCH(QList<Member>, members);
        QFETCH(bool, truncated);
        const QMap<QString, QString> download{
            {"yt-dlp", "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux"},
            {"ffmpeg", "/ffmpeg/releases/ffmpeg-release-amd64-static.tar.xz"},
            {"node", "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz"}};
        const QString archive = "/hostile/" + download[tool].section('/', -1);
        if (tool == "yt-dlp")
            writeText(m_mirror->path(archive), members[0].content);
        else
            QVERIFY(m_mirror->packMembers(archive, tool == "node" ? "czf" : "cJf", "top", members));
        if (truncated) {
            QFile file(m_mirror->path(archive));
            QVERIFY(file.resize(file.size() / 2));
        }
        m_mirror->addRoute("redirect", download[tool], archive);
        const DepStatus status = updateOnly(tool);
        QCOMPARE(status.kind(), DepStatus::Kind::Failed);
        const QString message = tool == "yt-dlp" ? ""
                                : truncated      ? "tar failed"
                                                 : "is not a regular file";
        QVERIFY2(!status.message().isEmpty() && status.message().contains(message),
                 qPrintable(status.message()));
        verifyWorkingToolsSurvived();
    }

    void aBrokenToolIsRepaired_data() { addTags({"install", "update"}); }

    void aBrokenToolIsRepaired()
    {
        writeText(bin("yt-dlp"), "<html>not a program</html>");
        QFile::setPermissions(bin("yt-dlp"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        DependencyChecker checker;
        await(checker.checkStatus());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY(!checker.ytdlp()->status().message().isEmpty());
        QVERIFY(checker.hasFailure());
        QCOMPARE(checker.ffmpeg()->status().kind(), DepStatus::Kind::UpdateAvailable);
        await(tag() == "install" ? checker.installAll() : checker.updateAll());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Installed);
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2025.01.15"));
        QVERIFY2(!checker.hasFailure(), qPrintable(checker.logOutput()));
        QCOMPARE(leftovers(), QStringList());
    }

    void sumsDecideTheUpdateWhichCanBeUndone_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<Sums>("sums");
        QTest::addColumn<QString>("outcome"); // the verification, or the refusal
        QTest::newRow("yt-dlp, sums match") << "yt-dlp" << Sums::Correct << "sha256";
        QTest::newRow("ffmpeg, MD5 matches") << "ffmpeg" << Sums::Correct << "md5";
        QTest::newRow("node, sums match") << "node" << Sums::Correct << "sha256";
        QTest::newRow("yt-dlp, wrong sum") << "yt-dlp" << Sums::Wrong << "does not match";
        QTest::newRow("ffmpeg, wrong MD5") << "ffmpeg" << Sums::Wrong << "does not match";
        QTest::newRow("node, wrong sum") << "node" << Sums::Wrong << "does not match";
        QTest::newRow("yt-dlp, no sums") << "yt-dlp" << Sums::Missing << "could not be read";
        QTest::newRow("ffmpeg, no sums") << "ffmpeg" << Sums::Missing << "could not be read";
    }

    void sumsDecideTheUpdateWhichCanBeUndone()
    {
        QFETCH(QString, tool);
        QFETCH(Sums, sums);
        QFETCH(QString, outcome);
        m_mirror->setSums(sums);
        const DepStatus status = updateOnly(tool);
        if (sums != Sums::Correct) {
            QCOMPARE(status.kind(), DepStatus::Kind::Failed);
            QVERIFY2(status.message().contains(outcome), qPrintable(status.message()));
            return verifyOldToolsAlone();
        }
        QVERIFY2(status.kind() != DepStatus::Kind::Failed, qPrintable(status.message()));
        // The new version runs; rolling back below shows the old one was kept.
        QCOMPARE(oldToolsChanged(),
                 (tool == "ffmpeg" ? QStringList{"ffmpeg", "ffprobe"} : QStringList(tool)));
        // The record outlives the process: a new one reads it.
        const auto [code, err, json] = cli({"tools", "status"}, tool);
        QCOMPARE(json["verified"], QJsonValue(true));
        QCOMPARE(json["verification"].toString(), outcome);
        QCOMPARE(json["canRollBack"], QJsonValue(true));

        // Rolling back puts the old version (ffmpeg with its ffprobe) in place
        // and uses it up.
        const auto [backCode, backErr, back] = cli({"tools", "rollback", tool}, tool);
        QVERIFY2(backCode == 0, qPrintable(backErr));
        QCOMPARE(oldToolsChanged(), QStringList());
        QCOMPARE(back["canRollBack"], QJsonValue(false));
        QCOMPARE(back["verification"].toString(), QString("not verified"));
        const auto [againCode, againErr, again] = cli({"tools", "rollback", tool}, tool);
        QCOMPARE(againCode, 1);
        QVERIFY2(againErr.contains("no previous version is kept"), qPrintable(againErr));
        QCOMPARE(oldToolsChanged(), QStringList());
    }

    // A download or its sums that go quiet, trickle or never end → why the
    // update ended.
    void aQuietDownloadEnds_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString node = "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz";
        QTest::newRow("stall yt-dlp") << "stall" << asset << idle;
        QTest::newRow("endless yt-dlp") << "endless" << asset << idle;
        QTest::newRow("stall node") << "stall" << node << idle;
        QTest::newRow("trickle yt-dlp") << "trickle" << asset << deadline;
        QTest::newRow("flood yt-dlp") << "flood" << asset << tooLarge.arg("2.0 MB");
        QTest::newRow("trickle sums") << "trickle" << sums << deadline;
        QTest::newRow("flood sums") << "flood" << sums << tooLarge.arg("4.2 MB");
    }

    void aQuietDownloadEnds()
    {
        QFETCH(QString, route);
        QFETCH(QString, path);
        QFETCH(QString, message);
        const bool node = path.contains("node");
        m_mirror->addRoute(route, path);
        DependencyChecker checker;
        Dependency *tool = node ? checker.node() : checker.ytdlp();
        tool->setStatus(DepStatus::updateAvailable("old", node ? "v22.21.0" : "2025.01.15"));
        await(checker.updateAll());
        QCOMPARE(tool->status().kind(), DepStatus::Kind::Failed);
        QVERIFY2(tool->status().message().contains(message), qPrintable(tool->status().message()));
        verifyOldToolsAlone();
    }

    void aToolThatNeverAnswersEndsTheCheck()
    {
        const QString pids = hangingYtdlp();
        ToolInstall::versionTimeLimit = std::chrono::seconds(1);
        const auto restore =
            qScopeGuard([] { ToolInstall::versionTimeLimit = std::chrono::seconds(10); });
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
        const auto [code, err, ytdlp] = cli({"tools", "status"}, "yt-dlp");
        QCOMPARE(code, broken ? 1 : 0);
        QCOMPARE(ytdlp["status"].toString(), QString(broken ? "failed" : "unchecked"));
        QCOMPARE(ytdlp["message"].toString(),
                 broken ? QString("The tool shows no version (--version)") : http + "403");
    }

    // A stop ends the command soon, with its summary and JSON, and leaves
    // no temporary file and no tool running.
    void aStopEndsEveryCommand_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("sumsStalled");
        QTest::addColumn<int>("signal");
        QTest::newRow("install, download stalled, SIGINT") << "install" << false << SIGINT;
        QTest::newRow("update, download stalled, SIGTERM") << "update" << false << SIGTERM;
        QTest::newRow("update, sums stalled, SIGINT") << "update" << true << SIGINT;
        QTest::newRow("status, a tool never answers, SIGINT") << "status" << false << SIGINT;
    }

    void aStopEndsEveryCommand()
    {
        QFETCH(QString, action);
        QFETCH(bool, sumsStalled);
        QFETCH(int, signal);
        const QString pids = action == "status" ? hangingYtdlp() : QString();
        if (action == "install")
            QFile::remove(bin("yt-dlp"));
        // The sums are fetched while the download waits for them.
        m_mirror->addRoute("stall", sumsStalled ? sums : asset);
        QProcess command;
        QProcessEnvironment env = m_mirror->environment();
        env.insert("REELIX_IDLE_LIMIT_MS", "600000");
        env.insert("REELIX_TRANSFER_LIMIT_MS", "600000");
        command.setProcessEnvironment(env);
        command.start(REELIX_CLI_PATH, {"tools", action, "--json"});
        QTRY_VERIFY_WITH_TIMEOUT(
            pids.isEmpty() ? leftovers().size() == 1 + sumsStalled : anyAlive(pids), 30000);
        ::kill(pid_t(command.processId()), signal);
        QVERIFY(command.waitForFinished(30000));
        QCOMPARE(command.exitCode(), 130);
        QVERIFY(command.readAllStandardError().contains("yt-dlp: unknown"));
        QCOMPARE(Harness::lastJson(command.readAllStandardOutput()).size(), 3);
        QCOMPARE(leftovers(), QStringList());
        // Signalled before the exit, gone soon after.
        QTRY_VERIFY(pids.isEmpty() || !anyAlive(pids));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
    }
};

REELIX_TEST_MAIN(TestToolSafety)
#include "tst_toolsafety.moc"
