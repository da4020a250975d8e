#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "deps/ToolRecord.h"
#include "i18n/Localization.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QJsonObject>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTranslator>

#include <unistd.h>

using namespace ToolFolder;

// Version checks and installs against a local distributor mirror on
// 127.0.0.1 that serves real archives built here (GNU tar; stand-ins for the
// macOS unzip/tar/xattr record their arguments).
class TestTools : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    QString mirror(const QString &path) const { return m_mirror->path(path); }

    // English texts until the guard goes; the other tests read the ids.
    static auto inEnglish()
    {
        Localization::install(QLocale(QLocale::English));
        return qScopeGuard([] {
            for (QTranslator *t : qApp->findChildren<QTranslator *>())
                QCoreApplication::removeTranslator(t);
        });
    }

    // A mirror route that breaks one download → the tool that fails, its message.
    using Failure = std::tuple<const char *, const char *, const char *, const char *, const char *,
                               const char *>;
    static constexpr const char *ffmpegArchive =
        "/ffmpeg/releases/ffmpeg-release-amd64-static.tar.xz";
    static inline const Failure failureCases[] = {
        {"ffmpeg 404", "status", ffmpegArchive, "404", "ffmpeg", "HTTP 404"},
        {"ffmpeg dropped mid-body", "drop", ffmpegArchive, "", "ffmpeg", ""},
        {"no ffmpeg in archive", "redirect", ffmpegArchive, "/empty/ffmpeg.tar.xz", "ffmpeg",
         "No ffmpeg executable in the archive"},
        {"no node in archive", "redirect", "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz",
         "/empty/node.tar.gz", "Node.js", "No node executable in the archive"},
    };

