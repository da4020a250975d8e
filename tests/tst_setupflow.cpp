#include "fixtures/ToolMirror.h"
#include "fixtures/uiViews.h"

#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

// The ways out of setup that do not end in a dead end: a failed update,
// no network at first start, the system's own tools; and the folder chooser.
class TestSetupFlow : public ViewTest
{
    Q_OBJECT

    std::unique_ptr<ToolMirror> m_mirror;

    static constexpr const char *ytdlpDownload =
        "/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux";

    using Phase = DependencyChecker::Phase;

    // yt-dlp's download answers 404 until the usual routes are back.
    void refuseYtdlp() { m_mirror->setRoutes({{"status", QJsonObject{{ytdlpDownload, 404}}}}); }

private slots:
    void initTestCase()
    {
        prepareViews();
        m_mirror = std::make_unique<ToolMirror>(TestHome::path() + "/mirror");
        QVERIFY(m_mirror->isReady());
    }

    void cleanup() { m_view.reset(); }
    void cleanupTestCase() { m_mirror.reset(); }

    // The mirror as distributors, an empty tool folder and no system tools.
    void init()
    {
        m_mirror->serveAnEmptyToolFolder();
        PlatformProfile p = PlatformProfile::current();
        p.systemToolFolders.clear();
        PlatformProfile::setCurrent(p);
    }

    // After an update fails, the tools still work: "Not now" leaves, and
    // "Retry" updates the failed tool again, not the first-time install.
    void failedUpdateLeavesBothWaysOpen()
    {
        ReelixApp app{std::make_unique<StagedChecker>()};
        DependencyChecker &checker = *app.checker();
        await(checker.installAll());
        QVERIFY(checker.allReady());
        QQmlApplicationEngine engine;
        QQuickWindow *window = ViewProbe::openMain(engine, app);
        QVERIFY(window);
        QTRY_VERIFY(app.view() == ReelixApp::View::Main &&
                    checker.phase() != Phase::CheckingUpdates);
        checker.ytdlp()->setStatus(DepStatus::updateAvailable("2025.01.01", "2025.01.15"));
        checker.node()->setStatus(DepStatus::updateAvailable("v22.20.0", "v22.21.0"));
        app.showUpdates();
        QTRY_VERIFY(ViewProbe::currentView(window));
        QQuickItem *root = window->contentItem();
        refuseYtdlp();
        QQuickItem *install = find(root, "installUpdatesButton");
        // The cards settle first (a wrapped description makes one taller),
        // then focus scrolls the button into sight.
        QTRY_VERIFY(install && install->isVisible() && QQuickTest::qWaitForPolish(window));
        install->forceActiveFocus(Qt::TabFocusReason);
        QTRY_VERIFY(QQuickTest::qWaitForPolish(window) &&
                    install->mapToScene({0, install->height()}).y() <= window->height());
        click(*window, install);
        QTRY_COMPARE(checker.phase(), Phase::UpdateFailed);
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Failed);
        QTRY_VERIFY(shown(root, "retryUpdateButton") && shown(root, "notNowButton"));
        QVERIFY(!shown(root, "installButton"));
        QCOMPARE(text(root, "subtitle"), QString("update.failed"));

        // Retry: yt-dlp alone, as an update; Node.js's update is still offered.
        m_mirror->resetRoutes();
        click(*window, find(root, "retryUpdateButton"));
        QTRY_COMPARE(checker.phase(), Phase::UpdatesAvailable);
        QCOMPARE(checker.logOutput(), QString("▶ update.step.ytdlp…\n✓ update.tool_updated\n"));
        QCOMPARE(checker.ytdlp()->status().kind(), DepStatus::Kind::Installed);
        QCOMPARE(checker.node()->status().kind(), DepStatus::Kind::UpdateAvailable);
        QTRY_VERIFY(shown(root, "installUpdatesButton"));

