#include "fixtures/DubbedMedia.h"
#include "fixtures/EngineHarness.h"
#include "fixtures/ToolMirror.h"

#include "engine/MediaPresets.h"

#include <QJsonObject>

using namespace Harness;

// reelix-cli run as a process against the local media server and the
// distributor mirror.
class TestCli : public EngineTest
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;
    QString m_out;

    // Arguments (split at "|"), standard input → exit status, what is printed.
    using Usage = std::tuple<const char *, const char *, const char *, int, const char *>;
    static inline const Usage usageCases[] = {
        {"no command", "", "", 2, "usage: reelix-cli"},
        {"unknown option", "download|--exec=touch MARKER", "", 2, "unknown option"},
        {"option after --", "download|--json|--|--output=MARKER", "", 1, "1 error"},
        {"stdin option-like", "download|-", "-oMARKER\n--batch-file=MARKER\n", 1, "2 error"},
        {"nothing accepted", "download|--json|-", "\n   \n", 1, "No address was accepted."},
        {"format matches nothing", "download|--format|4320p|DASH", "", 1,
         "No format matches \"4320p\""},
        {"entry number beyond any index", "info|--items|999999999999|DASH", "", 2,
         "--items takes entry numbers"},
        {"bad tools action", "tools|explode", "", 2, "unknown tools action"},
        {"unknown audio format", "download|--audio-format|aiff|DASH", "", 2,
         "--audio-format takes mp3, m4a, opus, flac or wav"},
        {"audio quality out of range", "download|--audio-quality|9000|DASH", "", 2,
         "--audio-quality takes kbit/s"},
        {"unknown container", "download|--container|avi|DASH", "", 2, "--container takes"},
        {"audio language that is selector text", "download|--audio-lang|en]/best[|DASH", "", 2,
         "--audio-lang takes a language code"},
        {"container without a value", "download|--container", "", 2, "--container needs a value"},
        {"help", "--help", "", 0, "usage: reelix-cli download"},
        {"help of a command", "help|tools", "", 0, "Shows, installs or updates"},
        {"command --help", "download|--audio|--help", "", 0, "--convert re-encodes"},
        {"version", "--version", "", 0, "reelix-cli 0."},
        {"help of no command", "help|explode", "", 2, "help takes one command name"},
        {"lines that are not addresses", "info|-", "not an address\nnor this one\n", 1,
         "2 lines were not addresses"},
        {"sentence, then the tool's line", "info|MISSING", "", 1,
         "The page was not found. Check the address, then retry.\n    ERROR: [generic] None: "
         "Unable to download webpage: HTTP Error 404"},
    };

    // A preset named on the command line (any case), else the app's defaults,
    // gives the items their file choices; an unknown name lists the names.
    using PresetCase = std::tuple<const char *, const char *, int, const char *, int>;
    static inline const PresetCase presetCases[] = {
        {"shipped preset", "PODCAST", 0, "opus", 96},
        {"preset saved in the app", "my talks", 0, "flac", 0},
        {"no preset: the defaults", "", 0, "wav", 0},
        {"unknown preset", "nope", 2,
         "unknown preset: nope; the presets are podcast, music, "
         "archive, My talks",
         0},
    };

