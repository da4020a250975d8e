#include "fixtures/Files.h"
#include "fixtures/Pem.h"
#include "fixtures/TestMain.h"
#include "fixtures/ToolMirror.h"

#include "deps/DependencyChecker.h"
#include "deps/ReleaseLookup.h"
#include "deps/ToolInstall.h"
#include "deps/ToolVersions.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>

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

    static QString bin(const QString &name) { return ToolPaths::binDirectory() + "/" + name; }

    static QString toolOutput(const QString &path, const QString &arg)
    {
        QProcess p;
        p.start(path, {arg});
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    static QStringList leftovers()
    {
        return QDir(QDir::tempPath())
            .entryList({"reelix_dl_*", "ffmpeg_unzip_*", "node_unpack_*"},
                       QDir::AllEntries | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void cleanupTestCase() { m_mirror.reset(); }

    void init()
    {
        PlatformProfile::setCurrent(m_mirror->linuxProfile(TestHome::path()));
        QDir(ToolPaths::binDirectory()).removeRecursively();
        m_mirror->resetRoutes();
    }

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
        QCOMPARE(checker.logOutput(), QString("▶ setup.step.ytdlp…\n✓ yt-dlp update.ready\n"
                                              "▶ setup.step.ffmpeg…\n✓ ffmpeg update.ready\n"
                                              "▶ setup.step.node…\n✓ Node.js update.ready\n"));
        for (const QString name : {"yt-dlp", "ffmpeg", "ffprobe", "node"}) {
            QFileInfo info(bin(name));
            QVERIFY2(info.isFile(), qPrintable(name));
            QCOMPARE(int(info.permissions() & 0x7777),
                     int(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                         QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                         QFile::ReadOther | QFile::ExeOther));
        }
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
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

        // Then the version checks: only Node.js is behind.
        QNetworkAccessManager network;
        ReleaseLookup lookup(network);
        QCOMPARE(await(lookup.latestReleaseTag("yt-dlp", "yt-dlp")),
                 std::optional<QString>("2025.01.15"));
        QCOMPARE(await(lookup.latestFfmpegVersion()), std::optional<QString>("7.1"));
        QCOMPARE(await(lookup.latestNodeLTSVersion()), std::optional<QString>("v22.21.0"));
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

    void failuresStopTheRun_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("message");
        const QString ff = "/ffmpeg/releases/ffmpeg-release-amd64-static.tar.xz";
        QTest::newRow("ffmpeg 404") << "status" << ff << "404"
                                    << "ffmpeg"
                                    << "HTTP 404";
        QTest::newRow("yt-dlp error page") << "status"
                                           << "/assets/yt-dlp_linux"
                                           << "500"
                                           << "yt-dlp"
                                           << "HTTP 500";
        QTest::newRow("ffmpeg dropped mid-body") << "drop" << ff << ""
                                                 << "ffmpeg"
                                                 << "";
        QTest::newRow("no ffmpeg in archive") << "redirect" << ff << "/empty/ffmpeg.tar.xz"
                                              << "ffmpeg"
                                              << "Binaire ffmpeg introuvable dans l'archive";
        QTest::newRow("no node in archive") << "redirect"
                                            << "/dist/v22.20.0/node-v22.20.0-linux-x64.tar.gz"
                                            << "/empty/node.tar.gz"
                                            << "Node.js"
                                            << "Binaire node introuvable dans l'archive";
    }

    void failuresStopTheRun()
    {
        QFETCH(QString, route);
        QFETCH(QString, path);
        QFETCH(QString, value);
        QFETCH(QString, failing);
        QFETCH(QString, message);
        QJsonObject routes{
            {"redirect", QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux",
                                      "/assets/yt-dlp_linux"}}}};
        if (route == "status")
            routes["status"] = QJsonObject{{path, value.toInt()}};
        else if (route == "drop")
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
        QVERIFY(checker.currentStep().startsWith("setup.step."));
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
        QCOMPARE(checker.ytdlp()->status(), DepStatus::upToDate("2025.01.15"));
        QCOMPARE(checker.ffmpeg()->status(), DepStatus::upToDate("7.1"));
        QCOMPARE(checker.node()->status(), DepStatus::installedStatus()); // no node: no version
    }

    void versionRules_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("published"); // "-" = none
        QTest::addColumn<DepStatus>("expected");
        QTest::newRow("yt-dlp equal") << "yt-dlp"
                                      << "2025.01.15\n"
                                      << "2025.01.15" << DepStatus::upToDate("2025.01.15");
        QTest::newRow("yt-dlp newer installed")
            << "yt-dlp"
            << "2025.02.01"
            << "2025.01.15" << DepStatus::updateAvailable("2025.02.01", "2025.01.15");
        QTest::newRow("yt-dlp lookup failed") << "yt-dlp"
                                              << "2025.02.01"
                                              << "-" << DepStatus::upToDate("2025.02.01");
        QTest::newRow("yt-dlp no output") << "yt-dlp"
                                          << " \n"
                                          << "x" << DepStatus::installedStatus();
        QTest::newRow("ffmpeg suffix matches") << "ffmpeg"
                                               << "ffmpeg version 7.1-custom built with gcc\nmore"
                                               << "7.1" << DepStatus::upToDate("7.1-custom");
        QTest::newRow("ffmpeg point release")
            << "ffmpeg"
            << "ffmpeg version 7.1-custom x"
            << "7.1.1" << DepStatus::updateAvailable("7.1-custom", "7.1.1");
        QTest::newRow("ffmpeg odd first line") << "ffmpeg"
                                               << "weird 1 2"
                                               << "-" << DepStatus::upToDate("weird");
        QTest::newRow("node behind")
            << "node"
            << "v22.20.0\n"
            << "v22.21.0" << DepStatus::updateAvailable("v22.20.0", "v22.21.0");
        QTest::newRow("node without v") << "node"
                                        << "22.21.0"
                                        << "v22.21.0" << DepStatus::upToDate("v22.21.0");
        QTest::newRow("node lookup failed") << "node"
                                            << "22.1.0"
                                            << "-" << DepStatus::upToDate("22.1.0");
    }

    void versionRules()
    {
        QFETCH(QString, tool);
        QFETCH(QString, output);
        QFETCH(QString, published);
        QFETCH(DepStatus, expected);
        const std::optional<QString> latest =
            published == "-" ? std::nullopt : std::optional<QString>(published);
        const DepStatus got = tool == "yt-dlp"   ? ToolVersions::ytdlpStatus(output, latest)
                              : tool == "ffmpeg" ? ToolVersions::ffmpegStatus(output, latest)
                                                 : ToolVersions::nodeStatus(output, latest);
        QCOMPARE(got, expected);
    }

    void publishedVersions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected"); // "-" = none
        QTest::newRow("tag") << "tag" << QByteArray(R"({"tag_name":"2025.01.15"})") << "2025.01.15";
        QTest::newRow("api error object")
            << "tag" << QByteArray(R"({"message":"Not Found"})") << "-";
        QTest::newRow("html page") << "tag" << QByteArray("<html>") << "-";
        QTest::newRow("lts after current")
            << "node"
            << QByteArray(
                   R"([{"version":"v25.0.0","lts":false},{"version":"v22.21.0","lts":"Jod"}])")
            << "v22.21.0";
        QTest::newRow("lts without version skipped")
            << "node" << QByteArray(R"([{"lts":"Jod"},{"version":"v20.1.0","lts":"Iron"}])")
            << "v20.1.0";
        QTest::newRow("no lts") << "node" << QByteArray(R"([{"version":"v25.0.0","lts":false}])")
                                << "-";
        QTest::newRow("object instead of array")
            << "node" << QByteArray(R"({"version":"v1"})") << "-";
        QTest::newRow("readme") << "readme" << QByteArray("  build: x\n   version: 7.1.1 \n")
                                << "7.1.1";
        QTest::newRow("readme without version") << "readme" << QByteArray("nothing") << "-";
        QTest::newRow("macOS info") << "info" << QByteArray(R"({"version":"7.1"})") << "7.1";
        QTest::newRow("macOS info number") << "info" << QByteArray(R"({"version":7.1})") << "-";
    }

    void publishedVersions()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        std::optional<QString> got;
        if (kind == "tag")
            got = ToolVersions::releaseTagFrom(body);
        else if (kind == "node")
            got = ToolVersions::nodeLTSFrom(body);
        else if (kind == "readme")
            got = PlatformProfile::linuxProfile("/h", {}).ffmpegVersionFrom(body);
        else
            got = PlatformProfile::macOSProfile("/h", {}).ffmpegVersionFrom(body);
        QCOMPARE(got.value_or("-"), expected);
    }

    void ffmpegNames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("found");
        QTest::newRow("exact") << QStringList{"readme", "ffmpeg"} << "ffmpeg";
        QTest::newRow("dot skipped") << QStringList{"ffmpeg.txt", "ffmpeg-7"} << "ffmpeg-7";
        QTest::newRow("folder only") << QStringList{"bin"} << "-";
    }

    void ffmpegNames()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, found);
        QCOMPARE(ToolInstall::ffmpegNameIn(names).value_or("-"), found);
    }

    void addresses_data()
    {
        QTest::addColumn<bool>("mac");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QString>("ytdlp");
        QTest::addColumn<QString>("ffmpeg");
        QTest::addColumn<QString>("node");
        QTest::newRow("linux x86") << false << "x86_64"
                                   << "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux"
                                   << "/ffmpeg/releases/ffmpeg-release-amd64-static.tar.xz"
                                   << "/dist/v1.2.3/node-v1.2.3-linux-x64.tar.gz";
        QTest::newRow("linux arm") << false << "aarch64"
                                   << "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux_aarch64"
                                   << "/ffmpeg/releases/ffmpeg-release-arm64-static.tar.xz"
                                   << "/dist/v1.2.3/node-v1.2.3-linux-arm64.tar.gz";
        QTest::newRow("mac intel") << true << "x86_64"
                                   << "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_macos"
                                   << "/ffmpeg/getrelease/ffmpeg/zip"
                                   << "/dist/v1.2.3/node-v1.2.3-darwin-x64.tar.gz";
        QTest::newRow("mac silicon") << true << "arm64"
                                     << "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_macos"
                                     << "/ffmpeg/getrelease/ffmpeg/zip"
                                     << "/dist/v1.2.3/node-v1.2.3-darwin-arm64.tar.gz";
    }

    void addresses()
    {
        QFETCH(bool, mac);
        QFETCH(QString, machine);
        QFETCH(QString, ytdlp);
        QFETCH(QString, ffmpeg);
        QFETCH(QString, node);
        QProcessEnvironment env;
        env.insert("REELIX_GITHUB_URL", "http://h:1/");
        env.insert("REELIX_FFMPEG_URL", "http://h:1");
        env.insert("REELIX_NODE_URL", "http://h:1");
        PlatformProfile p = mac ? PlatformProfile::macOSProfile("/h", env)
                                : PlatformProfile::linuxProfile("/h", env);
        p.machine = machine;
        QCOMPARE(p.ytdlpDownloadURL(), "http://h:1" + ytdlp);
        QCOMPARE(p.ffmpegDownloadURL(), "http://h:1" + ffmpeg);
        QCOMPARE(p.nodeDownloadURL("1.2.3"), "http://h:1" + node);
        QCOMPARE(p.githubApiURL, QString("https://api.github.com"));
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
        writeText(mirror("/dist/v22.20.0/node-v22.20.0-darwin-x64.tar.gz"), "tar bytes");
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
        QCOMPARE(calls.size(), 5);
        const QRegularExpression staging("^xattr -d com\\.apple\\.quarantine " +
                                         QRegularExpression::escape(ToolPaths::binDirectory()) +
                                         "/\\.(yt-dlp|ffmpeg|node)\\.reelix-[0-9A-F-]{36}$");
        QVERIFY2(staging.match(calls[0]).hasMatch(), qPrintable(calls[0]));
        QVERIFY2(
            QRegularExpression(
                "^unzip -o \\S+/reelix_dl_[0-9A-F-]{36}\\.zip -d \\S+/ffmpeg_unzip_[0-9A-F-]{36}$")
                .match(calls[1])
                .hasMatch(),
            qPrintable(calls[1]));
        QVERIFY(staging.match(calls[2]).hasMatch());
        QVERIFY2(QRegularExpression(
                     "^tar xzf \\S+/reelix_dl_[0-9A-F-]{36}\\.tar\\.gz --strip-components=2 "
                     "--include=\\*/bin/node -C \\S+/node_unpack_[0-9A-F-]{36}$")
                     .match(calls[3])
                     .hasMatch(),
                 qPrintable(calls[3]));
        QVERIFY(staging.match(calls[4]).hasMatch());
        QCOMPARE(toolOutput(bin("node"), "--version"), QString("v22.20.0"));
        QNetworkAccessManager network;
        QCOMPARE(await(ReleaseLookup(network).latestFfmpegVersion()),
                 std::optional<QString>("7.1"));
        QCOMPARE(leftovers(), QStringList());
    }
};

REELIX_TEST_MAIN(TestTools)
#include "tst_tools.moc"
