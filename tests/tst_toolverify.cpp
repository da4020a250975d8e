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
// before it replaces anything, and an update can be undone.
class TestToolVerify : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    struct Cli
    {
        int exitCode = -1;
        QString err;
        QJsonObject tool; // the named tool's object in the JSON line, if any
    };

    // The real reelix-cli against the mirror, in English.
    Cli cli(const QStringList &args, const QString &name) const
    {
        QProcessEnvironment env = m_mirror->environment();
        env.insert("LC_ALL", "C");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(REELIX_CLI_PATH, args + QStringList{"--json"});
        p.waitForFinished(180000);
        Cli r{p.exitCode(), QString::fromUtf8(p.readAllStandardError()), {}};
        const QByteArray out = p.readAllStandardOutput().trimmed();
        for (const QJsonValue v : QJsonDocument::fromJson(out.split('\n').last()).array()) {
            if (v["name"].toString().startsWith(name, Qt::CaseInsensitive))
                r.tool = v.toObject();
        }
        return r;
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
        for (Dependency *tool : checker.tools()) {
            tool->setStatus(tool->fileName() != name ? DepStatus::upToDate("current")
                            : name == "node" ? DepStatus::updateAvailable("v22.20.0", "v22.21.0")
                                             : DepStatus::updateAvailable("old", "2025.01.15"));
        }
        await(checker.updateAll());
        for (Dependency *tool : checker.tools()) {
            if (tool->fileName() == name)
                return tool->status();
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void cleanupTestCase() { m_mirror.reset(); }

    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        for (const QString &name : oldTools.keys())
            writeScript(bin(name), "echo '" + oldTools.value(name) + "'");
    }

    void sumsDecideTheUpdate_data()
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

    void sumsDecideTheUpdate()
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
        const Cli r = cli({"tools", "status"}, tool);
        QCOMPARE(r.tool["verified"], QJsonValue(true));
        QCOMPARE(r.tool["verification"].toString(), outcome);
        QCOMPARE(r.tool["canRollBack"], QJsonValue(true));
    }

    void rollBackRestoresThePreviousVersion_data() { addTags({"yt-dlp", "ffmpeg", "node"}); }

    void rollBackRestoresThePreviousVersion()
    {
        const QString tool = tag();
        QVERIFY(update(tool).kind() != DepStatus::Kind::Failed);
        const Cli back = cli({"tools", "rollback", tool}, tool);
        QVERIFY2(back.exitCode == 0, qPrintable(back.err));
        verifyOldToolsRun(); // ffprobe came back with ffmpeg
        QCOMPARE(back.tool["canRollBack"], QJsonValue(false));
        QCOMPARE(back.tool["verification"].toString(), QString("not verified"));
        // The previous version is used up: nothing more to go back to.
        const Cli again = cli({"tools", "rollback", tool}, tool);
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains("no previous version is kept"), qPrintable(again.err));
        verifyOldToolsRun();
    }

    void unsupportedProcessorDownloadsNothing()
    {
        QDir(ToolPaths::binDirectory()).removeRecursively();
        PlatformProfile p = m_mirror->linuxProfile(TestHome::path());
        p.machine = "i686";
        PlatformProfile::setCurrent(p);
        DependencyChecker checker;
        await(checker.installAll());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY2(checker.ytdlp()->status().message().contains("(i686) is not supported"),
                 qPrintable(checker.ytdlp()->status().message()));
        QCOMPARE(QDir(ToolPaths::binDirectory()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // What the installer decides per platform, for the machines the tests
    // cannot run on.
    void platformDecisions_data()
    {
        QTest::addColumn<bool>("mac");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<bool>("rosetta");
        QTest::addColumn<QStringList>("ffmpegSources"); // address | sums address
        const QString linuxFfmpeg = "h/ffmpeg/releases/ffmpeg-release-%1-static.tar.xz";
        const QStringList mac{"h/ffmpeg/getrelease/ffmpeg/zip|",
                              "h/ffmpeg/getrelease/ffprobe/zip|"};
        QTest::newRow("Intel Mac") << true << "x86_64" << true << false << mac;
        QTest::newRow("Apple Silicon Mac") << true << "arm64" << true << true << mac;
        QTest::newRow("Linux x86_64")
            << false << "x86_64" << true << false
            << QStringList{linuxFfmpeg.arg("amd64") + "|" + linuxFfmpeg.arg("amd64") + ".md5"};
        QTest::newRow("Linux aarch64")
            << false << "aarch64" << true << false
            << QStringList{linuxFfmpeg.arg("arm64") + "|" + linuxFfmpeg.arg("arm64") + ".md5"};
        for (const char *arch : {"i386", "i686", "arm", "armv7l"})
            QTest::newRow(arch) << false << arch << false << false << QStringList();
    }

    void platformDecisions()
    {
        QFETCH(bool, mac);
        QFETCH(QString, machine);
        QFETCH(bool, supported);
        QFETCH(bool, rosetta);
        QFETCH(QStringList, ffmpegSources);
        QProcessEnvironment env;
        env.insert("REELIX_FFMPEG_URL", "h");
        PlatformProfile p = mac ? PlatformProfile::macOSProfile("/h", env)
                                : PlatformProfile::linuxProfile("/h", env);
        p.machine = machine;
        QCOMPARE(PlatformProfile::isSupportedArchitecture(machine), supported);
        QCOMPARE(p.ffmpegNeedsRosetta(), rosetta);
        if (!supported)
            return;
        QStringList sources;
        for (const ToolSource &s : p.ffmpegSources())
            sources << s.address + "|" + s.sumsAddress;
        QCOMPARE(sources, ffmpegSources);
    }
};

REELIX_TEST_MAIN(TestToolVerify)
#include "tst_toolverify.moc"