private slots:
    void initTestCase()
    {
        startServer();
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
        m_out = TestHome::path() + "/out";
        QString error;
        QVERIFY2(DubbedMedia::make(m_server->root(), &error), qPrintable(error));
    }

    void init() { QDir(m_out).removeRecursively(); }

    void videoWithLabel()
    {
        const CliRun r = runCli({"download", "--format", "180p", "--folder", m_out, "--json",
                                 m_server->httpUrl("dash/manifest.mpd")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject item = r.json().first().toObject();
        QCOMPARE(item["status"].toString(), QString("done"));
        QCOMPARE(item["codecInfo"].toString(), QString("HEVC + AAC"));
        QVERIFY(item["filePath"].toString().startsWith(m_out + "/"));
        QCOMPARE(videoStream(item["filePath"].toString(), "height"), QString("180"));
        QVERIFY(r.err.contains("1 item: 1 done"));
        // The remembered folder is not changed by --folder.
        QVERIFY(UserDefaults::value("downloadFolderBookmark").isNull());
    }

    void audioAndConversion_data() { addTags({"--audio", "--convert"}); }

    void audioAndConversion()
    {
        const QString file = tag() == "--audio" ? "vp9.mp3" : "vp9_qt.mp4";
        const CliRun r =
            runCli({"download", "--json", "--folder", m_out, tag(), m_server->httpUrl("vp9.webm")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject item = r.json().first().toObject();
        QCOMPARE(item["filePath"].toString(), m_out + "/" + file);
        QVERIFY(!item["needsConversion"].toBool());
        QCOMPARE(QDir(m_out).entryList(QDir::Files), QStringList{file});
    }

    // The file's choices from the command line → the file, its audio streams
    // ("codec|sample rate|language").
    void fileChoices_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("audio");
        QTest::newRow("M4A at a bitrate, copied from AAC")
            << QStringList{"--audio-format", "m4a", "--audio-quality", "192k"} << "h264.mp4"
            << "h264.m4a" << QStringList{"aac|44100|und"};
        QTest::newRow("MKV with every track, a dub first")
            << QStringList{"--container", "mkv", "--audio-multistreams", "--audio-lang", "fr"}
            << DubbedMedia::dash << "manifest.mkv"
            << QStringList{"aac|32000|fre", "aac|44100|eng", "aac|48000|ger"};
    }

    void fileChoices()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, page);
        QFETCH(QString, file);
        QFETCH(QStringList, audio);
        const CliRun r = runCli(QStringList{"download", "--json", "--folder", m_out} + args +
                                QStringList{m_server->httpUrl(page)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.json().first().toObject()["filePath"].toString(), m_out + "/" + file);
        QCOMPARE(streams(m_out + "/" + file, "codec_name,sample_rate:stream_tags=language", "a"),
                 audio);
    }

    void infoListsAudioTracks()
    {
        const CliRun r = runCli({"info", "--json", m_server->httpUrl(DubbedMedia::hls)});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject item = r.json().first().toObject();
        QStringList tracks;
        for (const QJsonValue &track : item["audioTracks"].toArray())
            tracks << track["language"].toString() + (track["original"].toBool() ? "*" : "");
        QCOMPARE(tracks, (QStringList{"de", "en*", "fr"}));
        QCOMPARE(item["subtitles"], QJsonValue(QJsonArray()));
    }

    void infoFromStandardInput()
    {
        const QString dash = m_server->httpUrl("dash/manifest.mpd");
        const QByteArray input = (dash + "\n\n  " + dash + "  \nnot a url with spaces\n" +
                                  m_server->httpUrl("h264.mp4") + "\n")
                                     .toUtf8();
        const CliRun r = runCli({"info", "--json", "-"}, input);
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

    void presets_data() { addCases(presetCases); }

    void presets()
    {
        const auto &[name, preset, exitCode, codecOrError, kbps] = caseOf(presetCases);
        MediaChoices talks;
        talks.audioCodec = Media::AudioCodec::Flac;
        QVERIFY(MediaPresets::save("My talks", talks));
        MediaChoices defaults;
        defaults.audioCodec = Media::AudioCodec::Wav;
        MediaPresets::setDefaultChoices(defaults);
        QStringList args{"download", "--audio", "--json", "--folder", m_out};
        if (*preset)
            args << "--preset" << preset;
        const CliRun r = runCli(args << m_server->httpUrl("h264.mp4"));
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode != 0) {
            QVERIFY2(r.err.contains(codecOrError), qPrintable(r.err));
            return;
        }
        const QJsonObject choices = r.json().first().toObject()["choices"].toObject();
        QCOMPARE(choices["audioCodec"].toString(), QString(codecOrError));
        QCOMPARE(choices["audioKbps"].toInt(), kbps);
    }

    void failuresAndUsage_data() { addCases(usageCases); }

    void failuresAndUsage()
    {
        const auto &[name, argText, inputText, exitCode, err] = caseOf(usageCases);
        const QString marker = TestHome::path() + "/marker";
        const QStringList args =
            QString(argText)
                .split('|', Qt::SkipEmptyParts)
                .replaceInStrings("MARKER", marker)
                .replaceInStrings("DASH", m_server->httpUrl("dash/manifest.mpd"))
                .replaceInStrings("MISSING", m_server->httpUrl("missing.mp4"));
        const CliRun r = runCli(args, QByteArray(inputText).replace("MARKER", marker.toUtf8()));
        QCOMPARE(r.exitCode, exitCode);
        // Help and the version go to standard output, errors to standard error.
        const QString text = exitCode == 0 ? QString::fromUtf8(r.out) : r.err;
        QVERIFY2(text.contains(err), qPrintable(text));
        QVERIFY(!QFileInfo::exists(marker));
        if (args.contains("--json"))
            QCOMPARE(r.json().size(), args.contains("-") ? 0 : 1);
    }

    void tools()
    {
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
        const QProcessEnvironment env = m_mirror->environment();
        CliRun r = runCli({"tools", "install"}, {}, env);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("✓ Node.js ready"), qPrintable(r.err));

        // Both commands find what was installed, checked, and nothing newer.
        for (const char *action : {"status", "update"}) {
            r = runCli({"tools", action, "--json"}, {}, env);
            QCOMPARE(r.exitCode, 0);
            const QJsonObject ytdlp = r.json()[0].toObject();
            QCOMPARE(ytdlp["status"].toString(), QString("upToDate"));
            QCOMPARE(ytdlp["version"].toString(), QString("2025.01.15"));
            QCOMPARE(ytdlp["verification"].toString(), QString("sha256"));
            QCOMPARE(ytdlp["canRollBack"], QJsonValue(false));
            QCOMPARE(r.json()[2].toObject()["status"].toString(), QString("upToDate"));
            QCOMPARE(r.json()[2].toObject()["version"].toString(), QString("v22.21.0"));
        }

        m_mirror->setRoutes(
            {{"status",
              QJsonObject{{"/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux", 404}}}});
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
        r = runCli({"tools", "install", "--json"}, {}, env);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.json()[0].toObject()["status"].toString(), QString("failed"));
        QVERIFY(r.json()[0].toObject()["message"].toString().contains("404"));
        m_mirror->resetRoutes();
        QDir(PlatformProfile::current().toolDirectory).removeRecursively();
    }

    void certs()
    {
        CliRun r = runCli({"certs", "--refresh"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out.trimmed()),
                 PlatformProfile::current().certificatesDirectory + "/ca-bundle.pem");
        QFile::remove(PlatformProfile::current().certificatesDirectory + "/ca-bundle.pem");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("REELIX_CA_SOURCES", TestHome::path() + "/no-such.pem");
        r = runCli({"certs"}, {}, env);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
    }
};

REELIX_TEST_MAIN(TestCli)
#include "tst_cli.moc"
