#include "fixtures/EngineHarness.h"
#include "platform/ToolPaths.h"

using namespace Harness;

// What the real yt-dlp cannot produce here: YouTube's JavaScript-runtime
// failures, DRM, and an old yt-dlp that refuses the certificate options. A
// scripted stand-in in our own tool folder plays those parts and records
// every call (arguments and the bundle variable it saw). No traffic leaves
// the machine: the stand-in never connects anywhere.
class TestLadder : public QObject
{
    Q_OBJECT

    // A stand-in scenario → the item's final message and how many runs it took;
    // `download`: the message comes from the download run.
    using Final = std::tuple<const char *, const char *, const char *, bool, const char *, int>;
    static constexpr const char *yt = "https://youtu.be/x", *site = "https://example.org/v";
    static inline const Final finalCases[] = {
        {"js runtime both attempts", "js-always", yt, false, "error.youtube_js_runtime", 2},
        {"youtube without formats", "js-empty", yt, false, "error.youtube_js_runtime", 2},
        {"drm first", "drm", site, true, "error.drm_protected", 2},
        {"last ERROR line", "errors", site, false, "ERROR: second", 1},
    };

    std::unique_ptr<DownloadManager> m_manager;
    QString m_calls;

    void installStandIn(const QString &scenario)
    {
        const QString bin = ToolPaths::binDirectory();
        writeScript(bin + "/node", "exit 0");
        m_calls = TestHome::path() + "/calls.txt";
        QFile::remove(m_calls);
        const QString json = R"({"title":"Clip","thumbnail":"https://i.example/t.jpg","formats":[)"
                             R"({"format_id":"18","height":360,"vcodec":"avc1","tbr":500},)"
                             R"({"format_id":"22","height":720,"vcodec":"avc1","tbr":1500}]})";
        writeScript(bin + "/yt-dlp", QString(R"(
echo "$* | SSL_CERT_FILE=${SSL_CERT_FILE:-none}" >> '%1'
case "$*" in *" -J "*) info=1;; *) info=0;; esac
case '%2' in
js)
  case "$*" in
    *missing_pot*) [ $info = 1 ] && echo '%3'; exit 0;;
    *) echo "ERROR: [youtube] x: No supported JavaScript runtime could be found" >&2; exit 1;;
  esac;;
js-always)
  echo "WARNING: [youtube] x: n challenge solving failed" >&2; exit 1;;
js-empty)
  echo "WARNING: [youtube] x: Only images are available for download" >&2
  echo '{"title":"Clip","formats":[]}'; exit 0;;
drm)
  [ $info = 1 ] && { echo '%3'; exit 0; }
  echo "WARNING: something first" >&2
  echo "ERROR: [generic] This video is DRM protected" >&2; exit 1;;
old)
  case "$*" in
    *--compat-options*) echo "yt-dlp: error: no such option: --compat-options" >&2; exit 2;;
  esac
  echo '%3'; exit 0;;
errors)
  printf 'ERROR: first\nWARNING: w\nERROR: second\nlast line\n\n' >&2; exit 1;;
esac
)")
                                         .arg(m_calls, scenario, json));
    }

    QStringList calls() const { return readText(m_calls).split('\n', Qt::SkipEmptyParts); }

private slots:
    void initTestCase()
    {
        UserDefaults::setValue("debugLogging", true);
        useCertificateSources({systemBundle});
    }

    void init()
    {
        m_manager = std::make_unique<DownloadManager>();
        Logger::shared().clear();
    }

    void cleanup()
    {
        m_manager.reset();
        QDir(ToolPaths::binDirectory()).removeRecursively();
    }

    void youTubeFallbackAttempt()
    {
        installStandIn("js");
        m_manager->addDownload("https://www.youtube.com/watch?v=x", DownloadFormat::Video);
        DownloadItem *item = m_manager->downloads().last();
        WAIT_SETTLED(item, 30000);
        QCOMPARE(item->status(), DownloadStatus::Ready);
        QCOMPARE(item->formats().first().label, QString("720p"));
        QStringList runs = calls();
        QCOMPARE(runs.size(), 2);
        QVERIFY(runs[0].contains("--js-runtimes node:" + ToolPaths::binDirectory() + "/node"));
        QVERIFY(!runs[0].contains("missing_pot"));
        QVERIFY(runs[1].contains("--extractor-args youtube:formats=missing_pot"));

        // The download ladder: the fallback selector on the second attempt.
        QList<QString> messages;
        connect(item, &DownloadItem::statusMessageChanged, this,
                [&] { messages << item->statusMessage(); });
        m_manager->start(item);
        QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Downloading, 30000);
        runs = calls();
        QCOMPARE(runs.size(), 4);
        QVERIFY(runs[2].contains("bestvideo[vcodec^=avc1]+bestaudio[acodec^=mp4a]/"
                                 "bestvideo[vcodec^=avc1]+bestaudio/bestvideo+bestaudio/best"));
        QVERIFY(runs[3].contains("-f best[ext=mp4]/18/"));
        QVERIFY(messages.contains("Retrying YouTube fallback..."));
        // The stand-in wrote no file: done without a path.
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY(!item->filePath() && !item->fileSize());
    }

    void finalMessages_data() { addCases(finalCases); }

    void finalMessages()
    {
        const auto &[name, scenario, address, download, message, runs] = caseOf(finalCases);
        installStandIn(scenario);
        m_manager->addDownload(address, DownloadFormat::Video);
        DownloadItem *item = m_manager->downloads().last();
        WAIT_SETTLED(item, 30000);
        if (download) {
            QCOMPARE(item->status(), DownloadStatus::Ready);
            m_manager->start(item);
            QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Downloading, 30000);
        }
        QCOMPARE(item->status(), DownloadStatus::Error);
        QCOMPARE(item->errorMessage(), QString(message));
        QCOMPARE(calls().size(), runs);
    }

    void oldYtDlpRunsWithoutCertificateOptions()
    {
        installStandIn("old");
        m_manager->addDownload("https://example.org/v", DownloadFormat::Video);
        DownloadItem *item = m_manager->downloads().last();
        WAIT_SETTLED(item, 30000);
        QCOMPARE(item->status(), DownloadStatus::Ready);
        const QStringList runs = calls();
        QCOMPARE(runs.size(), 2);
        QVERIFY(runs[0].contains("--compat-options no-certifi"));
        QVERIFY(
            runs[0].endsWith("SSL_CERT_FILE=" + PlatformProfile::current().certificatesDirectory +
                             "/ca-bundle.pem"));
        QVERIFY(!runs[1].contains("--compat-options"));
        QVERIFY(runs[1].endsWith("SSL_CERT_FILE=none"));
    }
};

REELIX_TEST_MAIN(TestLadder)
#include "tst_ladder.moc"
