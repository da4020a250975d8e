#include "fixtures/EngineHarness.h"

#include "engine/YtDlpAge.h"
#include "i18n/Localization.h"
#include "platform/ToolPaths.h"

#include <QScopeGuard>
#include <QTcpServer>

#include <unistd.h>

using namespace Harness;

// What a failed download says: one sentence for people, the tool's own text
// kept as its detail. Each condition is the real one against the real
// yt-dlp and a server on 127.0.0.1; a scripted stand-in prints the lines
// only a site's own extractor can give (its text as yt-dlp has it).
class TestFailures : public EngineTest
{
    Q_OBJECT

    // How the failure comes about → the sentence and a piece of the detail.
    // page/media PATH: the served page fails its information (its media its
    // download) run; says LINES: the stand-in prints those lines ("|" between).
    using Case = std::tuple<const char *, const char *, const char *, const char *>;
    static inline const Case cases[] = {
        {"page not found", "page missing.mp4", "error.page_not_found", "HTTP Error 404"},
        {"page gone", "page gone.mp4", "error.page_not_found", "HTTP Error 410"},
        {"too many requests", "page busy.mp4", "error.too_many_requests", "HTTP Error 429"},
        {"page refused: a sign-in wall", "page refused.mp4", "error.sign_in_required",
         "HTTP Error 403"},
        {"media refused", "media list/page.html?n=1&media=locked.mp4", "error.forbidden",
         "HTTP Error 403"},
        {"no media on the page", "page plain.html", "error.unsupported_address", "Unsupported URL"},
        {"connection refused", "refused", "error.connection_refused", "Connection refused"},
        {"name not resolved", "address http://reelix-test.invalid/clip.mp4",
         "error.name_not_resolved", "Unable to download webpage"},
        {"no answer in time", "page stalled.mp4", "error.timed_out", "timed out"},
        {"certificate", "https h264.mp4", "error.ssl_certificate", "CERTIFICATE_VERIFY_FAILED"},
        {"disk full", "disk big.mp4", "error.disk_full", "No space left on device"},
        {"no yt-dlp anywhere", "tool none", "error.ytdlp_not_found", ""},
        {"yt-dlp not executable", "tool plain", "error.ytdlp_not_found", ""},
        {"yt-dlp's interpreter missing", "tool interpreter", "error.tool_not_runnable",
         "No such file or directory"},
        {"yt-dlp not a program", "tool garbage", "error.tool_not_runnable", "Exec format error"},
        {"geo-restricted",
         "says ERROR: [youtube] abc: The uploader has not made this video available in your "
         "country.|This video is available in France.|You might want to use a VPN or a proxy "
         "server (with --proxy) to workaround.",
         "error.geo_restricted", "not made this video available in your country"},
        {"removed", "says ERROR: [youtube] abc: Video unavailable. This video has been removed",
         "error.video_unavailable", "Video unavailable"},
        {"private: a sign-in wall",
         "says ERROR: [youtube] abc: Private video. Sign in if you've been granted access to "
         "this video",
         "error.sign_in_required", "Private video"},
        {"live not started", "says ERROR: [youtube] abc: This live event will begin in 3 hours.",
         "error.live_not_started", "will begin in 3 hours"},
        {"premiere", "says ERROR: [youtube] abc: Premieres in 2 hours", "error.live_not_started",
         "Premieres in 2 hours"},
        {"site changed",
         "says ERROR: [youtube] abc: Unable to extract uploader id; please report this issue on  "
         "https://github.com/yt-dlp/yt-dlp/issues?q= , filling out the appropriate issue "
         "template. Confirm you are on the latest version using  yt-dlp -U",
         "error.site_changed", "ERROR: [youtube] abc: Unable to extract uploader id"},
        {"not recognised",
         "says ERROR: [generic] abc: something odd|Confirm you are on the latest version using  "
         "yt-dlp -U",
         "error.download_failed", "ERROR: [generic] abc: something odd"},
    };

    QString m_mount; // the tiny file system of the disk-full case, while mounted

    static QString ownYtDlp() { return ToolPaths::binDirectory() + "/yt-dlp"; }

    static int closedPort()
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        return server.serverPort(); // closed again when the server goes
    }

    // Tools are looked for in `folder` only (besides our own tool folder).
    static void searchOnly(const QString &folder)
    {
        PlatformProfile p = PlatformProfile::current();
        p.systemToolFolders = {folder};
        PlatformProfile::setCurrent(p);
    }

    void breakTool(const QString &how)
    {
        const QString system = TestHome::path() + "/system-bin";
        QDir(system).removeRecursively();
        QDir().mkpath(system);
        searchOnly(system);
        if (how == "plain")
            writeScript(system + "/yt-dlp", "exit 0", false);
        if (how == "interpreter")
            writeText(ownYtDlp(), "#!/nonexistent/python3\n");
        if (how == "garbage")
            writeText(ownYtDlp(), QString(64, QChar(0x7f)));
        if (how == "interpreter" || how == "garbage")
            QFile::setPermissions(ownYtDlp(), QFile::ReadOwner | QFile::ExeOwner);
    }

    // A 1 MB file system as the download folder: less than the video.
    bool mountTinyFolder()
    {
        m_mount = TestHome::path() + "/tiny";
        QDir().mkpath(m_mount);
        if (!runTool("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", m_mount}))
            return false;
        useFolder(*m_manager, m_mount);
        return true;
    }

    // The address for the case, its set-up made; `download`: the failure
    // comes in the download run.
    QString prepare(const QString &how, const QString &what, bool &download)
    {
        download = how == "media" || how == "disk";
        if (how == "page" || how == "media" || how == "disk")
            return m_server->httpUrl(what);
        if (how == "https")
            return m_server->httpsUrl(what);
        if (how == "refused")
            return QString("http://127.0.0.1:%1/clip.mp4").arg(closedPort());
        if (how == "says") {
            // The words are in the script: the tool sandbox keeps it out of the home.
            writeScript(ownYtDlp(),
                        "cat >&2 <<'SAID'\n" + QString(what).replace('|', '\n') + "\nSAID\nexit 1");
        }
        if (how == "tool")
            breakTool(what);
        return how == "address" ? what : m_server->httpUrl("h264.mp4");
    }

