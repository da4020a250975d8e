#include "fixtures/EngineHarness.h"
#include "i18n/Localization.h"
#include "platform/LockClaim.h"

#include <QLockFile>
#include <QUuid>

using namespace Harness;

// Each run writes in a hidden folder of its own: a file of the user's is never
// taken for the download, two downloads never share a name, and nothing of a
// run stays behind, whether it ends done, failed, stopped or on a full disk.
class TestWorkFolder : public EngineTest
{
    Q_OBJECT

    QStringList entries() const
    {
        return QDir(folder()).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString work(const DownloadItem *item) const
    {
        return folder() + "/.reelix-work-" + item->idText();
    }
    // What the tools write to `name` in the item's working folder meets a full
    // disk. The tool sandbox keeps them from writing to a device, so it is off
    // for these runs (until the next test's init).
    void fullDiskFor(const DownloadItem *item, const QString &name)
    {
        qputenv("REELIX_SANDBOX", "off");
        QDir().mkpath(work(item));
        QFile::link("/dev/full", work(item) + "/" + name);
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
        // Long enough on the slow path to be stopped while it downloads.
        QVERIFY(makeMedia(20, Codecs::h264 + words("-b:v 1M"), m_server->root() + "/big.mp4"));
    }

    void init()
    {
        resetEngine();
        qunsetenv("REELIX_SANDBOX");
        QFile::remove(m_server->root() + "/routes.json");
    }

    void cleanup() { m_manager.reset(); }

    void takenNamesStayTheUsers_data()
    {
        QTest::addColumn<QStringList>("served");
        QTest::addColumn<QStringList>("expected");
        const QString alike = "Two different videos whose titles agree up to here";
        QTest::newRow("a file of the user's has the title")
            << QStringList{"h264.mp4"} << QStringList{"h264 (2).mp4", "h264.mp4"};
        QTest::newRow("titles alike in their first 50 characters")
            << QStringList{alike + " and no further.mp4", alike + ", then differ.mp4"}
            << QStringList{alike + " (2).mp4", alike + ".mp4"};
    }

    void takenNamesStayTheUsers()
    {
        QFETCH(QStringList, served);
        QFETCH(QStringList, expected);
        const QString users = folder() + "/" + expected.last();
        if (served.size() == 1)
            writeText(users, "the user's own file");
        QStringList paths;
        for (const QString &name : served) {
            QFile::copy(m_server->root() + "/h264.mp4", m_server->root() + "/" + name);
            DownloadItem *item =
                readyItem(m_server->httpUrl(QString::fromLatin1(QUrl::toPercentEncoding(name))));
            QVERIFY(item && finish(item));
            QCOMPARE(item->status(), DownloadStatus::Done);
            QVERIFY(item->filePath() && !paths.contains(*item->filePath()));
            paths << *item->filePath();
        }
        if (served.size() == 1)
            QCOMPARE(readText(users), QString("the user's own file"));
        QCOMPARE(entries(), expected);
    }

    void runLeavesNothingBehind_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("done") << false;
        QTest::newRow("failed") << false;
        QTest::newRow("disk full") << true;
        QTest::newRow("conversion, disk full") << true;
    }

    void runLeavesNothingBehind()
    {
        QFETCH(bool, diskFull);
        QFile::copy(m_server->root() + "/big.mp4", m_server->root() + "/cut.mp4");
        DownloadItem *item = readyItem(m_server->httpUrl("cut.mp4"));
        QVERIFY(item);
        if (tag() == "failed") // half the file, then the connection ends
            writeText(m_server->root() + "/routes.json", R"({"drop": ["/cut.mp4"]})");
        if (tag() == "disk full")
            fullDiskFor(item, "cut.mp4.part");
        m_manager->start(item);
        WAIT_SETTLED(item, 120000);
        if (tag() == "conversion, disk full") { // the download stays as it was
            fullDiskFor(item, "cut_qt.mp4");
            m_manager->convert(item);
            QTRY_VERIFY_WITH_TIMEOUT(item->status() != DownloadStatus::Converting, 60000);
            QVERIFY(item->file().needsConversion);
        }
        const QMap<QString, DownloadStatus> end{{"failed", DownloadStatus::Error},
                                                {"disk full", DownloadStatus::Error}};
        QCOMPARE(item->status(), end.value(tag(), DownloadStatus::Done));
        QCOMPARE(entries(),
                 item->status() == DownloadStatus::Done ? QStringList{"cut.mp4"} : QStringList{});
        if (diskFull)
            QCOMPARE(item->errorMessage(),
                     "The disk is full: free some space in " + folder() + " and try again.");
    }

