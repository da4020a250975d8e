#include "fixtures/EngineHarness.h"
#include "fixtures/uiWindow.h"

#include "Preferences.h"

#include "engine/AutoStart.h"
#include "store/QueueStore.h"

// The main view a new user meets: where the keyboard is, what starts by
// itself, what a row waiting for a choice tells, how the view fills a wide
// window.
class TestUiFirstRun : public UiTest
{
    Q_OBJECT

    // What a row waiting for its start tells: the format chosen (empty:
    // "best"), the list's limit, MP3 or not → the info line.
    using Info = std::tuple<const char *, const char *, int, bool, const char *>;
    static inline const Info infoCases[] = {
        {"best is the highest", "", 0, false, "12:34 · 1080p · ~241 MB"},
        {"chosen format", "136", 0, false, "12:34 · 720p · ~120 MB"},
        {"size unknown", "135", 0, false, "12:34 · 480p"},
        {"list entry within its limit", "", 720, false, "720p · ~120 MB"},
        {"mp3", "", 0, true, "12:34"},
    };

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init()
    {
        // A profile as a new user has it: no setting, no saved list.
        for (const char *key : {"autoStart", "useSystemTools", "downloadFolderBookmark"})
            UserDefaults::remove(key);
        QFile::remove(QueueStore::defaultPath());
    }
    void cleanup() { m_view.reset(); }

    // From a fresh profile to a playable file by the keyboard alone: setup's
    // default action, then paste and Enter.
    void pasteAndEnterMakeTheFile()
    {
        const auto tools = useSystemTools();
        startServer();
        RealWindow w;
        QTRY_VERIFY_WITH_TIMEOUT(w.app.view() == ReelixApp::View::Setup && w.view(), 20000);
        QTRY_VERIFY(shown(w.view(), "useSystemButton"));
        w.window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(w.window));
        // Setup's default action, from the keyboard: go on with the tools found.
        QTest::keyClick(w.window, Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w.app.view(), ReelixApp::View::Main, 20000);
        // The address box has the keyboard without a click.
        QTRY_VERIFY(w.item("addressEditor") && w.item("addressEditor")->hasActiveFocus());

