#include "fixtures/Files.h"
#include "fixtures/TestMain.h"

#include "deps/DependencyChecker.h"
#include "engine/DownloadManager.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

class TestModels : public QObject
{
    Q_OBJECT

    using K = DepStatus::Kind;

    static DepStatus make(K kind, double f = 0, const QString &a = {}, const QString &b = {})
    {
        switch (kind) {
        case K::Unknown:
            return DepStatus::unknown();
        case K::Checking:
            return DepStatus::checking();
        case K::Installed:
            return DepStatus::installedStatus();
        case K::Downloading:
            return DepStatus::downloading(f);
        case K::Failed:
            return DepStatus::failed(a);
        case K::UpdateAvailable:
            return DepStatus::updateAvailable(a, b);
        case K::UpToDate:
            return DepStatus::upToDate(a);
        case K::Updating:
            return DepStatus::updating(f);
        }
        return {};
    }

private slots:
    void depStatusEquality_data()
    {
        QTest::addColumn<DepStatus>("a");
        QTest::addColumn<DepStatus>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same plain case") << make(K::Installed) << make(K::Installed) << true;
        QTest::newRow("different cases") << make(K::Installed) << make(K::Unknown) << false;
        QTest::newRow("same fraction")
            << make(K::Downloading, 0.5) << make(K::Downloading, 0.5) << true;
        QTest::newRow("other fraction")
            << make(K::Downloading, 0.5) << make(K::Downloading, 0.6) << false;
        QTest::newRow("downloading vs updating")
            << make(K::Downloading, 0.5) << make(K::Updating, 0.5) << false;
        QTest::newRow("failed message")
            << make(K::Failed, 0, "x") << make(K::Failed, 0, "y") << false;
        QTest::newRow("update pair") << make(K::UpdateAvailable, 0, "1", "2")
                                     << make(K::UpdateAvailable, 0, "1", "2") << true;
        QTest::newRow("update latest differs") << make(K::UpdateAvailable, 0, "1", "2")
                                               << make(K::UpdateAvailable, 0, "1", "3") << false;
        QTest::newRow("up to date version")
            << make(K::UpToDate, 0, "1") << make(K::UpToDate, 0, "2") << false;
    }

