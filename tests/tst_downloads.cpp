#include "fixtures/EngineHarness.h"
#include "fixtures/MediaServer.h"
#include "platform/ToolPaths.h"

#include "engine/Retag.h"

#include <QSignalSpy>

using namespace Harness;

// The whole road of a download against Debian's real yt-dlp, ffmpeg and
// ffprobe, with media served from 127.0.0.1.
class TestDownloads : public EngineTest
{
    Q_OBJECT

private slots:
    void initTestCase() { startServer(); }

    void init() { resetEngine(); }

    void cleanup() { m_manager.reset(); }

    // Two direct files at once: an H.264 one QuickTime plays, a VP9 one it
    // does not.
    void directVideosEndToEnd()
    {
        DownloadItem *item = add(m_server->httpUrl("h264.mp4"));
        DownloadItem *other = add(m_server->httpUrl("vp9.webm"));
        QCOMPARE(item->status(), DownloadStatus::Fetching);
        WAIT_SETTLED(item, 60000);
        WAIT_SETTLED(other, 60000);
        QCOMPARE(item->status(), DownloadStatus::Ready);
        QCOMPARE(item->title(), QString("h264"));
        QVERIFY(item->formats().isEmpty()); // a direct file gives no height

        QList<double> progress;
        connect(item, &DownloadItem::progressChanged, this, [&] { progress << item->progress(); });
        m_manager->start(item);
        m_manager->start(other);
        QCOMPARE(item->status(), DownloadStatus::Downloading);
        QCOMPARE(item->statusMessage(), QString("Starting…"));
        QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Downloading &&
                                     other->status() != DownloadStatus::Downloading,
                                 90000);
        QCOMPARE(item->status(), DownloadStatus::Done);
        QCOMPARE(item->filePath(), std::optional<QString>(folder() + "/h264.mp4"));
        QVERIFY(QFileInfo(*item->filePath()).size() > 1000);
        QVERIFY(item->fileSize() && !item->fileSize()->isEmpty());
        QCOMPARE(item->codecInfo(), QString("H.264 + AAC"));
        QVERIFY(!item->needsConversion());
        QCOMPARE(item->progress(), 1.0);
        QVERIFY(item->statusMessage().isEmpty());
        QVERIFY(!progress.isEmpty());
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        QCOMPARE(other->status(), DownloadStatus::Done);
        QCOMPARE(other->filePath(), std::optional<QString>(folder() + "/vp9.webm"));
        QCOMPARE(other->codecInfo(), QString("VP9 + Opus"));
        QVERIFY(other->needsConversion());
        // "--" stands right before the address in both information runs; the
        // downloads start from what those saved.
        const QStringList commands = logLines().filter("▶ yt-dlp [127.0.0.1] args: ");
        QCOMPARE(commands.size(), 4);
        for (const QString &c : commands)
            QVERIFY2(c.endsWith(" -- " + item->url()) || c.endsWith(" -- " + other->url()) ||
                         c.contains(" --load-info-json " + QDir::tempPath()),
                     qPrintable(c));
        QCOMPARE(commands.filter(" --load-info-json ").size(), 2);
    }

    void dashHevcIsRetagged()
    {
        DownloadItem *item = readyItem(m_server->httpUrl("dash/manifest.mpd"));
        QVERIFY(item);
        QStringList labels;
        for (const VideoFormat &f : item->formats())
            labels << f.label;
        QCOMPARE(labels, (QStringList{"360p", "180p"}));
        QVERIFY(!item->formats().first().id.isEmpty());
        QCOMPARE(item->vcodec.left(3), QString("hev"));

        item->setSelectedFormatID(item->formats().first().id);
        QVERIFY(finish(item));
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY(item->filePath());
        QCOMPARE(videoStream(*item->filePath(), "codec_tag_string"), QString("hvc1"));
        QCOMPARE(item->codecInfo(), QString("HEVC + AAC"));
        QVERIFY(!item->needsConversion());
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(*item->filePath()).fileName()});
    }

    void endStates_data() { addTags({"h264.mp4 as audio", "hls/master.m3u8"}); }

    // Audio becomes an mp3 that is not probed; an HLS variant is probed.
    void endStates()
    {
        const bool audio = tag().endsWith("audio");
        DownloadItem *item = readyItem(m_server->httpUrl(tag().section(' ', 0, 0)),
                                       audio ? DownloadFormat::Audio : DownloadFormat::Video);
        QVERIFY(item);
        if (!audio) {
            QCOMPARE(item->formats().size(), 2);
            item->setSelectedFormatID(item->formats().last().id);
        }
        QVERIFY(finish(item));
        QCOMPARE(item->status(), DownloadStatus::Done);
        QVERIFY2(item->filePath(), qPrintable(item->errorMessage()));
        QCOMPARE(QFileInfo(*item->filePath()).suffix(), QString(audio ? "mp3" : "mp4"));
        QCOMPARE(item->codecInfo(), QString(audio ? "" : "H.264 + AAC"));
        QVERIFY(!item->needsConversion());
        QCOMPARE(logLines().filter("  probe: codec=").size(), audio ? 0 : 1);
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
        QCOMPARE(untrusted->errorMessage(), QString("error.ssl_certificate"));
        const QStringList log = logLines();
        QCOMPARE(log.filter("▶ yt-dlp [127.0.0.1]").size(), 2);
        QCOMPARE(log.filter("CertificateStore: bundle régénéré").size(), 2); // first use + forced
    }

    void cancelAndRemoveStopTheChild_data() { addTags({"cancel", "remove", "manager destroyed"}); }

    void cancelAndRemoveStopTheChild()
    {
        const QString stop = tag();
        DownloadItem *item = downloading(m_server->slowUrl("h264.mp4"));
        QVERIFY(item);
        const qint64 pid = item->process->processId();
        QVERIFY(processAlive(pid));
        if (stop == "manager destroyed") {
            m_manager.reset();
            QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 10000);
            return;
        }
        if (stop == "remove") {
            QPointer<DownloadItem> watched(item);
            m_manager->remove(item);
            QCOMPARE(m_manager->rowCount(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 10000);
            QTRY_VERIFY(!watched);
            return;
        }
        item->cancelRun();
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Cancelled, 20000);
        QVERIFY(!processAlive(pid));
        QVERIFY(!item->process);
        QVERIFY(item->statusMessage().isEmpty());
    }

    void retryAfterAnError()
    {
        const QString later = m_server->root() + "/later.mp4";
        QFile::remove(later);
        DownloadItem *item = add(m_server->httpUrl("later.mp4"));
        WAIT_SETTLED(item, 60000);
        QCOMPARE(item->status(), DownloadStatus::Error);
        QVERIFY2(item->errorMessage().contains("404"), qPrintable(item->errorMessage()));
        QVERIFY(QFile::copy(m_server->root() + "/h264.mp4", later));
        QList<DownloadStatus> seen;
        connect(item, &DownloadItem::statusChanged, this, [&] { seen << item->status(); });
        m_manager->retry(item);
        QVERIFY(item->errorMessage().isEmpty() && item->progress() == 0);
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
