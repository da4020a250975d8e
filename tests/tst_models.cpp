#include "fixtures/TestMain.h"

#include "deps/DependencyChecker.h"
#include "engine/DownloadManager.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>

class TestModels : public QObject
{
    Q_OBJECT

    // Three tools' statuses → hasUpdates allReady, whether it is the Updating phase, hasFailure.
    using Predicates = std::tuple<const char *, DepStatus, DepStatus, DepStatus, const char *>;
    static inline const DepStatus installed = DepStatus::installedStatus(),
                                  unknown = DepStatus::unknown(),
                                  update = DepStatus::updateAvailable("1", "2");
    static inline const Predicates predicateCases[] = {
        {"fresh", unknown, unknown, unknown, "0000"},
        {"ready mix", installed, DepStatus::upToDate("1"), update, "1100"},
        {"one checking", installed, DepStatus::checking(), installed, "0000"},
        {"one updating", update, DepStatus::updating(0.3), DepStatus::upToDate("1"), "1010"},
        {"one failed", DepStatus::failed("x"), installed, DepStatus::downloading(0.1), "0001"},
    };

    using K = DepStatus::Kind;

private slots:
    void cleanup() { waitForChildrenToEnd(); }
    void predicates_data() { addCases(predicateCases); }

    void predicates()
    {
        const auto &[name, a, b, c, expected] = caseOf(predicateCases);
        DependencyChecker checker;
        QSignalSpy changed(&checker, &DependencyChecker::statusesChanged);
        checker.ytdlp()->setStatus(a);
        checker.ffmpeg()->setStatus(b);
        checker.node()->setStatus(c);
        const QString got = QString::number(checker.hasUpdates()) +
                            QString::number(checker.allReady()) +
                            QString::number(checker.phase() == DependencyChecker::Phase::Updating) +
                            QString::number(checker.hasFailure());
        QCOMPARE(got, QString(expected));
        QCOMPARE(changed.size(), int(a.kind() != K::Unknown) + int(b.kind() != K::Unknown) +
                                     int(c.kind() != K::Unknown));
    }

    // Only a real change is announced: the fraction, the case and the
    // versions all count.
    void statusChangesNotifyOnce()
    {
        DependencyChecker checker;
        Dependency &tool = *checker.node();
        QSignalSpy changed(&tool, &Dependency::statusChanged);
        for (const DepStatus &s :
             {DepStatus::downloading(0.2), DepStatus::downloading(0.2), DepStatus::downloading(0.3),
              DepStatus::updating(0.3), DepStatus::updateAvailable("1", "2"),
              DepStatus::updateAvailable("1", "3")})
            tool.setStatus(s);
        QCOMPARE(changed.size(), 5);
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

    // A removed row is deleted a moment later, or with its list should the
    // list go first.
    void removedItemsGoWithTheList()
    {
        QPointer<DownloadItem> removed;
        {
            DownloadManager manager;
            removed = new DownloadItem("http://127.0.0.1:9/a", DownloadFormat::Video);
            removed->setStatus(DownloadStatus::Done);
            manager.insertItem(removed);
            manager.remove(removed);
            QVERIFY(removed);
        }
        QVERIFY(!removed);
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
        // One signal for a real change; none for the same values again.
        for (int time = 0; time < 2; ++time) {
            manager.itemAt(1)->setTitle("second");
            manager.itemAt(1)->setProgress(0);
            manager.itemAt(1)->setFilePath(std::nullopt);
        }
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