    void depStatusEquality()
    {
        QFETCH(DepStatus, a);
        QFETCH(DepStatus, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
        QCOMPARE(a != b, !equal);
    }

    void predicates_data()
    {
        QTest::addColumn<DepStatus>("a");
        QTest::addColumn<DepStatus>("b");
        QTest::addColumn<DepStatus>("c");
        QTest::addColumn<QString>("expected"); // hasUpdates allReady isAnyUpdating hasFailure
        QTest::newRow("fresh") << make(K::Unknown) << make(K::Unknown) << make(K::Unknown)
                               << "0000";
        QTest::newRow("ready mix") << make(K::Installed) << make(K::UpToDate, 0, "1")
                                   << make(K::UpdateAvailable, 0, "1", "2") << "1100";
        QTest::newRow("one checking")
            << make(K::Installed) << make(K::Checking) << make(K::Installed) << "0000";
        QTest::newRow("one updating")
            << make(K::UpdateAvailable, 0, "1", "2") << make(K::Updating, 0.3)
            << make(K::UpToDate, 0, "1") << "1010";
        QTest::newRow("one failed")
            << make(K::Failed, 0, "x") << make(K::Installed) << make(K::Downloading, 0.1) << "0001";
    }

    void predicates()
    {
        QFETCH(DepStatus, a);
        QFETCH(DepStatus, b);
        QFETCH(DepStatus, c);
        QFETCH(QString, expected);
        DependencyChecker checker;
        QSignalSpy changed(&checker, &DependencyChecker::statusesChanged);
        checker.ytdlp()->setStatus(a);
        checker.ffmpeg()->setStatus(b);
        checker.node()->setStatus(c);
        const QString got =
            QString::number(checker.hasUpdates()) + QString::number(checker.allReady()) +
            QString::number(checker.isAnyUpdating()) + QString::number(checker.hasFailure());
        QCOMPARE(got, expected);
        QCOMPARE(changed.size(), int(a.kind() != K::Unknown) + int(b.kind() != K::Unknown) +
                                     int(c.kind() != K::Unknown));
    }

    void freshChecker()
    {
        DependencyChecker checker;
        QStringList names;
        for (Dependency *tool : checker.tools()) {
            names << tool->name() + "/" + tool->fileName() + "/" + tool->icon();
            QCOMPARE(tool->status(), DepStatus::unknown());
        }
        QCOMPARE(names, (QStringList{"yt-dlp/yt-dlp/arrow.down.circle", "ffmpeg/ffmpeg/waveform",
                                     "Node.js/node/curlybraces"}));
        // Without a translation table the key itself is shown.
        QCOMPARE(checker.ytdlp()->description(), QString("tool.ytdlp.desc"));
        QVERIFY(checker.logOutput().isEmpty() && checker.currentStep().isEmpty());
        QVERIFY(!checker.isInstalling() && !checker.isCheckingUpdates());
    }

    void checkInstalledReturnsAtOnce()
    {
        const QString bin = ToolPaths::binDirectory();
        writeScript(bin + "/yt-dlp", "echo 2025.01.15"); // runs and prints a version
        writeScript(bin + "/ffmpeg", "exit 0", false);   // present but not executable
        QFile::remove(bin + "/node");
        DependencyChecker checker;
        checker.checkInstalled();
        for (Dependency *tool : checker.tools())
            QCOMPARE(tool->status(), DepStatus::checking());
        QTRY_COMPARE(checker.ytdlp()->status(), DepStatus::installedStatus());
        QTRY_COMPARE(checker.ffmpeg()->status(), DepStatus::unknown());
        QTRY_COMPARE(checker.node()->status(), DepStatus::unknown());
    }

    void downloadItemNotifiesRealChangesOnly()
    {
        DownloadItem item("https://example.org/v", DownloadFormat::Video);
        QCOMPARE(item.status(), DownloadStatus::Waiting);
        QVERIFY(!item.filePath() && !item.fileSize() && item.formats().isEmpty());
        QSignalSpy title(&item, &DownloadItem::titleChanged);
        QSignalSpy any(&item, &DownloadItem::changed);
        item.setTitle("A");
        item.setTitle("A");
        item.setProgress(0);
        item.setFilePath(std::nullopt);
        QCOMPARE(title.size(), 1);
        QCOMPARE(any.size(), 1);
        item.setFormats({VideoFormat{"137", "1080p", 1080}});
        QCOMPARE(item.formatList().first().toMap().value("label").toString(), QString("1080p"));
    }

    void listModelRowsAndChanges()
    {
        DownloadManager manager;
        QAbstractItemModelTester tester(&manager,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&manager, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&manager, &QAbstractItemModel::modelReset);
        // Unroutable local addresses: their information runs fail quickly.
        manager.addDownload("http://127.0.0.1:9/a", DownloadFormat::Video);
        manager.addDownload("http://127.0.0.1:9/b", DownloadFormat::Audio);
        manager.addDownload("http://127.0.0.1:9/a", DownloadFormat::Audio); // duplicate
        QCOMPARE(manager.rowCount(), 2);
        QCOMPARE(inserted.size(), 2);
        QSignalSpy changed(&manager, &QAbstractItemModel::dataChanged);
        manager.itemAt(1)->setTitle("second");
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.first().at(1).toModelIndex().row(), 1);
        QCOMPARE(manager.data(manager.index(1), Qt::DisplayRole).toString(), QString("second"));
        QCOMPARE(manager.data(manager.index(0), DownloadManager::ItemRole).value<DownloadItem *>(),
                 manager.downloads().first());
        manager.remove(manager.itemAt(0));
        QCOMPARE(manager.rowCount(), 1);
        QCOMPARE(manager.itemAt(0)->url(), QString("http://127.0.0.1:9/b"));
        QCOMPARE(reset.size(), 0);
    }

    void downloadFolder()
    {
        UserDefaults::remove("downloadFolderBookmark");
        const QString fallback = PlatformProfile::current().defaultDownloadFolder;
        {
            DownloadManager manager;
            QCOMPARE(manager.downloadFolder(), fallback);
            QVERIFY(QFileInfo(fallback).isDir());
            QSignalSpy spy(&manager, &DownloadManager::downloadFolderURLChanged);
            manager.chooseFolder(QUrl::fromLocalFile(TestHome::path() + "/chosen/deep"));
            QCOMPARE(spy.size(), 1);
            QVERIFY(QFileInfo(TestHome::path() + "/chosen/deep").isDir());
        }
        QCOMPARE(DownloadManager().downloadFolder(), TestHome::path() + "/chosen/deep");
        QDir(TestHome::path() + "/chosen").removeRecursively();
        QCOMPARE(DownloadManager().downloadFolder(), fallback); // no longer resolves
        QCOMPARE(UserDefaults::value("downloadFolderBookmark").toString(),
                 TestHome::path() + "/chosen/deep"); // kept as stored
    }
};

REELIX_TEST_MAIN(TestModels)
#include "tst_models.moc"
