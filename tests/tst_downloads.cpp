#include "fixtures/EngineHarness.h"

#include "i18n/Localization.h"

#include <QScopeGuard>

using namespace Harness;

// The whole road of a download against Debian's real yt-dlp, ffmpeg and
// ffprobe, with media served from 127.0.0.1.
class TestDownloads : public EngineTest
{
    Q_OBJECT

    // Each kind of source, as a video of the list's first or last height or as
    // audio → the file it ends as, the codecs the row shows (HEVC retagged hvc1
    // for QuickTime, VP9 to be converted), and the heights offered.
    using Source = std::tuple<const char *, const char *, const char *, const char *, const char *,
                              const char *>;
    static inline const Source sources[] = {
        {"direct H.264", "h264.mp4", "", "h264.mp4", "H.264 + AAC", ""},
        {"direct VP9", "vp9.webm", "", "vp9.webm", "VP9 + Opus", ""},
        {"DASH HEVC", "dash/manifest.mpd", "first", "manifest.mp4", "HEVC + AAC", "360p 180p"},
        {"HLS variant", "hls/master.m3u8", "last", "master.mp4", "H.264 + AAC", "360p 180p"},
        {"audio", "h264.mp4", "audio", "h264.mp3", "", ""},
    };

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
    }

    void init() { resetEngine(); }

    void cleanup() { m_manager.reset(); }

    void endToEnd_data() { addCases(sources); }

    void endToEnd()
    {
        const auto &[name, path, pick, file, codecs, heights] = caseOf(sources);
        const bool audio = QString(pick) == "audio";
        DownloadItem *item =
            add(m_server->httpUrl(path), audio ? DownloadFormat::Audio : DownloadFormat::Video);
        QCOMPARE(item->status(), DownloadStatus::Fetching);
        WAIT_SETTLED(item, 60000);
        QCOMPARE(item->status(), DownloadStatus::Ready);
        QCOMPARE(item->title(), QFileInfo(file).completeBaseName());
        QStringList labels;
        for (const VideoFormat &f : item->formats())
            labels << f.label;
        QCOMPARE(labels, words(heights)); // a direct file gives no height
        if (*heights)
            item->setSelectedFormatID(QString(pick) == "first" ? item->formats().first().id
                                                               : item->formats().last().id);
        QList<double> progress;
        connect(item, &DownloadItem::progressChanged, this, [&] { progress << item->progress(); });
        m_manager->start(item);
        QCOMPARE(item->status(), DownloadStatus::Downloading);
        QCOMPARE(item->statusMessage(), QString("Starting…"));
        QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Downloading, 90000);
        QCOMPARE(item->status(), DownloadStatus::Done);
        QCOMPARE(item->filePath(), std::optional<QString>(folder() + "/" + file));
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{file});
        QVERIFY(QFileInfo(*item->filePath()).size() > 1000);
        QVERIFY(item->file().size && !item->file().size->isEmpty());
        QCOMPARE(item->file().codecInfo, QString(codecs));
        QCOMPARE(item->file().needsConversion, QString(codecs).startsWith("VP9"));
        if (QString(codecs).startsWith("HEVC"))
            QCOMPARE(videoStream(*item->filePath(), "codec_tag_string"), QString("hvc1"));
        QCOMPARE(item->progress(), 1.0);
        QVERIFY(item->statusMessage().isEmpty());
        QVERIFY(!progress.isEmpty());
        if (!*pick) // a direct file's progress only grows; fragments come in any order
            QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        QCOMPARE(logLines().filter("  probe: codec=").isEmpty(), audio); // videos only
        // "--" stands right before the address in the information run; the
        // download starts from what that saved.
        const QStringList commands = logLines().filter("▶ yt-dlp [127.0.0.1] args: ");
        QCOMPARE(commands.size(), 2);
        QVERIFY2(commands[0].endsWith(" -- " + item->url()), qPrintable(commands[0]));
        QVERIFY2(commands[1].contains(" --load-info-json " + QDir::tempPath()),
                 qPrintable(commands[1]));
    }

    // While it runs, the row tells its progress in the user's language and
    // units (here French: decimal comma, "Mo", "sur"), never in yt-dlp's words.
    void runningRowSpeaksTheUsersLanguage()
    {
        Localization::install(QLocale(QLocale::French));
        QLocale::setDefault(QLocale(QLocale::French));
        const auto english = qScopeGuard([] {
            Localization::install(QLocale(QLocale::English));
            QLocale::setDefault(QLocale(QLocale::English));
        });
        DownloadItem *item = add(m_server->slowUrl("h264.mp4"));
        WAIT_SETTLED(item, 60000);
        QStringList lines;
        connect(item, &DownloadItem::statusMessageChanged, this, [&] {
            if (item->status() == DownloadStatus::Downloading)
                lines << item->statusMessage();
        });
        m_manager->start(item);
        QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Downloading, 90000);
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines.takeFirst(), QString("Démarrage…"));
        const QString size = R"([\d,]+ (octets|ko|Mo))";
        const QRegularExpression shape("^\\d+\\x{a0}% · " + size + " sur ~?" + size + "( · " +
                                       size + "/s)?( · encore [\\d\\x{a0} mins]+)?$");
        for (const QString &line : std::as_const(lines))
            QVERIFY2(shape.match(line).hasMatch() && !line.contains("[download]"),
                     qPrintable(line));
        QVERIFY2(!lines.filter(",").isEmpty(), qPrintable(lines.join('\n'))); // decimal commas
    }

    void httpsTrustsOnlyTheBundle()
    {
        // The private authority is in the bundle: the page is reached.
        useCertificateSources({systemBundle, m_server->authorityFile()});
        DownloadItem *trusted = add(m_server->httpsUrl("h264.mp4"));
        WAIT_SETTLED(trusted, 60000);
        QCOMPARE(trusted->status(), DownloadStatus::Ready);

        // Without it: one rebuild of the bundle, one more run, then the message.
        useCertificateSources({systemBundle});
        Logger::shared().clear();
        DownloadItem *untrusted = add(m_server->httpsUrl("vp9.webm"));
        WAIT_SETTLED(untrusted, 90000);
        QCOMPARE(untrusted->status(), DownloadStatus::Error);
        QCOMPARE(untrusted->errorMessage(), qtTrId("error.ssl_certificate"));
        const QStringList log = logLines();
        QCOMPARE(log.filter("▶ yt-dlp [127.0.0.1]").size(), 2);
        QCOMPARE(log.filter("CertificateStore: bundle régénéré").size(), 2); // first use + forced

        // The download from the saved information meets the same refusal: it
        // counts within the one ladder, with its one rebuild.
        Logger::shared().clear();
        m_manager->start(trusted);
        QTRY_VERIFY_WITH_TIMEOUT(trusted->status() != DownloadStatus::Downloading, 90000);
        QCOMPARE(trusted->errorMessage(), qtTrId("error.ssl_certificate"));
        QCOMPARE(logLines().filter("▶ yt-dlp [127.0.0.1]").size(), 2);
        QCOMPARE(logLines().filter("CertificateStore: bundle régénéré").size(), 1);
    }

    // Downloads at once: four unless the user chose a number (0: no limit).
    void downloadsAtOnce_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("running");
        QTest::newRow("never set") << -1 << 4;
        QTest::newRow("no limit") << 0 << 5;
        QTest::newRow("two") << 2 << 2;
    }

    void downloadsAtOnce()
    {
        QFETCH(int, setting);
        QFETCH(int, running);
        UserDefaults::remove("maxConcurrentDownloads");
        const auto forget = qScopeGuard([] { UserDefaults::remove("maxConcurrentDownloads"); });
        if (setting >= 0)
            UserDefaults::setValue("maxConcurrentDownloads", setting);
        QList<DownloadItem *> items;
        for (int i = 0; i < 5; ++i)
            items << add(m_server->slowUrl("h264.mp4?n=%1").arg(i));
        const auto count = [&](DownloadStatus status) {
            return std::count_if(items.cbegin(), items.cend(), [&](const DownloadItem *item) {
                return item->status() == status;
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(count(DownloadStatus::Ready), 5, 60000);
        for (DownloadItem *item : items)
            m_manager->start(item);
        QCOMPARE(count(DownloadStatus::Downloading), running);
        QCOMPARE(count(DownloadStatus::Waiting), 5 - running);
    }

    void cancelAndRemoveStopTheChild_data() { addTags({"cancel", "remove", "manager destroyed"}); }

    void cancelAndRemoveStopTheChild()
    {
        DownloadItem *item = downloading(m_server->slowUrl("h264.mp4"));
        QVERIFY(item);
        const qint64 pid = childOf(item)->processId();
        QVERIFY(processAlive(pid));
        const QPointer<DownloadItem> watched(item);
        if (tag() == "manager destroyed")
            m_manager.reset();
        else if (tag() == "remove")
            m_manager->remove(item);
        else
            item->cancelRun();
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 20000);
        if (tag() == "remove")
            QTRY_VERIFY(!watched && m_manager->rowCount() == 0);
        if (tag() == "cancel") {
            QTRY_COMPARE(item->status(), DownloadStatus::Cancelled);
            QVERIFY(!childOf(item) && item->statusMessage().isEmpty());
        }
    }

    void retryAfterAnError()
    {
        const QString later = m_server->root() + "/later.mp4";
        QFile::remove(later);
        DownloadItem *item = add(m_server->httpUrl("later.mp4"));
        WAIT_SETTLED(item, 60000);
        QCOMPARE(item->status(), DownloadStatus::Error);
        QVERIFY2(item->errorDetail().contains("404"), qPrintable(item->errorDetail()));
        QVERIFY(QFile::copy(m_server->root() + "/h264.mp4", later));
        QList<DownloadStatus> seen;
        connect(item, &DownloadItem::statusChanged, this, [&] { seen << item->status(); });
        m_manager->retry(item);
        QVERIFY(item->errorMessage().isEmpty() && item->errorDetail().isEmpty());
        QCOMPARE(item->progress(), 0);
        WAIT_SETTLED(item, 60000);
        QCOMPARE(seen, (QList<DownloadStatus>{DownloadStatus::Waiting, DownloadStatus::Fetching,
                                              DownloadStatus::Ready}));
        QFile::remove(later);
    }

    // An address that looks like an option reaches yt-dlp as an address.
    void optionLookingAddresses_data() { addTags({"--exec=touch MARKER", "-oMARKER"}); }

    void optionLookingAddresses()
    {
        QString address = tag();
        const QString marker = TestHome::path() + "/marker";
        QFile::remove(marker);
        DownloadItem *item = add(address.replace("MARKER", marker));
        WAIT_SETTLED(item, 60000);
        QCOMPARE(item->status(), DownloadStatus::Error);
        m_manager->start(item);
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Error, 60000);
        QVERIFY(!QFileInfo::exists(marker));
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

REELIX_TEST_MAIN(TestDownloads)
#include "tst_downloads.moc"