    // A stopped download keeps its part: the retry goes on from where it
    // stopped, and the part goes with the item when it is removed.
    void stoppedDownloadKeepsItsPart_data() { addTags({"retried", "removed"}); }
    void stoppedDownloadKeepsItsPart()
    {
        DownloadItem *item = readyItem(m_server->slowUrl("big.mp4"));
        QVERIFY(item);
        MediaChoices asServed; // the served file byte for byte, without the page's tags
        asServed.embedMetadata = false;
        item->setChoices(asServed);
        m_manager->start(item);
        const QString partFile = work(item) + "/big.mp4.part";
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(partFile).size() > 0, 60000);
        DownloadManager other; // another Reelix on the folder leaves a running download alone
        useFolder(other, folder());
        QVERIFY(QFileInfo(work(item)).isDir());
        item->cancelRun();
        WAIT_SETTLED(item, 60000);
        QCOMPARE(item->status(), DownloadStatus::Cancelled);
        const qint64 part = QFileInfo(partFile).size();
        QVERIFY(part > 0);
        if (tag() == "removed") {
            m_manager->remove(item);
            QCOMPARE(entries(), QStringList{});
            return;
        }
        m_manager->retry(item);
        WAIT_SETTLED(item, 60000);
        QCOMPARE(item->status(), DownloadStatus::Ready);
        const double resumed = QDateTime::currentMSecsSinceEpoch() / 1000.0;
        QVERIFY(finish(item));
        QCOMPARE(item->status(), DownloadStatus::Done);
        QList<MediaServer::Request> later = m_server->requests();
        later.removeIf([&](const MediaServer::Request &r) { return r.start < resumed; });
        QCOMPARE(later.size(), 1);
        QCOMPARE(later.first().from, part);
        QCOMPARE(entries(), QStringList{"big.mp4"});
        QCOMPARE(QFileInfo(folder() + "/big.mp4").size(),
                 QFileInfo(m_server->root() + "/big.mp4").size());
    }

    // What a crash left goes at the next start; only what Reelix names so
    // (each name with whether it is kept).
    void leftoversGoAtStart()
    {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const std::pair<QString, bool> names[] = {
            {".reelix-work-" + id, false},                       // a working folder
            {".reelix-work-notes", true},                        // the user's folder, a like name
            {".reelix-work-" + id + ".old", true},               // the user's folder, a longer name
            {".reelix_convert_" + id.toUpper() + ".mp4", false}, // a conversion's temporary
            {".reelix_convert_notes.mp4", true},                 // the user's file, a like name
            {"._retag_Clip.mp4", false}};                        // a retag's temporary
        for (const auto &[name, kept] : names) {
            const QString path = folder() + "/" + name;
            if (!name.endsWith(".mp4"))
                QDir().mkpath(path);
            writeText(name.endsWith(".mp4") ? path : path + "/part.mp4.part", "partial");
        }
        DownloadManager next;
        useFolder(next, folder());
        for (const auto &[name, kept] : names)
            QVERIFY2(QFileInfo::exists(folder() + "/" + name) == kept, qPrintable(name));
    }

    // A working folder whose claim is held belongs to a run going on: it
    // stays until its holder ends, even by a kill, and goes at the next
    // start after. Older copies of the app hold theirs with QLockFile.
    void heldFoldersStayUntilTheirHolderEnds_data()
    {
        QTest::addColumn<bool>("older");
        QTest::newRow("killed process") << false;
        QTest::newRow("QLockFile") << true;
    }
    void heldFoldersStayUntilTheirHolderEnds()
    {
        const QString work =
            folder() + "/.reelix-work-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString lock = work + "/.reelix-lock";
        QVERIFY(QDir().mkpath(work));
        QFETCH(bool, older);
        QLockFile olderLock(lock);
        QProcess holder;
        if (older) {
            QVERIFY(olderLock.tryLock(0));
        } else {
            // The shell's descriptor, locked, passes to the sleep that replaces it.
            holder.start("sh", {"-c", "exec 9>\"$0\"; flock 9; echo held; exec sleep 60", lock});
            QVERIFY(holder.waitForReadyRead(5000));
        }
        useFolder(*std::make_unique<DownloadManager>(), folder());
        QVERIFY(QFileInfo::exists(work));
        if (older) {
            olderLock.unlock();
        } else {
            holder.kill();
            QVERIFY(holder.waitForFinished());
            QVERIFY(QFileInfo::exists(lock)); // a kill leaves the file, not the claim
        }
        useFolder(*std::make_unique<DownloadManager>(), folder());
        QVERIFY(!QFileInfo::exists(work));
        // Reelix's claim keeps an older copy out in turn.
        auto claim = LockClaim::take(folder() + "/claimed");
        QVERIFY(claim);
        QLockFile other(folder() + "/claimed");
        other.setStaleLockTime(0);
        QVERIFY(!other.tryLock(0));
    }

    // A conversion that fails makes reelix-cli fail: a picture one pixel
    // wide cannot be made of even width.
    void cliFailsWhenConversionFails()
    {
        QVERIFY(runTool("ffmpeg", words("-loglevel error -y -f lavfi -i testsrc=size=16x16:d=1 "
                                        "-vf scale=1:1 -c:v libvpx-vp9 -deadline realtime") +
                                      QStringList{m_server->root() + "/pixel.webm"}));
        QCOMPARE(
            runCli({"download", "--convert", "--folder", folder(), m_server->httpUrl("pixel.webm")})
                .exitCode,
            1);
        QCOMPARE(entries(), QStringList{"pixel.webm"});
    }
};

REELIX_TEST_MAIN(TestWorkFolder)
#include "tst_workfolder.moc"