        // Failed again: "Not now" goes back to the downloads.
        refuseYtdlp();
        checker.ytdlp()->setStatus(DepStatus::updateAvailable("2025.01.01", "2025.01.15"));
        click(*window, find(root, "installUpdatesButton"));
        QTRY_VERIFY(checker.phase() == Phase::UpdateFailed && shown(root, "notNowButton"));
        click(*window, find(root, "notNowButton"));
        QTRY_COMPARE(app.view(), ReelixApp::View::Main);
        m_mirror->resetRoutes();
    }

    void offlineFirstStartSaysWhy_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << QLocale::English
                                 << "Could not reach the download server: connection refused.";
        // Qt's own words for the failure come in French too.
        QTest::newRow("French") << QLocale::French
                                << "Impossible de joindre le serveur de téléchargement : "
                                   "connexion refusée.";
    }

    void offlineFirstStartSaysWhy()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, expected);
        const auto untranslated = translated(language);
        PlatformProfile p = PlatformProfile::current();
        p.githubURL = p.githubApiURL = p.ffmpegURL = p.nodeURL = "http://127.0.0.1:9";
        PlatformProfile::setCurrent(p);
        DependencyChecker checker;
        auto view = load("SetupView", {{"checker", QVariant::fromValue(&checker)}}, {420, 620});
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        for (Dependency *tool : checker.tools())
            QTRY_VERIFY(tool->status().kind() == DepStatus::Kind::Unknown);
        click(*view, find(root, "installButton"));
        QTRY_VERIFY(checker.phase() == Phase::Missing && checker.hasFailure());
        QVERIFY2(text(root, "subtitle").startsWith(expected), qPrintable(text(root, "subtitle")));
        QVERIFY(shown(root, "installButton")); // still the way to retry
    }

    // Every tool missing from our folder is on the system: the cards name
    // them, an old yt-dlp says so, and the user may go on with them.
    void systemToolsLetTheUserContinue()
    {
        const auto system = useSystemTools();
        const auto forget =
            qScopeGuard([] { UserDefaults::remove(QStringLiteral("useSystemTools")); });
        StagedChecker checker;
        auto view = load("SetupView", {{"checker", QVariant::fromValue(&checker)}}, {420, 620});
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        QSignalSpy finished(root, SIGNAL(finished()));
        QTRY_COMPARE(checker.phase(), Phase::SystemToolsFound);
        QCOMPARE(checker.ytdlp()->systemPath(), QString("/usr/bin/yt-dlp"));
        QCOMPARE(checker.node()->systemPath(), QString("/usr/bin/node"));
        QVERIFY(checker.ffmpeg()->systemVersion().startsWith("5."));
        // Debian 12's yt-dlp is from 2023.
        QVERIFY(checker.ytdlp()->systemTooOld());
        QVERIFY(!checker.node()->systemTooOld());
        QCOMPARE(text(root, "subtitle"), QString("setup.system_subtitle"));
        QTRY_VERIFY(shown(root, "useSystemButton") && shown(root, "installButton"));
        QCOMPARE(
            std::ranges::count_if(ViewProbe::findAll(root, "tooOldLine"), &QQuickItem::isVisible),
            1);
        QCOMPARE(DependencyChecker::startupPath(checker.ytdlp()),
                 ToolPaths::binDirectory() + "/yt-dlp");
        click(*view, find(root, "useSystemButton"));
        QCOMPARE(finished.size(), 1);
        // The next start goes straight to the downloads with these tools.
        QCOMPARE(DependencyChecker::startupPath(checker.ytdlp()), QString("/usr/bin/yt-dlp"));

        // Our own copy, once there, takes over and the choice is offered no more.
        writeScript(ToolPaths::binDirectory() + "/yt-dlp", "echo 2025.01.15");
        await(checker.checkInstalled());
        QCOMPARE(checker.ytdlp()->systemPath(), QString());
        QCOMPARE(DependencyChecker::located(checker.ytdlp())->path,
                 ToolPaths::binDirectory() + "/yt-dlp");
        QCOMPARE(checker.phase(), Phase::SystemToolsFound); // ffmpeg and node still the system's
        checker.ffmpeg()->setSystemTool({});
        QCOMPARE(checker.phase(), Phase::Missing);
        QTRY_VERIFY(!shown(root, "useSystemButton"));
    }

    void newFolderFromThePicker()
    {
        const auto untranslated = translated(QLocale::English);
        const QString base = TestHome::path() + "/pick";
        QDir(base).removeRecursively();
        QDir().mkpath(base + "/Existing");
        openContentView();
        QObject *picker = m_root->findChild<QObject *>("folderPicker");
        QVERIFY(picker);
        picker->setProperty("currentFolder", QUrl::fromLocalFile(base + "/not-made-yet"));
        QMetaObject::invokeMethod(picker, "open");
        QTRY_VERIFY(picker->property("opened").toBool());
        QCOMPARE(picker->property("folder").toUrl(), QUrl::fromLocalFile(base));
        QQuickItem *popup = picker->property("contentItem").value<QQuickItem *>();
        click(*m_view, find(popup, "newFolderButton"));
        QTRY_VERIFY(shown(popup, "newFolderName"));
        const auto create = [&](const QString &name) {
            find(popup, "newFolderName")->setProperty("text", name);
            click(*m_view, find(popup, "createFolderButton"));
        };
        create("Existing");
        QTRY_COMPARE(text(popup, "newFolderError"),
                     QString("There is already an item named “Existing” here."));
        create("a/b");
        QTRY_COMPARE(text(popup, "newFolderError"), QString("A folder name cannot contain “/”."));
        create("  Clips  ");
        QTRY_VERIFY(QFileInfo(base + "/Clips").isDir());
        QCOMPARE(picker->property("folder").toUrl(), QUrl::fromLocalFile(base + "/Clips"));
        QVERIFY(!shown(popup, "newFolderError"));
        click(*m_view, find(popup, "chooseFolderButton"));
        QTRY_COMPARE(m_list->downloadFolderURL(), QUrl::fromLocalFile(base + "/Clips"));
    }
};

REELIX_GUI_TEST_MAIN(TestSetupFlow)
#include "tst_setupflow.moc"