private slots:
    void initTestCase()
    {
        startServer();
        const QString www = m_server->root();
        writeText(www + "/routes.json",
                  R"({"status": {"/gone.mp4": 410, "/busy.mp4": 429, "/refused.mp4": 403,)"
                  R"( "/list/1/locked.mp4": 403}, "stall": ["/stalled.mp4"]})");
        writeText(www + "/plain.html", "<html><head><title>Plain</title></head>"
                                       "<body><p>Nothing to watch here.</p></body></html>");
        QVERIFY(QFile::copy(www + "/h264.mp4", www + "/stalled.mp4"));
        QVERIFY(makeMedia(10, Codecs::h264 + words("-b:v 2M"), www + "/big.mp4"));
    }

    void init() { resetEngine(); }

    void cleanup()
    {
        m_manager.reset();
        if (!m_mount.isEmpty())
            runTool("umount", {m_mount});
        m_mount.clear();
    }

    void failureSaysWhatHappened_data() { addCases(cases); }

    void failureSaysWhatHappened()
    {
        const auto &[name, condition, sentence, detail] = caseOf(cases);
        const QString how = QString(condition).section(' ', 0, 0);
        if (how == "disk" && ::geteuid() != 0)
            QSKIP("mounting a full file system needs root");
        if (how == "disk")
            QVERIFY(mountTinyFolder());
        bool download = false;
        DownloadItem *item = add(prepare(how, QString(condition).section(' ', 1), download));
        WAIT_SETTLED(item, 90000);
        if (download) {
            QCOMPARE(item->status(), DownloadStatus::Ready);
            m_manager->start(item);
            QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Downloading, 90000);
        }
        QCOMPARE(item->status(), DownloadStatus::Error);
        QCOMPARE(item->errorMessage(), QString(sentence));
        QVERIFY2(item->errorDetail().contains(detail), qPrintable(item->errorDetail()));
        if (!*detail)
            QCOMPARE(item->errorDetail(), QString());
        // yt-dlp's requests to report upstream or to update it by hand stay in the log.
        for (const QString &text : {item->errorMessage(), item->errorDetail()}) {
            for (const char *advice : {"please report this issue", "yt-dlp -U", "issue template"})
                QVERIFY2(!text.contains(advice, Qt::CaseInsensitive), qPrintable(text));
        }
        if (QString(name) == "page not found" || QString(name) == "site changed")
            QVERIFY(!logLines().filter("please report this issue").isEmpty());
    }

    // A page yt-dlp could not read names an old yt-dlp, six weeks or more
    // behind its newest release, with both versions: Reelix's own copy
    // offers its update, the system's says how to get a newer one.
    void oldYtDlpIsNamed_data()
    {
        QTest::addColumn<bool>("own");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("newest"); // empty: not known
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<Failure::Kind>("kind");
        const auto own = Failure::Kind::OutdatedTool;
        const auto tool = Failure::Kind::Tool;
        QTest::newRow("own copy, old") << true << "2024.01.02"
                                       << "2024.03.01"
                                       << "error.site_changed_old_own" << own;
        QTest::newRow("system copy, old") << false << "2024.01.02"
                                          << "2024.03.01"
                                          << "error.site_changed_old_system" << tool;
        QTest::newRow("own copy, recent") << true << "2024.02.20"
                                          << "2024.03.01"
                                          << "error.site_changed" << tool;
        QTest::newRow("six weeks behind") << false << "2024.01.19"
                                          << "2024.03.01"
                                          << "error.site_changed" << tool;
        QTest::newRow("newest not known") << true << "2024.01.02"
                                          << ""
                                          << "error.site_changed" << tool;
        QTest::newRow("not a date") << true << "nightly"
                                    << "2024.03.01"
                                    << "error.site_changed" << tool;
    }

    void oldYtDlpIsNamed()
    {
        QFETCH(bool, own);
        QFETCH(QString, version);
        QFETCH(QString, newest);
        QFETCH(QString, sentence);
        QFETCH(Failure::Kind, kind);
        // The sentences with their versions; this runs after the cases above,
        // which compare ids.
        QVERIFY(Localization::install(QLocale(QLocale::English)));
        YtDlpAge::set({version, newest, own});
        const auto forget = qScopeGuard([] { YtDlpAge::set({}); });
        bool download = false;
        const QString said = "ERROR: [generic] abc: Unable to extract video url; please report "
                             "this issue on  https://github.com/yt-dlp/yt-dlp/issues?q= , "
                             "filling out the appropriate issue template.";
        DownloadItem *item = add(prepare("says", said, download));
        WAIT_SETTLED(item, 90000);
        QCOMPARE(item->status(), DownloadStatus::Error);
        QCOMPARE(item->errorKind(), kind);
        const bool named = sentence != "error.site_changed";
        const QString text = qtTrId(qPrintable(sentence));
        QCOMPARE(item->errorMessage(), named ? text.arg(version, newest) : text);
        QCOMPARE(item->errorMessage().contains(version), named);
        QCOMPARE(item->errorDetail(), "ERROR: [generic] abc: Unable to extract video url");
    }
};

REELIX_TEST_MAIN(TestFailures)
#include "tst_failures.moc"