private slots:
    void initTestCase()
    {
        qputenv("REELIX_TOOL_SIZE_LIMIT", "1000000"); // for downloads and unpacked files
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void init() { m_mirror->serveAnEmptyToolFolder(); }

    void firstTimeInstall()
    {
        const auto english = inEnglish();
        DependencyChecker checker;
        QStringList trail; // the statuses the tools went through, in order, each once
        for (Dependency *tool : checker.tools())
            connect(tool, &Dependency::statusChanged, this, [&, tool] {
                const QString step = tool->name() + ":" + tool->status().caseName();
                if (trail.isEmpty() || trail.last() != step)
                    trail << step;
            });
        await(checker.installAll());
        QCOMPARE(checker.phase(), DependencyChecker::Phase::Ready);
        QCOMPARE(checker.currentStep(), QString());
        QCOMPARE(checker.logOutput(),
                 QString("▶ Downloading yt-dlp…\n✓ yt-dlp ready\n"
                         "▶ Downloading ffmpeg…\n"
                         "ffmpeg-release-amd64-static.tar.xz matches its published MD5 sum (MD5 "
                         "only: it catches a damaged download, not a deliberate change)\n"
                         "✓ ffmpeg ready\n"
                         "▶ Downloading Node.js…\n✓ Node.js ready\n"));
        for (const QString name : {"yt-dlp", "ffmpeg", "ffprobe", "node"}) {
            QFileInfo info(bin(name));
            QVERIFY2(info.isFile(), qPrintable(name));
            QCOMPARE(int(info.permissions() & 0x7777), 0x7755); // rwxr-xr-x
        }
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.21.0"));
        // Progress first, the final status last, never a report after it.
        QCOMPARE(trail, words("yt-dlp:downloading yt-dlp:installed ffmpeg:downloading "
                              "ffmpeg:installed Node.js:downloading Node.js:installed"));
        QCOMPARE(leftovers(), QStringList());

        // Then the version checks, with an older Node.js of the same line.
        writeScript(bin("node"), "echo v22.20.0");
        await(checker.checkForUpdates());
        QCOMPARE(checker.phase(), DependencyChecker::Phase::UpdatesAvailable);
        QCOMPARE(checker.ytdlp()->status(), DepStatus::upToDate("2025.01.15"));
        QCOMPARE(checker.ffmpeg()->status(), DepStatus::upToDate("7.1-static"));
        QCOMPARE(checker.node()->status(), DepStatus::updateAvailable("v22.20.0", "v22.21.0"));
        QVERIFY(checker.hasUpdates());

        await(checker.updateAll());
        QCOMPARE(checker.logOutput(), QString("▶ Updating Node.js…\n✓ Node.js v22.21.0\n"));
        QCOMPARE(checker.node()->status(), DepStatus::upToDate("v22.21.0"));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.21.0"));
        QCOMPARE(checker.phase(), DependencyChecker::Phase::Ready);

        // Everything present: nothing to do.
        for (Dependency *tool : checker.tools())
            tool->setStatus(DepStatus::installedStatus());
        QSignalSpy installing(&checker, &DependencyChecker::phaseChanged);
        await(checker.installAll());
        QCOMPARE(installing.size(), 2);
        QCOMPARE(checker.logOutput(), QString());
        QCOMPARE(checker.currentStep(), QString());
    }

    void failuresStopTheRun_data() { addCases(failureCases); }

    void failuresStopTheRun()
    {
        const auto &[name, route, path, value, failing, message] = caseOf(failureCases);
        const auto untranslated = inEnglish();
        m_mirror->addRoute(route, path,
                           route == QString("status") ? QJsonValue(QString(value).toInt())
                                                      : QJsonValue(value));
        DependencyChecker checker;
        await(checker.installAll());
        QCOMPARE(checker.phase(), DependencyChecker::Phase::Missing);
        bool reached = false;
        for (Dependency *tool : checker.tools()) {
            const QString file = bin(tool->fileName());
            if (tool->name() == failing) {
                QCOMPARE(tool->status().kind(), DepStatus::Kind::Failed);
                QVERIFY2(tool->status().message().contains(message),
                         qPrintable(tool->status().message()));
                QVERIFY(checker.logOutput().endsWith("✗ " + tool->status().message() + "\n"));
                QVERIFY(!QFileInfo::exists(file));
                reached = true;
            } else if (!reached) {
                QCOMPARE(tool->status(), DepStatus::installedStatus());
                QVERIFY(QFileInfo(file).isExecutable());
            } else {
                QCOMPARE(tool->status(), DepStatus::unknown()); // not attempted
                QVERIFY(!QFileInfo::exists(file));
            }
        }
        QVERIFY(reached);
        QCOMPARE(checker.currentStep(), "Downloading " + QString(failing));
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(QDir(ToolPaths::binDirectory())
                     .entryList(QDir::Hidden | QDir::Files)
                     .filter(".reelix-"),
                 QStringList());
    }

private:
    // What a download or its archive may not do → the message of the
    // install it fails.
    using Refusal = std::tuple<const char *, const char *, const char *, const char *>;
    static inline const Refusal refusals[] = {
        {"download sent on to a local file", "yt-dlp", "file:///etc/passwd", "not safe to follow"},
        {"ffmpeg member beyond the bound", "ffmpeg", "/big/ffmpeg.tar.xz", "larger than 1.0 MB"},
        {"node member beyond the bound", "node", "/big/node.tar.gz", "larger than 1.0 MB"},
    };

    static Dependency *toolNamed(DependencyChecker &checker, const QString &fileName)
    {
        const QList<Dependency *> tools = checker.tools();
        return *std::find_if(tools.begin(), tools.end(),
                             [&](Dependency *tool) { return tool->fileName() == fileName; });
    }

    static QString downloadOf(const QString &fileName) // on the mirror
    {
        return fileName == "yt-dlp"   ? "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux"
               : fileName == "ffmpeg" ? ffmpegArchive
                                      : "/dist/v22.21.0/node-v22.21.0-linux-x64.tar.gz";
    }

    // An archive of a working tool, packed with `options`, served as its download.
    void serveArchive(const QString &tool, const QString &archive, const QString &script,
                      const QStringList &options = {})
    {
        const bool node = tool == "node";
        const QList<ToolMirror::Member> members =
            node ? QList<ToolMirror::Member>{{"bin/node", {}, "echo v22.21.0\n" + script}}
                 : QList<ToolMirror::Member>{{"ffmpeg", {}, "echo 'ffmpeg version 7.1'\n" + script},
                                             {"ffprobe", {}, "echo ffprobe"}};
        QVERIFY(m_mirror->packMembers(archive, node ? "czf" : "cJf", "top", members, options));
        m_mirror->addRoute("redirect", downloadOf(tool), archive);
    }

private slots:
    void aHostileDownloadIsRefused_data() { addCases(refusals); }

    void aHostileDownloadIsRefused()
    {
        const auto &[name, tool, target, message] = caseOf(refusals);
        const auto untranslated = inEnglish();
        // A comment line of 3 MB: the tool would still run.
        if (QString(target).startsWith("/big/"))
            serveArchive(tool, target, "#" + QString(3'000'000, 'x'));
        else
            m_mirror->addRoute("redirect", downloadOf(tool), target);
        DependencyChecker checker;
        Dependency *failing = toolNamed(checker, tool);
        await(checker.installTools({failing}));
        QCOMPARE(failing->status().kind(), DepStatus::Kind::Failed);
        QVERIFY2(failing->status().message().contains(message),
                 qPrintable(failing->status().message()));
        QCOMPARE(entries(), QStringList());
        QCOMPARE(leftovers(), QStringList());
    }

    // Installed as root, the tools belong to root, whoever the archive names.
    void unpackedToolsBelongToTheUser_data() { addTags({"ffmpeg", "node"}); }

    void unpackedToolsBelongToTheUser()
    {
        serveArchive(tag(), "/owned/" + downloadOf(tag()).section('/', -1), {},
                     {"--owner=4242", "--group=4242"});
        DependencyChecker checker;
        await(checker.installTools({toolNamed(checker, tag())}));
        QVERIFY2(!checker.hasFailure(), qPrintable(checker.logOutput()));
        for (const QString &file : ToolRecord::filesOf(tag())) {
            QCOMPARE(QFileInfo(bin(file)).ownerId(), uint(::geteuid()));
            QCOMPARE(QFileInfo(bin(file)).groupId(), uint(::getegid()));
        }
    }

    void twoSumsForOneDownload() // the right one first
    {
        const QString sums = mirror("/yt-dlp/yt-dlp/releases/latest/download/SHA2-256SUMS");
        writeText(sums, readText(sums) + QString(64, 'a') + "  yt-dlp_linux\n");
        const auto untranslated = inEnglish();
        DependencyChecker checker;
        await(checker.installTools({checker.ytdlp()}));
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QVERIFY2(checker.ytdlp()->status().message().contains("more than once"),
                 qPrintable(checker.ytdlp()->status().message()));
        QCOMPARE(entries(), QStringList());
    }

    // A previous version that does not run is not placed, and stays for
    // another try: all of it (ffmpeg with its ffprobe), as it was.
    void aFailedRollbackChangesNothing_data() { addTags({"yt-dlp", "ffmpeg", "ffprobe"}); }

    void aFailedRollbackChangesNothing()
    {
        placeOldTools();
        const QString previous = ToolRecord::previousFolder();
        for (const QString name : {"yt-dlp", "ffmpeg", "ffprobe"})
            writeScript(previous + "/" + name, name == tag() ? "exit 3" : "echo " + name + " 1");
        const auto kept = [&] {
            QStringList files;
            for (const QString &name : QDir(previous).entryList(QDir::Files | QDir::Hidden))
                files << name + ": " + readText(previous + "/" + name);
            return files;
        };
        const QStringList before = kept();
        DependencyChecker checker;
        Dependency *tool = tag() == "yt-dlp" ? checker.ytdlp() : checker.ffmpeg();
        QVERIFY(!await(checker.rollBack(tool)));
        QCOMPARE(kept(), before);
        QVERIFY(tool->hasPrevious());
        QCOMPARE(oldToolsChanged(), QStringList());
        QCOMPARE(QDir(previous).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"ffmpeg", "ffprobe", "yt-dlp"}));
    }

    // The macOS profile on Linux: unzip, tar and xattr are stand-ins that
    // record their arguments and leave the file the real tool would.
    void macOSProfileTools()
    {
        const QString stand = TestHome::path() + "/standins";
        const QString record = stand + "/calls.txt";
        QFile::remove(record);
        // The stand-ins write their record where an unpacker's sandbox lets no one write.
        qputenv("REELIX_SANDBOX", "off");
        const auto sandboxBack = qScopeGuard([] { qunsetenv("REELIX_SANDBOX"); });
        // Each answers as the real one only when asked as the real one is.
        writeScript(stand + "/unzip", "echo \"unzip $*\" >> '" + record + "'\n" +
                                          R"([ "$1 $3" = "-o -d" ] || exit 9
printf '#!/bin/sh\necho ffmpeg version 7.1\n' > "$4/ffmpeg")");
        writeScript(
            stand + "/tar",
            "echo \"tar $*\" >> '" + record + "'\n" +
                R"([ "$1 $3 $4 $5 $6" = "xzf --no-same-owner --strip-components=2 --include=*/bin/node -C" ] || exit 9
printf '#!/bin/sh\necho v22.20.0\n' > "$7/node")");
        writeScript(stand + "/xattr", "echo \"xattr $*\" >> '" + record + "'");
        writeScript(mirror("/assets/yt-dlp_macos"), "echo 2025.01.15");
        writeText(mirror("/ffmpeg/getrelease/ffmpeg/zip"), "zip bytes");
        writeText(mirror("/ffmpeg/getrelease/ffprobe/zip"), "zip bytes");
        writeText(mirror("/dist/v22.21.0/node-v22.21.0-darwin-x64.tar.gz"), "tar bytes");
        m_mirror->addRoute("redirect", "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_macos",
                           "/assets/yt-dlp_macos");
        PlatformProfile p = PlatformProfile::macOSProfile(TestHome::path(), {});
        p.machine = "x86_64";
        p.githubURL = p.githubApiURL = p.ffmpegURL = p.nodeURL = m_mirror->host();
        p.unzipTool = stand + "/unzip";
        p.tarTool = stand + "/tar";
        p.xattrTool = stand + "/xattr";
        PlatformProfile::setCurrent(p);
        QDir(ToolPaths::binDirectory()).removeRecursively();

        DependencyChecker checker;
        await(checker.installAll());
        QVERIFY2(!checker.hasFailure(), qPrintable(checker.logOutput()));
        // Quarantine is lifted from each staged file before it takes the tool's name,
        // beside one unzip for each of ffmpeg and ffprobe and one tar for node.
        const QStringList calls = readText(record).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(calls.size(), 6);
        QCOMPARE(calls
                     .filter(QRegularExpression("^xattr -d com\\.apple\\.quarantine " +
                                                QRegularExpression::escape(bin(".")) +
                                                "(yt-dlp|ffmpeg|node)\\.reelix-[0-9A-F-]{36}$"))
                     .size(),
                 3);
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
        QCOMPARE(leftovers(), QStringList());
    }

    // The macOS source's Intel-only ffmpeg cannot start here (on an Apple
    // Silicon Mac the message says what to do); a 32-bit machine is told so.
    // Nothing is placed.
    void platformDecisions_data()
    {
        QTest::addColumn<bool>("mac");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QString>("hint"); // in the message; empty: no Rosetta hint
        QTest::newRow("Intel Mac") << true << "x86_64" << QString();
        QTest::newRow("Apple Silicon Mac") << true << "arm64"
                                           << "softwareupdate --install-rosetta";
        for (const char *arch : {"i386", "i686", "arm", "armv7l"})
            QTest::newRow(arch) << false << arch << QString("(%1) is not supported").arg(arch);
    }

    void platformDecisions()
    {
        QFETCH(bool, mac);
        QFETCH(QString, machine);
        QFETCH(QString, hint);
        PlatformProfile p = mac ? PlatformProfile::macOSProfile(TestHome::path(), {})
                                : m_mirror->linuxProfile(TestHome::path());
        p.machine = machine;
        for (const char *zip : {"ffmpeg", "ffprobe"})
            writeText(m_mirror->path(QString("/ffmpeg/getrelease/%1/zip").arg(zip)), "zip");
        p.ffmpegURL = m_mirror->host();
        p.unzipTool =
            writeScript(TestHome::path() + "/unzip", R"(printf '\317\372' > "$4/ffmpeg")");
        PlatformProfile::setCurrent(p);
        QDir(ToolPaths::binDirectory()).removeRecursively();
        const auto untranslated = inEnglish();
        DependencyChecker checker;
        checker.ytdlp()->setStatus(DepStatus::installedStatus());
        await(checker.installAll());
        const QString message = checker.ffmpeg()->failureMessage();
        QVERIFY2(!message.isEmpty() && (hint.isEmpty() ? !message.contains("softwareupdate")
                                                       : message.contains(hint)),
                 qPrintable(message));
        QCOMPARE(entries(), QStringList());
    }
};

REELIX_TEST_MAIN(TestTools)
#include "tst_tools.moc"
