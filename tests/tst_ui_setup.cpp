#include "fixtures/uiWindow.h"

// The setup view and the way to it: the start-up choice, the update banner,
// the question before downloads stop, the states of the view and its cards.
class TestUiSetup : public UiTest
{
    Q_OBJECT

    // The setup view's action area and subtitle for each checker state.
    using SetupCase = std::tuple<const char *, const char *, const char *, QStringList>;
    static inline const SetupCase setupCases[] = {
        {"first start", "missing", "setup.subtitle", {"installButton", "noSudoNote"}},
        {"failed", "failed", "setup.subtitle", {"installButton", "noSudoNote"}},
        {"installing", "installing", "setup.subtitle", {"progressRow"}},
        {"updating", "updating", "update.available", {"progressRow"}},
        {"checking", "checking", "update.checking", {"progressRow"}},
        {"updates", "updates", "update.available", {"installUpdatesButton", "skipButton"}},
        {"all ready", "ready", "update.all_uptodate", {"openButton"}},
        {"could not check", "unchecked", "update.unchecked", {"openButton"}},
    };

    // The one label a dependency card shows for a status, and its text in French.
    using CardCase = std::tuple<const char *, DepStatus, const char *, const char *>;
    static inline const CardCase cardCases[] = {
        {"unknown", DepStatus::unknown(), "waitingLabel", "Non installé"},
        {"checking", DepStatus::checking(), "checkingSpinner", ""},
        {"installed", DepStatus::installedStatus(), "versionLabel", "Prêt"},
        {"up to date", DepStatus::upToDate("2025.01.15"), "versionLabel", "2025.01.15"},
        {"update", DepStatus::updateAvailable("1", "2"), "versionLabel", "2"},
        {"downloading", DepStatus::downloading(0.426), "percentLabel", "42\u00a0%"},
        {"updating", DepStatus::updating(0.5), "updatingLabel", ""},
        {"failed", DepStatus::failed("boom"), "failedLabel", ""},
        {"could not check", DepStatus::unchecked("1", "HTTP 403"), "uncheckedLabel", ""},
    };

private slots:
    void initTestCase() { prepareWindowTests(); }
    void cleanup() { m_view.reset(); }

    void bannerSummary_data() { addTags({"all three", "none"}); }

    void bannerSummary()
    {
        const bool outdated = tag() == "all three";
        const QString summary =
            outdated ? "yt-dlp 7.0 → 7.1   ·   ffmpeg 7.0 → 7.1   ·   Node.js 7.0 → 7.1" : "";
        ReelixApp app;
        for (Dependency *tool : app.checker()->tools())
            tool->setStatus(outdated ? DepStatus::updateAvailable("7.0", "7.1")
                                     : DepStatus::upToDate("7.1"));
        QCOMPARE(app.updateSummary(), summary);
        openContentView(app.checker(), summary);
        QCOMPARE(shown(m_root, "updateBanner"), outdated);
        QCOMPARE(text(m_root, "bannerSummary"), summary);
        QSignalSpy show(m_root, SIGNAL(showUpdates()));
        if (outdated)
            click(*m_view, find(m_root, "bannerAction"));
        QCOMPARE(show.size(), int(outdated));
        m_view.reset(); // before the checker it shows
    }

    void startupDecision_data() { addTags({"all tools present", "one missing"}); }

    void startupDecision()
    {
        const bool allPresent = tag() == "all tools present";
        const QString bin = ToolPaths::binDirectory();
        QDir(bin).removeRecursively();
        const auto cleanup = qScopeGuard([bin] { QDir(bin).removeRecursively(); });
        writeScript(bin + "/yt-dlp", "echo 2025.01.15");
        writeScript(bin + "/ffmpeg", "echo 'ffmpeg version 7.1 x'");
        if (allPresent)
            writeScript(bin + "/node", "echo v22.20.0");
        ReelixApp app;
        int checksStarted = 0;
        const auto checking = [&] {
            return app.checker()->phase() == DependencyChecker::Phase::CheckingUpdates;
        };
        connect(app.checker(), &DependencyChecker::phaseChanged, this,
                [&] { checksStarted += checking(); });
        app.performStartupCheck();
        QTRY_VERIFY(app.view() != ReelixApp::View::Placeholder);
        QCOMPARE(app.view(), allPresent ? ReelixApp::View::Main : ReelixApp::View::Setup);
        if (allPresent) {
            QCOMPARE(checksStarted, 1); // one silent check
            QTRY_VERIFY(!checking());
            QCOMPARE(app.checker()->ytdlp()->status().kind(), DepStatus::Kind::Unchecked);
        } else {
            QCOMPARE(checksStarted, 0);
            app.leaveSetup();
            QCOMPARE(app.view(), ReelixApp::View::Main);
        }
        app.performStartupCheck(); // only once per run
        app.showUpdates();
        QCOMPARE(app.view(), ReelixApp::View::Setup);
    }

