#include "fixtures/TestMain.h"

#include "deps/DependencyChecker.h"
#include "engine/DownloadManager.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"
#include "store/HistoryFilter.h"
#include "store/HistoryModel.h"

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

    // A change of the history → the rows the history announces and the
    // titles the searched view shows after it.
    using HistoryCase =
        std::tuple<const char *, const char *, const char *, const char *, const char *>;
    static inline const HistoryCase historyCases[] = {
        {"new entry", "", "record new", "inserted 0", "Delta clip|Alpha clip|Beta song|Gamma clip"},
        {"new entry, searched", "clip", "record new", "inserted 0",
         "Delta clip|Alpha clip|Gamma clip"},
        {"entry again", "", "record again", "moved 2 to 0|changed 0",
         "Gamma clip, again|Alpha clip|Beta song"},
        {"first entry again", "", "record first", "changed 0", "Alpha song|Beta song|Gamma clip"},
        {"entry again, searched out", "clip", "record first", "changed 0", "Gamma clip"},
        {"removed", "", "remove 1", "removed 1", "Alpha clip|Gamma clip"},
        {"removed where shown", "clip", "remove shown 1", "removed 2", "Alpha clip"},
        {"cleared", "clip", "clear", "removed 0-2", ""},
    };

    static HistoryRecord historyEntry(const QString &id, const QString &title,
                                      const QString &file = {})
    {
        HistoryRecord r;
        r.id = id;
        r.title = title;
        r.url = "http://127.0.0.1:9/" + id;
        r.filePath = file;
        return r;
    }

    static void changeHistory(HistoryModel &history, HistoryFilter &shown, const QString &change)
    {
        if (change == "record new")
            history.record(historyEntry("d", "Delta clip"));
        else if (change == "record again")
            history.record(historyEntry("c", "Gamma clip, again"));
        else if (change == "record first")
            history.record(historyEntry("a", "Alpha song"));
        else if (change == "remove 1")
            history.remove(1);
        else if (change == "remove shown 1")
            shown.remove(1);
        else if (change == "clear")
            history.clearAll();
    }

    static QString column(const QAbstractItemModel &model, int role, bool asFlags = false)
    {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant value = model.index(row, 0).data(role);
            values << (asFlags ? QString::number(value.toBool()) : value.toString());
        }
        return values.join(asFlags ? "" : "|");
    }

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
            manager.itemAt(1)->setFile({});
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

    // A view keeps its place: each change arrives as the rows it touches,
    // searched or not, and never as a new model.
    void historyChangesArriveAsRows_data() { addCases(historyCases); }

    void historyChangesArriveAsRows()
    {
        const auto &[name, search, change, announced, titles] = caseOf(historyCases);
        HistoryModel history;
        history.reset({historyEntry("a", "Alpha clip"), historyEntry("b", "Beta song"),
                       historyEntry("c", "Gamma clip")});
        HistoryFilter shown;
        shown.setSourceModel(&history);
        const auto fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;
        QAbstractItemModelTester historyTester(&history, fatal), shownTester(&shown, fatal);
        QSignalSpy shownReset(&shown, &QAbstractItemModel::modelReset);
        shown.setSearch(search);
        QStringList got;
        const auto note = [&](const char *what, int first, int last) {
            got << QString(what) + QString::number(first) +
                       (last == first ? QString() : "-" + QString::number(last));
        };
        connect(&history, &QAbstractItemModel::rowsInserted, this,
                [&](const QModelIndex &, int first, int last) { note("inserted ", first, last); });
        connect(&history, &QAbstractItemModel::rowsRemoved, this,
                [&](const QModelIndex &, int first, int last) { note("removed ", first, last); });
        connect(&history, &QAbstractItemModel::rowsMoved, this,
                [&](const QModelIndex &, int row, int, const QModelIndex &, int to) {
                    got << QString("moved %1 to %2").arg(row).arg(to);
                });
        connect(&history, &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex &from, const QModelIndex &to) {
                    note("changed ", from.row(), to.row());
                });
        QSignalSpy historyReset(&history, &QAbstractItemModel::modelReset);
        changeHistory(history, shown, change);
        QCOMPARE(got.join("|"), QString(announced));
        QCOMPARE(column(shown, HistoryModel::TitleRole), QString(titles));
        QCOMPARE(shown.count(), shown.rowCount());
        QCOMPARE(historyReset.size() + shownReset.size(), 0);
    }

    // Whether a file is still there is looked up away from the view and
    // arrives as a change of the rows whose answer differs.
    void historyLooksForItsFiles()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.mp4"), gone = dir.filePath("gone.mp4");
        writeText(kept, "1");
        writeText(gone, "1");
        HistoryModel history;
        QAbstractItemModelTester tester(&history,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        history.reset({historyEntry("k", "Kept", kept), historyEntry("g", "Gone", gone),
                       historyEntry("n", "No file"),
                       historyEntry("m", "Never made", dir.filePath("never.mp4"))});
        QTRY_COMPARE(column(history, HistoryModel::FileExistsRole, true), QString("1100"));
        QVERIFY(QFile::remove(gone));
        QSignalSpy changed(&history, &QAbstractItemModel::dataChanged);
        history.refreshFiles();
        QTRY_VERIFY(!history.checkingFiles());
        QCOMPARE(column(history, HistoryModel::FileExistsRole, true), QString("1000"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.first().at(2).value<QList<int>>(),
                 QList<int>{HistoryModel::FileExistsRole});
        history.record(historyEntry("later", "Moved away since", dir.filePath("elsewhere.mp4")));
        QTRY_COMPARE(column(history, HistoryModel::FileExistsRole, true), QString("01000"));
    }
};

REELIX_TEST_MAIN(TestModels)
#include "tst_models.moc"