        QGuiApplication::clipboard()->setText(m_server->httpUrl("h264.mp4"));
        QTest::keyClick(w.window, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.window, Qt::Key_Return);
        DownloadManager *manager = w.app.manager();
        QCOMPARE(manager->rowCount(), 1);
        DownloadItem *item = manager->itemAt(0);
        QTRY_VERIFY_WITH_TIMEOUT(
            Harness::isSettled(item) && item->status() != DownloadStatus::Ready, 120000);
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Done, 120000);
        const QString file = item->filePath().value_or(QString());
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        QCOMPARE(Harness::streams(file, "codec_name"), (QStringList{"h264", "aac"}));
        QTRY_VERIFY(shown(w.view(), "doneControls"));
    }

    // Every reader of the setting agrees: unset is on, a choice is kept.
    void autoStartDefault_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("never set") << QVariant() << true;
        QTest::newRow("turned off") << QVariant(false) << false;
        QTest::newRow("turned on") << QVariant(true) << true;
    }

    void autoStartDefault()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, on);
        if (stored.isValid())
            UserDefaults::setValue("autoStart", stored);
        QCOMPARE(AutoStart::enabled(), on);
        QCOMPARE(Preferences().autoStart(), on);
        auto empty = load("EmptyState", {}, {600, 300});
        QCOMPARE(text(empty->rootObject(), "emptySubtitle"),
                 qtTrId(on ? "empty.subtitle_auto" : "empty.subtitle"));

        // The engine: the download starts when the information is in, or waits.
        const auto tools = useSystemTools();
        startServer();
        DownloadManager manager;
        manager.useSettings({.folder = TestHome::path() + "/Downloads", .autoStart = true});
        std::optional<bool> started;
        connect(&manager, &DownloadManager::itemSettled, this, [&](DownloadItem *i) {
            if (!started)
                started = i->isRunning() || i->status() != DownloadStatus::Ready;
        });
        manager.addDownload(m_server->httpUrl("h264.mp4"), DownloadFormat::Video);
        QTRY_VERIFY_WITH_TIMEOUT(started.has_value(), 60000);
        QCOMPARE(*started, on);
        stopAll(&manager);
    }

    void readyRowTellsWhatComes_data() { addCases(infoCases); }

    void readyRowTellsWhatComes()
    {
        const auto &[name, chosen, cap, mp3, expected] = caseOf(infoCases);
        UserDefaults::setValue("autoStart", false);
        DownloadManager manager;
        const DownloadFormat format = mp3 ? DownloadFormat::Audio : DownloadFormat::Video;
        const QString address = "http://127.0.0.1:9/ready";
        DownloadItem *it = nullptr;
        if (cap) {
            auto *header = new DownloadItem("http://127.0.0.1:9/list", format);
            manager.insertItem(header);
            manager.listGroup(header, {"List", 1, {{address, "Entry", 754, 1}}});
            header->group()->setQualityCap(cap);
            it = header->group()->entries().first();
        } else {
            it = new DownloadItem(address, format);
            manager.insertItem(it);
        }
        it->setStatus(DownloadStatus::Ready);
        it->setDuration(754);
        it->setFormats({{"137", "1080p", 1080, 240'500'000},
                        {"136", "720p", 720, 120'000'000},
                        {"135", "480p", 480, 0}});
        it->setSelectedFormatID(chosen);
        auto view =
            load("DownloadRow",
                 {{"item", QVariant::fromValue(it)}, {"manager", QVariant::fromValue(&manager)}},
                 {800, 70});
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        QTRY_COMPARE(text(root, "readyInfo"), QString(expected));
        QVERIFY(shown(root, "readyInfo"));
        QVERIFY(shown(root, "startButton"));
        QCOMPARE(text(root, "startLabel"), qtTrId("action.start"));
        click(*view, find(root, "startButton"));
        QTRY_VERIFY(it->status() != DownloadStatus::Ready || it->isRunning());
        stopAll(&manager);
    }

    // In a 1920 px window the box and the rows keep a readable width, centred.
    void wideWindowCentresTheContent()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        w.window->resize(1920, 1000);
        w.app.manager()->insertItem(item(DownloadStatus::Ready));
        QVERIFY(QQuickTest::qWaitForPolish(w.window));
        QTRY_VERIFY(w.item("downloadRow"));
        for (const char *name : {"addressInput", "downloadRow"}) {
            QQuickItem *i = w.item(name);
            const QRectF r = i->mapRectToScene(i->boundingRect());
            QVERIFY2(r.width() >= 700 && r.width() <= 1100, name);
            QVERIFY2(qAbs(r.center().x() - 960) < 60, name);
        }
        stopAll(w.app.manager());
    }

    // A collapsed list tells how far it is as a whole; each count takes its
    // own plural (French: "1 terminée", "2 vidéos").
    void collapsedListShowsItsProgress()
    {
        const auto french = translated(QLocale::French);
        DownloadManager manager;
        auto *header = new DownloadItem("http://127.0.0.1:9/list", DownloadFormat::Video);
        manager.insertItem(header);
        manager.listGroup(header, {"List",
                                   2,
                                   {{"http://127.0.0.1:9/1", "One", 10, 1},
                                    {"http://127.0.0.1:9/2", "Two", 10, 2}}});
        auto view = load(
            "GroupHeader",
            {{"item", QVariant::fromValue(header)}, {"manager", QVariant::fromValue(&manager)}},
            {800, 120});
        QQuickItem *root = view->rootObject();
        QVERIFY(!shown(root, "groupProgress"));
        manager.setGroupExpanded(header, false);
        QTRY_VERIFY(shown(root, "groupProgress"));
        const QList<DownloadItem *> entries = header->group()->entries();
        entries[0]->setStatus(DownloadStatus::Done);
        entries[1]->setStatus(DownloadStatus::Downloading);
        entries[1]->setProgress(0.5);
        QTRY_COMPARE(find(root, "groupProgress")->property("value").toDouble(), 0.75);
        QTRY_VERIFY2(text(root, "groupCounts")
                         .endsWith("  ·  2 vidéos  ·  1 terminée  ·  0 en échec  ·  1 restante"),
                     qPrintable(text(root, "groupCounts")));
    }
};

REELIX_GUI_TEST_MAIN(TestUiFirstRun)
#include "tst_ui_firstrun.moc"
