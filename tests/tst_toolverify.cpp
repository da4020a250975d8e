#include "fixtures/Support.h"
#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "i18n/Localization.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace ToolFolder;
using Sums = ToolMirror::Sums;
Q_DECLARE_METATYPE(Sums)

// Every download is checked against the sums its distributor publishes
// before it replaces anything, and a verified update can be undone.
class TestToolVerify : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    // The real reelix-cli against the mirror, in English: its exit code,
    // standard error and the named tool's object in the JSON line.
    std::tuple<int, QString, QJsonObject> cli(const QStringList &args, const QString &name) const
    {
        QProcessEnvironment env = m_mirror->environment();
        env.insert("LC_ALL", "C");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(REELIX_CLI_PATH, args + QStringList{"--json"});
        p.waitForFinished(180000);
        QJsonObject tool;
        const QByteArray out = p.readAllStandardOutput().trimmed();
        for (const QJsonValue v : QJsonDocument::fromJson(out.split('\n').last()).array())
            tool = v["name"].toString().startsWith(name, Qt::CaseInsensitive) ? v.toObject() : tool;
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()), tool};
    }

    // The tools a user had before the update, with their versions.
    static inline const QMap<QString, QString> oldTools = {{"yt-dlp", "2024.01.01"},
                                                           {"ffmpeg", "ffmpeg version 6.0-old x"},
                                                           {"ffprobe", "ffprobe version 6.0-old"},
                                                           {"node", "v22.20.0"}};
    static QString versionOf(const QString &name, const QString &folder = ToolPaths::binDirectory())
    {
        return toolOutput(folder + "/" + name,
                          name == "yt-dlp" || name == "node" ? "--version" : "-version");
    }
    static void verifyOldToolsRun()
    {
        for (const QString &name : oldTools.keys())
            QCOMPARE(versionOf(name), oldTools.value(name));
    }

    // Marks `name` as behind and the others as current, then updates.
    static DepStatus update(const QString &name)
    {
        DependencyChecker checker;
        Dependency *target = nullptr;
        for (Dependency *tool : checker.tools()) {
            tool->setStatus(DepStatus::upToDate("current"));
            target = tool->fileName() == name ? tool : target;
        }
        target->setStatus(name == "node" ? DepStatus::updateAvailable("v22.20.0", "v22.21.0")
                                         : DepStatus::updateAvailable("old", "2025.01.15"));
        await(checker.updateAll());
        return target->status();
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        for (const QString &name : oldTools.keys())
            writeScript(bin(name), "echo '" + oldTools.value(name) + "'");
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
        const DepStatus status = update(tool);
        if (sums != Sums::Correct) {
            QCOMPARE(status.kind(), DepStatus::Kind::Failed);
            QVERIFY2(status.message().contains(outcome), qPrintable(status.message()));
            verifyOldToolsRun();
            QCOMPARE(QDir(ToolPaths::binDirectory())
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     (QStringList{"ffmpeg", "ffprobe", "node", "yt-dlp"}));
            QCOMPARE(leftovers(), QStringList());
            return;
        }
        QVERIFY2(status.kind() != DepStatus::Kind::Failed, qPrintable(status.message()));
        // The new version runs; the one it replaced is kept.
        QVERIFY(!versionOf(tool).contains("old") && versionOf(tool) != "v22.20.0");
        QCOMPARE(versionOf(tool, ToolRecord::previousFolder()), oldTools.value(tool));
        // The record outlives the process: a new one reads it.
        const auto [code, err, json] = cli({"tools", "status"}, tool);
        QCOMPARE(json["verified"], QJsonValue(true));
        QCOMPARE(json["verification"].toString(), outcome);
        QCOMPARE(json["canRollBack"], QJsonValue(true));

        // Rolling back puts the old version (ffmpeg with its ffprobe) in place
        // and uses it up.
        const auto [backCode, backErr, back] = cli({"tools", "rollback", tool}, tool);
        QVERIFY2(backCode == 0, qPrintable(backErr));
        verifyOldToolsRun();
        QCOMPARE(back["canRollBack"], QJsonValue(false));
        QCOMPARE(back["verification"].toString(), QString("not verified"));
        const auto [againCode, againErr, again] = cli({"tools", "rollback", tool}, tool);
        QCOMPARE(againCode, 1);
        QVERIFY2(againErr.contains("no previous version is kept"), qPrintable(againErr));
        verifyOldToolsRun();
    }

    // What the installer decides per platform; the macOS rows cannot run here.
    void platformDecisions_data()
    {
        QTest::addColumn<bool>("mac");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<bool>("rosetta");
        QTest::addColumn<QString>("ffmpegSources"); // "address<sums address" each, or unsupported
        const QString mac = "h/ffmpeg/getrelease/ffmpeg/zip< h/ffmpeg/getrelease/ffprobe/zip<";
        const QString linux = "h/ffmpeg/releases/ffmpeg-release-amd64-static.tar.xz";
        QTest::newRow("Intel Mac") << true << "x86_64" << false << mac;
        QTest::newRow("Apple Silicon Mac") << true << "arm64" << true << mac;
        QTest::newRow("Linux") << false << "x86_64" << false << linux + "<" + linux + ".md5";
        for (const char *arch : {"i386", "i686", "arm", "armv7l"})
            QTest::newRow(arch) << false << arch << false << "unsupported";
    }

    void platformDecisions()
    {
        QFETCH(bool, mac);
        QFETCH(QString, machine);
        QFETCH(bool, rosetta);
        QFETCH(QString, ffmpegSources);
        PlatformProfile p = mac ? PlatformProfile::macOSProfile(TestHome::path(), {})
                                : m_mirror->linuxProfile(TestHome::path());
        p.machine = machine;
        p.ffmpegURL = "h";
        QCOMPARE(p.ffmpegNeedsRosetta(), rosetta);
        QStringList sources;
        for (const ToolSource &s : p.ffmpegSources())
            sources << s.address + "<" + s.sumsAddress;
        const bool supported = PlatformProfile::isSupportedArchitecture(machine);
        QCOMPARE(supported ? sources.join(' ') : QString("unsupported"), ffmpegSources);
        if (supported && !mac)
            return;
        // The macOS source's Intel-only ffmpeg cannot start here either (on an
        // Apple Silicon Mac the message says what to do); a 32-bit machine is
        // told so. Nothing is placed.
        QDir(ToolPaths::binDirectory()).removeRecursively();
        for (const char *zip : {"ffmpeg", "ffprobe"})
            writeText(m_mirror->path(QString("/ffmpeg/getrelease/%1/zip").arg(zip)), "zip");
        p.ffmpegURL = m_mirror->host();
        p.unzipTool =
            writeScript(TestHome::path() + "/unzip", R"(printf '\317\372' > "$4/ffmpeg")");
        PlatformProfile::setCurrent(p);
        DependencyChecker checker;
        checker.ytdlp()->setStatus(DepStatus::installedStatus());
        await(checker.installAll());
        const QString message = checker.ffmpeg()->failureMessage();
        QVERIFY2(supported ? message.contains("softwareupdate --install-rosetta") == rosetta
                           : message.contains("(" + machine + ") is not supported"),
                 qPrintable(message));
        QVERIFY(!message.isEmpty());
        QCOMPARE(QDir(ToolPaths::binDirectory()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

REELIX_TEST_MAIN(TestToolVerify)
#include "tst_toolverify.moc"
