#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "deps/ReleaseLookup.h"
#include "deps/ToolInstall.h"
#include "deps/ToolVersions.h"
#include "i18n/Localization.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTranslator>

using namespace ToolFolder;

// Version checks and installs against a local distributor mirror on
// 127.0.0.1 that serves real archives built here (GNU tar; stand-ins for the
// macOS unzip/tar/xattr record their arguments).
class TestTools : public QObject
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    QString mirror(const QString &path) const { return m_mirror->path(path); }
    void setRoutes(const QJsonObject &routes) { m_mirror->setRoutes(routes); }
    PlatformProfile linuxProfile(const QString &host) const
    {
        PlatformProfile p = m_mirror->linuxProfile(TestHome::path());
        p.githubURL = p.githubApiURL = p.ffmpegURL = p.nodeURL = host;
        return p;
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

    // The version a lookup found, or why it found none.
    static QString found(QCoro::Task<Result<QString>> lookup)
    {
        return await([](QCoro::Task<Result<QString>> task) -> QCoro::Task<QString> {
            const Result<QString> result = co_await std::move(task);
            co_return result ? *result : result.failure().message;
        }(std::move(lookup)));
    }

private slots:
    void initTestCase()
    {
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void cleanupTestCase() { m_mirror.reset(); }

    void init() { m_mirror->serveAnEmptyToolFolder(); }

    void firstTimeInstall()
    {
        DependencyChecker checker;
        QList<QString> trail; // every status each tool went through, in order
        for (Dependency *tool : checker.tools())
            connect(tool, &Dependency::statusChanged, this,
                    [&, tool] { trail << tool->name() + ":" + tool->status().caseName(); });
        await(checker.installAll());
        QVERIFY(!checker.isInstalling());
        QCOMPARE(checker.currentStep(), QString());
        QCOMPARE(checker.logOutput(),
                 QString("▶ setup.step.ytdlp…\n✓ yt-dlp update.ready\n"
                         "▶ setup.step.ffmpeg…\n"
                         "ffmpeg-release-amd64-static.tar.xz: tools.verify.md5_only\n"
                         "✓ ffmpeg update.ready\n"
                         "▶ setup.step.node…\n✓ Node.js update.ready\n"));
        for (const QString name : {"yt-dlp", "ffmpeg", "ffprobe", "node"}) {
            QFileInfo info(bin(name));
            QVERIFY2(info.isFile(), qPrintable(name));
            QCOMPARE(int(info.permissions() & 0x7777), 0x7755); // rwxr-xr-x
        }
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.21.0"));
        // Progress first, the final status last, never a report after it.
        for (const QString name : {"yt-dlp", "ffmpeg", "Node.js"}) {
            const QStringList mine =
                trail.filter(QRegularExpression("^" + QRegularExpression::escape(name) + ":"));
            QVERIFY(mine.size() >= 2);
            QCOMPARE(mine.last(), name + ":installed");
            QVERIFY(mine.mid(0, mine.size() - 1).filter(":downloading").size() == mine.size() - 1);
        }
        QCOMPARE(trail.first().section(':', 0, 0), QString("yt-dlp"));
        QCOMPARE(trail.last(), QString("Node.js:installed"));
        QCOMPARE(leftovers(), QStringList());

        // Then the version checks, with an older Node.js of the same line.
        writeScript(bin("node"), "echo v22.20.0");
        QNetworkAccessManager network;
        ReleaseLookup lookup(network);
        QCOMPARE(found(lookup.latestReleaseTag("yt-dlp", "yt-dlp")), QString("2025.01.15"));
        QCOMPARE(found(lookup.latestFfmpegVersion()), QString("7.1"));
        QCOMPARE(found(lookup.latestNodeLTSVersion()), QString("v22.21.0"));
        await(checker.checkForUpdates());
        QVERIFY(!checker.isCheckingUpdates());
        QCOMPARE(checker.ytdlp()->status(), DepStatus::upToDate("2025.01.15"));
        QCOMPARE(checker.ffmpeg()->status(), DepStatus::upToDate("7.1-static"));
        QCOMPARE(checker.node()->status(), DepStatus::updateAvailable("v22.20.0", "v22.21.0"));
        QVERIFY(checker.hasUpdates());

        await(checker.updateAll());
        QCOMPARE(checker.logOutput(), QString("▶ update.step.node…\n✓ Node.js v22.21.0\n"));
        QCOMPARE(checker.node()->status(), DepStatus::upToDate("v22.21.0"));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.21.0"));
        QVERIFY(!checker.isInstalling());

        // Everything present: nothing to do.
        for (Dependency *tool : checker.tools())
            tool->setStatus(DepStatus::installedStatus());
        QSignalSpy installing(&checker, &DependencyChecker::isInstallingChanged);
        await(checker.installAll());
        QCOMPARE(installing.size(), 2);
        QCOMPARE(checker.logOutput(), QString());
        QCOMPARE(checker.currentStep(), QString());
    }

    void failuresStopTheRun_data() { addCases(failureCases); }

    void failuresStopTheRun()
    {
        const auto &[name, route, path, value, failing, message] = caseOf(failureCases);
        Localization::install(QLocale(QLocale::English));
        const auto untranslated = qScopeGuard([] {
            for (QTranslator *t : qApp->findChildren<QTranslator *>())
                QCoreApplication::removeTranslator(t);
        });
        QJsonObject routes{
            {"redirect", QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux",
                                      "/assets/yt-dlp_linux"}}}};
        if (route == QString("status"))
            routes["status"] = QJsonObject{{path, QString(value).toInt()}};
        else if (route == QString("drop"))
            routes["drop"] = QJsonArray{path};
        else {
            QJsonObject r = routes["redirect"].toObject();
            r[path] = value;
            routes["redirect"] = r;
        }
        setRoutes(routes);
        DependencyChecker checker;
        await(checker.installAll());
        QVERIFY(!checker.isInstalling());
        bool reached = false;
        for (Dependency *tool : checker.tools()) {
            const QString file = bin(tool->fileName());
            if (tool->name() == failing) {
                QCOMPARE(tool->status().kind(), DepStatus::Kind::Failed);
                QVERIFY2(tool->status().message().contains(message),
                         qPrintable(tool->status().message()));
                QVERIFY(!tool->status().message().isEmpty());
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
        QCOMPARE(checker.currentStep(), "Downloading " + QString(failing));
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(QDir(ToolPaths::binDirectory())
                     .entryList(QDir::Hidden | QDir::Files)
                     .filter(".reelix-"),
                 QStringList());
    }

    void aFailedUpdateKeepsTheOldTool()
    {
        writeScript(bin("yt-dlp"), "echo 2024.01.01");
        setRoutes({{"status",
                    QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux", 404}}}});
        DependencyChecker checker;
        checker.ytdlp()->setStatus(DepStatus::updateAvailable("2024.01.01", "2025.01.15"));
        await(checker.updateAll());
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QCOMPARE(toolOutput(bin("yt-dlp"), "--version"), QString("2024.01.01"));
    }

    void noNetworkAtAll()
    {
        writeScript(bin("yt-dlp"), "echo 2025.01.15");
        writeScript(bin("ffmpeg"), "echo 'ffmpeg version 7.1 x'");
        PlatformProfile::setCurrent(linuxProfile("http://127.0.0.1:9"));
        DependencyChecker checker;
        await(checker.checkForUpdates());
        QCOMPARE(checker.ytdlp()->status(),
                 DepStatus::unchecked("2025.01.15", "Connection refused"));
        QCOMPARE(checker.ffmpeg()->status(), DepStatus::unchecked("7.1", "Connection refused"));
        QCOMPARE(checker.node()->status(), DepStatus::installedStatus()); // no node: no version
    }

    // Installed output against the published version; the plain cases run
    // through the installs above.
    void versionRules_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("published");
        QTest::addColumn<DepStatus>("expected");
        QTest::newRow("yt-dlp newer installed")
            << "yt-dlp"
            << "2025.02.01" << QString("2025.01.15")
            << DepStatus::updateAvailable("2025.02.01", "2025.01.15");
        QTest::newRow("yt-dlp no output") << "yt-dlp"
                                          << " \n"
                                          << QString("x") << DepStatus::installedStatus();
        QTest::newRow("ffmpeg suffix matches")
            << "ffmpeg"
            << "ffmpeg version 7.1-custom built with gcc\nmore" << QString("7.1")
            << DepStatus::upToDate("7.1-custom");
        QTest::newRow("ffmpeg point release") << "ffmpeg"
                                              << "ffmpeg version 7.1-custom x" << QString("7.1.1")
                                              << DepStatus::updateAvailable("7.1-custom", "7.1.1");
        QTest::newRow("node without v")
            << "node"
            << "22.21.0" << QString("v22.21.0") << DepStatus::upToDate("v22.21.0");
    }

    void versionRules()
    {
        QFETCH(QString, tool);
        QFETCH(QString, output);
        QFETCH(QString, published);
        QFETCH(DepStatus, expected);
        const DepStatus got = tool == "yt-dlp"   ? ToolVersions::ytdlpStatus(output, published)
                              : tool == "ffmpeg" ? ToolVersions::ffmpegStatus(output, published)
                                                 : ToolVersions::nodeStatus(output, published);
        QCOMPARE(got, expected);
    }

    // Published pages that name no version; the good pages are served by the mirror.
    void unpublishedVersions()
    {
        QCOMPARE(ToolVersions::releaseTagFrom(R"({"message":"Not Found"})"), std::nullopt);
        QCOMPARE(
            ToolVersions::nodeLTSFrom(R"([{"lts":"Jod"},{"version":"v20.1.0","lts":"Iron"}])", 20),
            std::optional<QString>("v20.1.0"));
        QCOMPARE(ToolVersions::nodeLTSFrom(R"([{"version":"v25.0.0","lts":false}])", 25),
                 std::nullopt);
        QCOMPARE(PlatformProfile::linuxProfile("/h", {}).ffmpegVersionFrom("nothing"),
                 std::nullopt);
        QCOMPARE(PlatformProfile::macOSProfile("/h", {}).ffmpegVersionFrom(R"({"version":7.1})"),
                 std::nullopt);
        // A name with a dot is not the binary.
        QCOMPARE(ToolInstall::ffmpegNameIn({"ffmpeg.txt", "ffmpeg-7"}),
                 std::optional<QString>("ffmpeg-7"));
    }

    // The macOS profile on Linux: unzip, tar and xattr are stand-ins that
    // record their arguments and leave the file the real tool would.
    void macOSProfileTools()
    {
        const QString stand = TestHome::path() + "/standins";
        const QString record = stand + "/calls.txt";
        QFile::remove(record);
        writeScript(stand + "/unzip",
                    "echo \"unzip $*\" >> '" + record +
                        "'\n"
                        "printf '#!/bin/sh\\necho ffmpeg version 7.1\\n' > \"$4/ffmpeg\"");
        writeScript(stand + "/tar", "echo \"tar $*\" >> '" + record +
                                        "'\n"
                                        "printf '#!/bin/sh\\necho v22.20.0\\n' > \"$6/node\"");
        writeScript(stand + "/xattr", "echo \"xattr $*\" >> '" + record + "'");
        writeScript(mirror("/assets/yt-dlp_macos"), "echo 2025.01.15");
        writeText(mirror("/ffmpeg/getrelease/ffmpeg/zip"), "zip bytes");
        writeText(mirror("/ffmpeg/getrelease/ffprobe/zip"), "zip bytes");
        writeText(mirror("/dist/v22.21.0/node-v22.21.0-darwin-x64.tar.gz"), "tar bytes");
        writeText(mirror("/ffmpeg/info/ffmpeg/release"), R"({"version":"7.1"})");
        setRoutes({{"redirect", QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_macos",
                                             "/assets/yt-dlp_macos"}}}});
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
        const QStringList calls = readText(record).split('\n', Qt::SkipEmptyParts);
        // Quarantine is lifted from each staged file, before it takes the tool's
        // name; ffmpeg and ffprobe are one zip each.
        const QString staged = "xattr -d com\\.apple\\.quarantine " +
                               QRegularExpression::escape(ToolPaths::binDirectory()) +
                               "/\\.(yt-dlp|ffmpeg|node)\\.reelix-[0-9A-F-]{36}";
        const QStringList expected{
            staged,
            "unzip -o \\S+/reelix_dl_\\S+\\.zip -d \\S+/ffmpeg_unzip_\\S+",
            "unzip -o \\S+/reelix_dl_[0-9A-F-]{36} -d .*",
            staged,
            "tar xzf \\S+/reelix_dl_\\S+\\.tar\\.gz --strip-components=2 --include=\\*/bin/node "
            "-C \\S+/node_unpack_\\S+",
            staged};
        QCOMPARE(calls.size(), expected.size());
        for (int i = 0; i < calls.size(); ++i)
            QVERIFY2(QRegularExpression("^" + expected[i] + "$").match(calls[i]).hasMatch(),
                     qPrintable(calls[i]));
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
        QNetworkAccessManager network;
        ReleaseLookup lookup(network);
        QCOMPARE(found(lookup.latestFfmpegVersion()), QString("7.1"));
        QCOMPARE(leftovers(), QStringList());
    }
};

REELIX_TEST_MAIN(TestTools)
#include "tst_tools.moc"