    void updatesAskBeforeStoppingDownloads_data()
    {
        addTags({"not now", "stop and check", "entry of a collapsed list"});
    }

    // A download runs, in sight or in a collapsed list: checking for updates
    // asks first, and stopping stops it.
    void updatesAskBeforeStoppingDownloads()
    {
        const bool stop = tag() != "not now";
        const auto tools = useSystemTools();
        startServer();
        QVERIFY(m_server->isReady());
        RealWindow w;
        QVERIFY(w.showMain());
        DownloadManager *manager = w.app.manager();
        manager->useSettings({.folder = TestHome::path() + "/Downloads"});
        DownloadItem *item = nullptr;
        if (tag() == "entry of a collapsed list") {
            auto *header = new DownloadItem("http://127.0.0.1:9/list", DownloadFormat::Video);
            manager->insertItem(header);
            manager->listGroup(header,
                               {"List", 1, {{m_server->slowUrl("long.mp4"), "Long", 20, 1}}});
            item = header->group()->entries().first();
            manager->downloadAll(header);
            QTRY_VERIFY_WITH_TIMEOUT(item->run() && item->run()->process() && item->progress() > 0,
                                     60000);
            manager->setGroupExpanded(header, false);
        } else {
            manager->addDownload(m_server->slowUrl("long.mp4"), DownloadFormat::Video);
            item = manager->itemAt(0);
            QTRY_VERIFY_WITH_TIMEOUT(item->status() == DownloadStatus::Ready, 60000);
            manager->start(item);
            QTRY_VERIFY_WITH_TIMEOUT(item->run() && item->run()->process() && item->progress() > 0,
                                     60000);
        }
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("checkUpdatesAction"), "trigger");
        QTRY_VERIFY(shown(w.window->contentItem(), "stopQuestionText"));
        click(*w.window, w.item(stop ? "stopAndCheckButton" : "keepDownloadsButton"));
        QTRY_VERIFY(!shown(w.window->contentItem(), "stopQuestionText"));
        QCOMPARE(w.app.view(), stop ? ReelixApp::View::Setup : ReelixApp::View::Main);
        if (!stop) {
            QVERIFY(item->isRunning() && item->run()->process());
            w.app.stopDownloads();
        }
        QTRY_COMPARE_WITH_TIMEOUT(item->status(), DownloadStatus::Cancelled, 10000);
        QVERIFY(w.showMain()); // the list survives the round trip
        QVERIFY(manager->allItems().contains(item));
        QTRY_VERIFY(shown(w.view(), "downloadList"));
    }

    // The setup view in the real window, by state and language: what must be whole inside it.
    void setupNeverClipped_data()
    {
        QTest::addColumn<bool>("updates");
        QTest::addColumn<QLocale::Language>("language");
        QTest::newRow("first start, English") << false << QLocale::English;
        QTest::newRow("first start, French") << false << QLocale::French;
        QTest::newRow("updates, English") << true << QLocale::English;
        QTest::newRow("updates, French") << true << QLocale::French;
        QTest::newRow("first start, German") << false << QLocale::German;
        QTest::newRow("first start, Russian") << false << QLocale::Russian;
        QTest::newRow("updates, German") << true << QLocale::German;
    }

    void setupNeverClipped()
    {
        QFETCH(bool, updates);
        QFETCH(QLocale::Language, language);
        const auto untranslated = translated(language);
        RealWindow w;
        QTRY_VERIFY(w.app.view() == ReelixApp::View::Setup && w.view());
        if (updates) {
            for (Dependency *tool : w.app.checker()->tools())
                QTRY_VERIFY(tool->status().kind() != DepStatus::Kind::Checking);
            for (Dependency *tool : w.app.checker()->tools())
                tool->setStatus(DepStatus::upToDate("1"));
            w.app.checker()->ytdlp()->setStatus(DepStatus::updateAvailable("1", "2"));
        }
        const QStringList names = updates ? QStringList{"installUpdatesButton", "skipButton"}
                                          : QStringList{"installButton", "noSudoNote"};
        for (const QString &name : names)
            QTRY_VERIFY2(w.whole(name), qPrintable(name));
        // What each tool is for reads whole, on as many lines as it takes.
        const QList<QQuickItem *> descriptions = ViewProbe::findAll(w.view(), "descriptionText");
        QCOMPARE(descriptions.size(), w.app.checker()->tools().size());
        for (QQuickItem *d : descriptions) {
            QTRY_VERIFY2(!d->property("truncated").toBool() &&
                             d->property("contentWidth").toReal() <= d->width() + 0.5,
                         qPrintable(d->property("text").toString()));
            // What follows it in its card starts below its last line.
            const QList<QQuickItem *> lines = d->parentItem()->childItems();
            for (qsizetype i = lines.indexOf(d) + 1; i < lines.size(); ++i)
                if (lines.at(i)->isVisible())
                    QTRY_VERIFY(lines.at(i)->y() >= d->y() + d->height() - 0.5);
        }
    }

    // A failed install with working system tools, in the real window: it fits a
    // 1024×768 screen with its panel and title bar, the view scrolls where the
    // content is taller, the keyboard brings the button to go on with the
    // system tools into sight, and that button is the default.
    void setupFitsAndScrolls_data() { addTags({"English", "French"}); }

    void setupFitsAndScrolls()
    {
        const auto untranslated =
            translated(tag() == "French" ? QLocale::French : QLocale::English);
        RealWindow w;
        QTRY_VERIFY(w.app.view() == ReelixApp::View::Setup && w.view());
        auto &checker = static_cast<StagedChecker &>(*w.app.checker());
        for (Dependency *tool : checker.tools())
            QTRY_VERIFY(tool->status().kind() != DepStatus::Kind::Checking);
        checker.ytdlp()->setStatus(DepStatus::installedStatus());
        checker.ffmpeg()->setSystemTool({"/usr/bin/ffmpeg", "5.1.7-0+deb12u1", false});
        checker.ffmpeg()->setStatus(DepStatus::failed("HTTP 404 Not Found"));
        checker.node()->setSystemTool({"/usr/bin/node", "v18.20.4", false});
        checker.setLogOutput("▶ ffmpeg…\n✗ HTTP 404 Not Found\n");
        QTRY_COMPARE(checker.phase(), DependencyChecker::Phase::SystemToolsFound);
        QVERIFY(QQuickTest::qWaitForPolish(w.window));
        QVERIFY(w.window->height() <= 768 - 72);
        QQuickItem *flick = w.item("setupFlick");
        const bool scrolls = flick->property("contentHeight").toReal() > flick->height() + 1;
        QCOMPARE(shown(w.window->contentItem(), "setupScrollBar"), scrolls);
        QCOMPARE(w.item("useSystemButton")->property("highlighted").toBool(), true);
        QCOMPARE(w.item("installButton")->property("highlighted").toBool(), false);
        for (const QString name : {"useSystemButton", "installButton"}) {
            QQuickItem *button = w.item(name);
            button->forceActiveFocus(Qt::TabFocusReason);
            const auto inSight = [&] {
                const QRectF r = button->mapRectToScene(button->boundingRect());
                return r.top() >= flick->mapToScene({0, 0}).y() - 0.5 &&
                       r.bottom() <= w.window->height() + 0.5;
            };
            QTRY_VERIFY2(inSight(), qPrintable(name));
        }
        QVERIFY(w.whole("noSudoNote") || scrolls);
        const auto forget = qScopeGuard([] { UserDefaults::remove("useSystemTools"); });
        QTest::keyClick(w.window, Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(w.app.view(), ReelixApp::View::Main);
        QVERIFY(UserDefaults::value("useSystemTools").toBool());
    }

    void setupStates_data() { addCases(setupCases); }

    void setupStates()
    {
        const auto &[name, stateName, subtitle, visible] = caseOf(setupCases);
        const QString state = stateName;
        StagedChecker checker;
        auto view =
            load("SetupView", {{"checker", QVariant::fromValue(&checker)}, {"version", "1.2.3"}},
                 {420, 620});
        QQuickItem *root = view->rootObject();
        // The view starts its own installed check; let it finish first.
        for (Dependency *tool : checker.tools())
            QTRY_VERIFY(tool->status().kind() != DepStatus::Kind::Checking);
        const DepStatus ready = DepStatus::upToDate("1");
        for (Dependency *tool : checker.tools())
            tool->setStatus(state == "missing" || state == "failed" || state == "installing"
                                ? DepStatus::unknown()
                                : ready);
        if (state == "failed")
            checker.ffmpeg()->setStatus(DepStatus::failed("HTTP 404"));
        if (state == "installing")
            checker.setRun(StagedChecker::Run::Install);
        if (state == "updating") {
            checker.ytdlp()->setStatus(DepStatus::updateAvailable("1", "2"));
            checker.node()->setStatus(DepStatus::updating(0.3));
        }
        if (state == "checking")
            checker.setCheckingUpdates(true);
        if (state == "updates")
            checker.node()->setStatus(DepStatus::updateAvailable("v1", "v2"));
        if (state == "unchecked")
            checker.ytdlp()->setStatus(DepStatus::unchecked("1", "HTTP 403"));
        QTRY_COMPARE(shownOf(root, {"installButton", "noSudoNote", "progressRow",
                                    "installUpdatesButton", "skipButton", "openButton"}),
                     visible);
        QCOMPARE(text(root, "subtitle"), QString(subtitle));
        QCOMPARE(text(root, "versionLine"), QString("v1.2.3"));
        if (shown(root, "installButton"))
            QCOMPARE(text(root, "installButton"),
                     state == "failed" ? "action.retry" : "setup.download");
    }

    void setupButtons()
    {
        StagedChecker checker;
        for (Dependency *tool : checker.tools())
            tool->setStatus(DepStatus::installedStatus());
        auto view = load("SetupView", {{"checker", QVariant::fromValue(&checker)}}, {420, 620});
        QQuickItem *root = view->rootObject();
        QSignalSpy finished(root, SIGNAL(finished()));
        QCOMPARE(root->property("implicitHeight").toInt() >= 500, true);
        const int withoutLog = root->property("implicitHeight").toInt();
        click(*view, find(root, "openButton"));
        QCOMPARE(finished.size(), 1);
        QTest::keyClick(view.get(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(finished.size(), 2);
        checker.node()->setStatus(DepStatus::updateAvailable("v1", "v2"));
        QTRY_VERIFY(shown(root, "skipButton"));
        click(*view, find(root, "skipButton"));
        QCOMPARE(finished.size(), 3);

        // A press while a run is going does nothing: the log is not restarted.
        checker.setLogOutput("▶ running…\n");
        QCOMPARE(root->property("baseHeight").toInt(), 620);
        QTRY_VERIFY(root->property("implicitHeight").toInt() >= withoutLog + 100);
        checker.setRun(StagedChecker::Run::Install);
        QMetaObject::invokeMethod(root, "install");
        QMetaObject::invokeMethod(root, "update");
        QCOMPARE(checker.logOutput(), QString("▶ running…\n"));
        QVERIFY(shown(root, "logBox"));
        checker.setLogOutput(QString());
        QCOMPARE(root->property("baseHeight").toInt(), 500);
    }

    void cardLabels_data() { addCases(cardCases); }

    void cardLabels()
    {
        const auto &[name, status, labelName, textValue] = caseOf(cardCases);
        const QString label = labelName, text = textValue;
        const auto untranslated = translated(QLocale::French);
        DependencyChecker checker;
        checker.ytdlp()->setStatus(status);
        auto view =
            load("DepCard", {{"dep", QVariant::fromValue(checker.ytdlp())}, {"appeared", true}},
                 {340, 80});
        QQuickItem *root = view->rootObject();
        for (const QString name :
             {"waitingLabel", "checkingSpinner", "versionLabel", "percentLabel", "updatingLabel",
              "failedLabel", "uncheckedLabel"})
            QVERIFY2(shown(root, name) == (name == label), qPrintable(name));
        if (!text.isEmpty())
            QCOMPARE(ViewTest::text(root, label == "versionLabel" ? "versionText" : label), text);
        QCOMPARE(shown(root, "cardProgress"), label == "percentLabel" || label == "updatingLabel");
    }
};

REELIX_GUI_TEST_MAIN(TestUiSetup)
#include "tst_ui_setup.moc"
