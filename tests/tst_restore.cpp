#include "fixtures/EngineHarness.h"

#include "engine/WorkFolder.h"
#include "i18n/Localization.h"
#include "store/QueueStore.h"

#include <QUuid>

#include <csignal>

using namespace Harness;

// What a crash or a restart leaves is picked up where it stopped: a download
// killed with its program continues from its partial file, a conversion
// starts again, and a second Reelix hands its addresses to the first.
class TestRestore : public EngineTest
{
    Q_OBJECT

    static qint64 partialBytes(const QString &folder)
    {
        QDirIterator it(folder, {"*.part"}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        return it.hasNext() ? QFileInfo(it.next()).size() : 0;
    }
    static QList<ItemRecord> savedItems()
    {
        QueueDatabase db(QueueStore::defaultPath());
        return db.openReadOnly() ? db.items() : QList<ItemRecord>();
    }
    static QStringList savedUrls()
    {
        QStringList urls;
        for (const ItemRecord &saved : savedItems())
            urls << saved.url;
        return urls;
    }
    // A session bus of the test's own, and what the app needs to use it.
    static void startSession(QProcess &bus, QProcessEnvironment &env)
    {
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1",
                                  "--address=unix:path=" + TestHome::path() + "/bus"});
        QVERIFY(bus.waitForReadyRead(10000));
        env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromUtf8(bus.readLine()).trimmed());
        env.insert("QT_QPA_PLATFORM", "offscreen");
    }

    // A session bus and a first window, whose list holds one address; the
    // second start is to use the same bus.
    void startFirstWindow(QProcess &bus, QProcess &first, QProcess &second)
    {
        QProcessEnvironment env;
        startSession(bus, env);
        second.setProcessEnvironment(env);
        first.setProcessEnvironment(env);
        first.start(REELIX_APP_PATH, {"http://127.0.0.1:9/first"});
        QTRY_VERIFY_WITH_TIMEOUT(savedItems().size() == 1, 30000);
    }

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        startServer();
        QVERIFY(makeMedia(20, Codecs::h264 + words("-b:v 1M"), m_server->root() + "/big.mp4"));
    }
    void init()
    {
        resetEngine();
        QFile::remove(QueueStore::defaultPath());
        UserDefaults::setValue("downloadFolderBookmark", folder());
    }
    void cleanup()
    {
        m_manager.reset();
        QFile::remove(m_server->root() + "/routes.json");
        UserDefaults::remove("autoStart");
    }

    void killedDownloadContinues()
    {
        writeText(m_server->root() + "/routes.json", R"({"rate": 400000})");
        UserDefaults::setValue("autoStart", true);
        QProcess host;
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(QUEUEHOST_PATH, {m_server->httpUrl("big.mp4")});
        QTRY_VERIFY_WITH_TIMEOUT(partialBytes(folder()) > 300000, 60000);
        ::kill(pid_t(host.processId()), SIGKILL);
        QVERIFY(host.waitForFinished(10000));
        QCOMPARE(savedItems().size(), 1);
        QCOMPARE(savedItems().first().status, DownloadStatus::Downloading);

        // The next start neither visits the page again nor starts over.
        const double restart = QDateTime::currentMSecsSinceEpoch() / 1000.0;
        host.start(QUEUEHOST_PATH, QStringList());
        QVERIFY(host.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += host.readAllStandardOutput()).contains("settled done"),
                                 120000);
        host.terminate();
        QVERIFY(host.waitForFinished(10000));
        const auto saved = savedItems();
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().status, DownloadStatus::Done);
        // What it plays: the page's tags are written into the file.
        QCOMPARE(mediaDigest(saved.first().filePath), mediaDigest(m_server->root() + "/big.mp4"));
        // The media only, no page visit, from where the killed run stopped.
        QList<MediaServer::Request> later = m_server->requests();
        later.removeIf([&](const MediaServer::Request &r) { return r.start < restart; });
        QCOMPARE(later.size(), 1);
        QVERIFY2(later.first().from > 300000, qPrintable(QString::number(later.first().from)));
        QVERIFY(QDir(folder()).entryList({".reelix-work-*"}, QDir::Dirs | QDir::Hidden).isEmpty());
    }

    void conversionStartsAgain()
    {
        // A conversion cut short: its item saved as converting, its working
        // folder with ffmpeg's partial output.
        const QString source = folder() + "/Clip.webm";
        QVERIFY(QFile::copy(m_server->root() + "/vp9.webm", source));
        ItemRecord r;
        r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        r.url = m_server->httpUrl("vp9.webm");
        r.title = "Clip";
        r.status = DownloadStatus::Converting;
        r.filePath = source;
        r.needsConversion = true;
        r.workFolder = WorkFolder::pathIn(folder(), r.id);
        QDir().mkpath(r.workFolder);
        writeText(r.workFolder + "/Clip_qt.mp4", "partial");
        {
            QueueDatabase db(QueueStore::defaultPath());
            QVERIFY(db.open());
            StoreBatch batch;
            batch.items << r;
            QVERIFY(db.apply(batch));
        }
        QueueStore store;
        m_manager = std::make_unique<DownloadManager>();
        QVERIFY(QFileInfo(r.workFolder).isDir()); // not tidied away before the list is back
        store.restoreInto(*m_manager);
        QCOMPARE(m_manager->rowCount(), 1);
        DownloadItem *item = m_manager->itemAt(0);
        QTRY_VERIFY_WITH_TIMEOUT(item->status() == DownloadStatus::Done && !item->isRunning(),
                                 120000);
        QVERIFY(!item->file().needsConversion);
        QCOMPARE(QFileInfo(item->filePath().value_or(QString())).fileName(),
                 QString("Clip_qt.mp4"));
        QCOMPARE(streams(item->filePath().value_or(QString())).value(0).section('|', 0, 0),
                 QString("h264"));
        QVERIFY(!QFile::exists(source));
        store.finish();
    }

    void secondInstanceHandsOver()
    {
        QProcess bus, first, second;
        startFirstWindow(bus, first, second);
        if (QTest::currentTestFailed())
            return;
        // After "--" every word is an address, even one spelled like an option.
        second.start(REELIX_APP_PATH,
                     {"http://127.0.0.1:9/a", "--", "http://127.0.0.1:9/b", "--version"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QTRY_VERIFY_WITH_TIMEOUT(savedItems().size() == 4, 30000);
        QCOMPARE(savedUrls(), (QStringList{"http://127.0.0.1:9/first", "http://127.0.0.1:9/a",
                                           "http://127.0.0.1:9/b", "--version"}));
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        bus.terminate();
        bus.waitForFinished(5000);
    }

    // A window too busy to answer in time gets the addresses when it wakes,
    // once, and no second window opens on its list meanwhile.
    void slowWindowGetsTheAddressesOnce()
    {
        QProcess bus, first, second;
        startFirstWindow(bus, first, second);
        if (QTest::currentTestFailed())
            return;
        ::kill(pid_t(first.processId()), SIGSTOP);
        second.start(REELIX_APP_PATH, {"http://127.0.0.1:9/late"});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += second.readAllStandardError()).contains("does not answer"), 30000);
        ::kill(pid_t(first.processId()), SIGCONT);
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(
            savedUrls(), (QStringList{"http://127.0.0.1:9/first", "http://127.0.0.1:9/late"}),
            10000);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        bus.terminate();
        bus.waitForFinished(5000);
    }
};

REELIX_TEST_MAIN(TestRestore)
#include "tst_restore.moc"
