#include "fixtures/EngineHarness.h"
#include "fixtures/MediaServer.h"
#include "fixtures/ToolMirror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>

using namespace Harness;

// reelix-cli run as a process against the local media server and the
// distributor mirror.
class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<MediaServer> m_media;
    std::unique_ptr<ToolMirror> m_mirror;
    QString m_out;

    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QString err;
        QJsonArray json() const
        {
            const QList<QByteArray> lines = out.trimmed().split('\n');
            return QJsonDocument::fromJson(lines.last()).array();
        }
    };

    Run cli(const QStringList &args, const QByteArray &input = {},
            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(REELIX_CLI_PATH, args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(180000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
    }

    // yt-dlp children still running with `needle` on their command line.
    static int childrenWith(const QString &needle)
    {
        int count = 0;
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
            if (pid.toInt() <= 0)
                continue;
            QFile cmdline("/proc/" + pid + "/cmdline");
            if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(needle.toUtf8()))
                ++count;
        }
        return count;
    }

private slots:
    void initTestCase()
    {
        UserDefaults::setValue("debugLogging", true);
        m_media = std::make_unique<MediaServer>();
        QVERIFY2(m_media->isReady(), qPrintable(m_media->error()));
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
        m_out = TestHome::path() + "/out";
    }

    void init() { QDir(m_out).removeRecursively(); }

    void videoWithLabel()
    {
        const Run r = cli({"download", "--format", "180p", "--folder", m_out, "--json",
                           m_media->httpUrl("dash/manifest.mpd")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject item = r.json().first().toObject();
        QCOMPARE(item["status"].toString(), QString("done"));
        QCOMPARE(item["codecInfo"].toString(), QString("HEVC + AAC"));
        QVERIFY(item["filePath"].toString().startsWith(m_out + "/"));
        QCOMPARE(videoStream(item["filePath"].toString(), "height"), QString("180"));
        QCOMPARE(item["formats"].toArray().size(), 2);
        QVERIFY(r.err.contains("1 item(s): 1 done"));
        // The remembered folder is not changed by --folder.
        QVERIFY(UserDefaults::value("downloadFolderBookmark").isNull());
    }

    void audioAndConversion_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("needsConversion");
        QTest::newRow("audio") << QStringList{"--audio"} << "vp9.mp3" << false;
        QTest::newRow("convert") << QStringList{"--convert"} << "vp9_qt.mp4" << false;
    }

    void audioAndConversion()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        QFETCH(bool, needsConversion);
        const Run r = cli(QStringList{"download", "--json", "--folder", m_out} + options +
                          QStringList{m_media->httpUrl("vp9.webm")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject item = r.json().first().toObject();
        QCOMPARE(item["filePath"].toString(), m_out + "/" + file);
        QCOMPARE(item["needsConversion"].toBool(), needsConversion);
        QCOMPARE(QDir(m_out).entryList(QDir::Files), QStringList{file});
    }

    void infoFromStandardInput()
    {
        const QString dash = m_media->httpUrl("dash/manifest.mpd");
        const QByteArray input = (dash + "\n\n  " + dash + "  \nnot a url with spaces\n" +
                                  m_media->httpUrl("h264.mp4") + "\n")
                                     .toUtf8();
        const Run r = cli({"info", "--json", "-"}, input);
        QCOMPARE(r.exitCode, 0);
        const QJsonArray items = r.json();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0].toObject()["url"].toString(), dash);
        QCOMPARE(items[0].toObject()["status"].toString(), QString("ready"));
        QCOMPARE(items[0].toObject()["formats"].toArray()[0].toObject()["label"].toString(),
                 QString("360p"));
        QCOMPARE(items[0].toObject()["formats"].toArray()[0].toObject()["height"].toInt(), 360);
        QCOMPARE(items[1].toObject()["filePath"], QJsonValue(QJsonValue::Null));
    }

    void failuresAndUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("no command") << QStringList{} << QByteArray() << 2 << "usage: reelix-cli";
        QTest::newRow("unknown option") << QStringList{"download", "--exec=touch MARKER"}
                                        << QByteArray() << 2 << "unknown option";
        QTest::newRow("option after --")
            << QStringList{"download", "--json", "--", "--output=MARKER"} << QByteArray() << 1
            << "1 error";
        QTest::newRow("stdin option-like")
            << QStringList{"download", "-"} << QByteArray("-oMARKER\n--batch-file=MARKER\n") << 1
            << "2 error";
        QTest::newRow("nothing accepted")
            << QStringList{"download", "--json", "-"} << QByteArray("\n   \n") << 1
            << "No address was accepted.";
        QTest::newRow("format matches nothing")
            << QStringList{"download", "--format", "4320p", "DASH"} << QByteArray() << 1
            << "No format matches \"4320p\"";
        QTest::newRow("bad tools action")
            << QStringList{"tools", "explode"} << QByteArray() << 2 << "unknown tools action";
    }

    void failuresAndUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const QString marker = TestHome::path() + "/marker";
        args.replaceInStrings("MARKER", marker)
            .replaceInStrings("DASH", m_media->httpUrl("dash/manifest.mpd"));
        input.replace("MARKER", marker.toUtf8());
        const Run r = cli(args, input);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(marker));
        if (args.contains("--json"))
            QCOMPARE(r.json().size(), args.contains("-") ? 0 : 1);
    }

    void interruptCancelsEverything()
    {
        const QString url = m_media->slowUrl("vp9.webm");
        QProcess p;
        p.start(REELIX_CLI_PATH, {"download", "--json", "--folder", m_out, url});
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo::exists(m_out) && !QDir(m_out).entryList(QDir::Files).isEmpty(), 60000);
        QVERIFY(childrenWith(url) >= 2); // reelix-cli and its yt-dlp
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 130);
        const QJsonArray items =
            QJsonDocument::fromJson(p.readAllStandardOutput().trimmed().split('\n').last()).array();
        QCOMPARE(items.first().toObject()["status"].toString(), QString("cancelled"));
        QTRY_COMPARE(childrenWith(url), 0);
    }

    void tools()
    {
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
        const QProcessEnvironment env = m_mirror->environment();
        Run r = cli({"tools", "install"}, {}, env);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("✓ Node.js ready"), qPrintable(r.err));

        r = cli({"tools", "status", "--json"}, {}, env);
        QCOMPARE(r.json()[0].toObject(), (QJsonObject{{"name", "yt-dlp"},
                                                      {"status", "upToDate"},
                                                      {"version", "2025.01.15"},
                                                      {"installed", ""},
                                                      {"latest", ""},
                                                      {"message", ""},
                                                      {"verified", true},
                                                      {"verification", "sha256"},
                                                      {"canRollBack", false}}));
        QCOMPARE(r.json()[2].toObject()["status"].toString(), QString("updateAvailable"));
        QCOMPARE(r.json()[2].toObject()["latest"].toString(), QString("v22.21.0"));

        r = cli({"tools", "update", "--json"}, {}, env);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.json()[2].toObject()["status"].toString(), QString("upToDate"));
        QCOMPARE(r.json()[2].toObject()["version"].toString(), QString("v22.21.0"));

        m_mirror->setRoutes(
            {{"status",
              QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux", 404}}}});
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
        r = cli({"tools", "install", "--json"}, {}, env);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.json()[0].toObject()["status"].toString(), QString("failed"));
        QVERIFY(r.json()[0].toObject()["message"].toString().contains("404"));
        m_mirror->resetRoutes();
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
    }

    void certs()
    {
        Run r = cli({"certs", "--refresh"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out.trimmed()),
                 PlatformProfile::current().certificatesDirectory + "/ca-bundle.pem");
        QFile::remove(PlatformProfile::current().certificatesDirectory + "/ca-bundle.pem");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("REELIX_CA_SOURCES", TestHome::path() + "/no-such.pem");
        r = cli({"certs"}, {}, env);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
    }
};

REELIX_TEST_MAIN(TestCli)
#include "tst_cli.moc"
