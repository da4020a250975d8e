#include "fixtures/uiViews.h"

#include "LogViewer.h"

#include "engine/Playlist.h"
#include "fixtures/MediaServer.h"
#include "log/Logger.h"
#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QQmlComponent>
#include <QSignalSpy>

// The downloads, setup and log views over real models.
class TestUi : public ViewTest
{
    Q_OBJECT

    using S = DownloadStatus;
    // The controls a row shows for each state of its item.
    using RowCase = std::tuple<const char *, DownloadStatus, bool, bool, const char *>;
    static inline const RowCase rowCases[] = {
        {"waiting", S::Waiting, false, false, "spinner"},
        {"fetching", S::Fetching, false, false, "spinner"},
        {"ready without formats", S::Ready, false, false, "startButton"},
        {"ready with formats", S::Ready, true, false, "startButton formatMenu"},
        {"downloading", S::Downloading, false, false, "stopButton progressBar"},
        {"converting", S::Converting, false, false, "stopButton progressBar"},
        {"done", S::Done, false, false, "doneControls codecBadge"},
        {"done needing conversion", S::Done, false, true,
         "doneControls convertButton codecBadge conversionWarning"},
        {"cancelled", S::Cancelled, false, false, "failedControls"},
        {"error", S::Error, false, false, "failedControls"},
    };

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

    // The one label a dependency card shows for a status, and its text.
    using CardCase = std::tuple<const char *, DepStatus, const char *, const char *>;
    static inline const CardCase cardCases[] = {
        {"unknown", DepStatus::unknown(), "waitingLabel", ""},
        {"checking", DepStatus::checking(), "checkingSpinner", ""},
        {"installed", DepStatus::installedStatus(), "versionLabel", "status.ready"},
        {"up to date", DepStatus::upToDate("2025.01.15"), "versionLabel", "2025.01.15"},
        {"update", DepStatus::updateAvailable("1", "2"), "versionLabel", "2"},
        {"downloading", DepStatus::downloading(0.426), "percentLabel", "42%"},
        {"updating", DepStatus::updating(0.5), "updatingLabel", ""},
        {"failed", DepStatus::failed("boom"), "failedLabel", ""},
        {"could not check", DepStatus::unchecked("1", "HTTP 403"), "uncheckedLabel", ""},
    };

    // What is given (A and B two addresses), how: the Add button, Ctrl+Return or
    // a drop, after picking MP3 or not → the items added, in order.
    using Submit = std::tuple<const char *, const char *, const char *, const char *>;
    static inline const Submit submitCases[] = {
        {"repeat and blank line", "A\n\nB\nA", "button", "A B"},
        {"spaces trimmed, same address", "  A  \nA", "keys", "A"},
        {"rejected lines dropped", "not a url at all\nB\nhttp://[bad", "button mp3", "B"},
        {"windows line ends", "A\r\nB\r\n", "button", "A B"},
        {"blanks only", "  \n \t\n", "keys", ""},
        {"dropped", "A\nnot an address\nB", "drop mp3", "A B"},
    };

    // The real window, Main.qml with its menu bar, over its own shell.
    struct RealWindow
    {
        ReelixApp app{std::make_unique<StagedChecker>()};
        QQmlApplicationEngine engine;
        QQuickWindow *window = ViewProbe::openMain(engine, app);
        QQuickItem *view() const { return window ? ViewProbe::currentView(window) : nullptr; }
        QQuickItem *item(const QString &name) const { return find(window->contentItem(), name); }
        bool showMain()
        {
            if (!QTest::qWaitFor(
                    [&] { return view() && app.view() != ReelixApp::View::Placeholder; }))
                return false;
            app.leaveSetup();
            return QTest::qWaitFor([&] { return app.view() == ReelixApp::View::Main && view(); });
        }
        // Whether the named item is shown and wholly inside the window.
        bool whole(const QString &name) const
        {
            QQuickItem *i = item(name);
            const QRectF r = i ? i->mapRectToScene(i->boundingRect()) : QRectF();
            return i && i->isVisible() && r.bottom() <= window->height() &&
                   r.right() <= window->width() && i->implicitWidth() <= i->width() + 0.5;
        }
    };

    std::unique_ptr<MediaServer> m_server;

    // The local media server, started once for the tests that need it.
    void startServer()
    {
        if (m_server)
            return;
        m_server = std::make_unique<MediaServer>();
        QVERIFY2(m_server->isReady(), qPrintable(m_server->error()));
        // Long enough that its slow transfer is still going when stopped.
        QVERIFY(makeMedia(20, Codecs::h264 + words("-b:v 1M"), m_server->root() + "/long.mp4"));
    }

    // One download row for an item the manager holds (no run is started).
    std::unique_ptr<QQuickView> rowView(DownloadManager &manager, DownloadItem *item)
    {
        manager.insertItem(item);
        return load(
            "DownloadRow",
            {{"item", QVariant::fromValue(item)}, {"manager", QVariant::fromValue(&manager)}},
            {800, 70});
    }

    // The runs started by submissions are not needed by these tests.
    static void stopAll(DownloadManager *manager)
    {
        for (DownloadItem *i : manager->downloads())
            i->cancelRun();
    }

    static DownloadItem *item(DownloadStatus status, DownloadFormat format = DownloadFormat::Video)
    {
        auto *i = new DownloadItem("https://example.org/v/" + QString::number(int(status)), format);
        i->setStatus(status);
        return i;
    }

private slots:
    void initTestCase()
    {
        prepareViews();
        // No traffic leaves the machine: distributors are an unused local port.
        PlatformProfile p = PlatformProfile::current();
        p.githubURL = p.githubApiURL = p.ffmpegURL = p.nodeURL = "http://127.0.0.1:9";
        // The machine's own tools would stand in for missing ones in every setup state.
        p.systemToolFolders.clear();
        PlatformProfile::setCurrent(p);
    }
    void cleanup() { m_view.reset(); }

    void rowControlsPerStatus_data() { addCases(rowCases); }

    void rowControlsPerStatus()
    {
        const auto &[name, status, formats, needsConversion, visible] = caseOf(rowCases);
        DownloadManager manager;
        DownloadItem *it = item(status);
        it->setCodecInfo("VP9 + Opus");
        it->setNeedsConversion(needsConversion);
        if (formats)
            it->setFormats({{"137", "1080p", 1080}});
        auto view = rowView(manager, it);
        QVERIFY(view);
        QQuickItem *root = view->rootObject();
        // The conversion button springs in: wait for the row to settle.
        QTRY_COMPARE(shownOf(root, {"spinner", "startButton", "formatMenu", "stopButton",
                                    "doneControls", "convertButton", "failedControls",
                                    "progressBar", "codecBadge", "conversionWarning"}),
                     words(visible));
        // An item without a title shows its address.
        QCOMPARE(text(root, "title"), it->url());
    }

    void rowButtonsAct()
    {
        DownloadManager manager;
        DownloadItem *ready = item(DownloadStatus::Ready);
        ready->setFormats({{"137", "1080p", 1080}, {"136", "720p", 720}});
        ready->setSelectedFormatID("136");
        auto view = rowView(manager, ready);
        QQuickItem *root = view->rootObject();
        QQuickItem *menu = find(root, "formatMenu");
        QCOMPARE(menu->property("currentText").toString(), QString("720p"));
        QCOMPARE(menu->property("count").toInt(), 3);
        menu->setProperty("currentIndex", 1);
        QMetaObject::invokeMethod(menu, "activated", Q_ARG(int, 1));
        QCOMPARE(ready->selectedFormatID(), QString("137"));
        // The first entry is "best": no choice.
        menu->setProperty("currentIndex", 0);
        QMetaObject::invokeMethod(menu, "activated", Q_ARG(int, 0));
        QCOMPARE(ready->selectedFormatID(), QString());

        // Remove from the failed controls.
        ready->setStatus(DownloadStatus::Error);
        QTRY_VERIFY(shown(root, "removeFailedButton"));
        click(*view,
              find(root, "removeFailedButton")); // the second click of a double click on Stop
        QCOMPARE(manager.rowCount(), 1);
        QTRY_VERIFY(find(root, "removeFailedButton")->isEnabled());
        click(*view, find(root, "removeFailedButton"));
        QTRY_COMPARE(manager.rowCount(), 0);
    }

    // A browser found in the home folder: the setting lists it, and a row at a
    // sign-in wall uses it and tries again.
    void signInRowUsesTheFoundBrowser()
    {
        writeText(TestHome::path() + "/.mozilla/firefox/a.default/cookies.sqlite", "");
        UserDefaults::remove("cookiesBrowser");
        const auto forget = qScopeGuard([] { UserDefaults::remove("cookiesBrowser"); });
        const auto tools = useSystemTools();
        auto setting = load("CookieSetting", {}, {460, 300});
        QTRY_COMPARE(ViewProbe::findAll(setting->rootObject(), "cookieChoice").size(), 2);
        DownloadManager manager;
        // The retry's run goes nowhere: a closed local port.
        auto *failed = new DownloadItem("http://127.0.0.1:9/signin", DownloadFormat::Video);
        failed->setStatus(DownloadStatus::Error);
        failed->setErrorMessage("signed in", ErrorKind::NeedsSignIn);
        auto view = rowView(manager, failed);
        QQuickItem *root = view->rootObject();
        QTRY_VERIFY(shown(root, "signInButton"));
        QVERIFY(!shown(root, "signInChooser")); // one browser: nothing to choose
        QTRY_VERIFY(find(root, "signInButton")->isEnabled());
        click(*view, find(root, "signInButton"));
        QCOMPARE(UserDefaults::value("cookiesBrowser").toString(), QString("firefox"));
        QVERIFY(failed->status() != DownloadStatus::Error);
        stopAll(&manager);
    }

    void submitURLs_data() { addCases(submitCases); }

    void submitURLs()
    {
        const auto &[name, textValue, howValue, added] = caseOf(submitCases);
        const QString how = howValue;
        const auto expand = [](QString text) {
            return text.replace("A", "http://127.0.0.1:9/a").replace("B", "http://127.0.0.1:9/b");
        };
        openContentView();
        if (how.endsWith("mp3"))
            click(*m_view, find(m_root, "formatMP3"));
        if (how.startsWith("drop")) {
            QMetaObject::invokeMethod(m_root, "addDropped", Q_ARG(QString, expand(textValue)));
        } else {
            m_root->setProperty("urlText", expand(textValue));
            QCOMPARE(find(m_root, "addButton")->isEnabled(), *added != 0);
            QVERIFY(!shown(m_root, "placeholder")); // blanks are text too
            find(m_root, "addressEditor")->forceActiveFocus();
            if (how == "keys")
                QTest::keyClick(m_view.get(), Qt::Key_Return, Qt::ControlModifier);
            else
                click(*m_view, find(m_root, "addButton"));
        }
        QStringList urls;
        for (const DownloadItem *i : m_list->downloads()) {
            urls << i->url();
            QCOMPARE(i->format(),
                     how.endsWith("mp3") ? DownloadFormat::Audio : DownloadFormat::Video);
        }
        QCOMPARE(urls, expand(added).split(' ', Qt::SkipEmptyParts));
        if (*added)
            QTRY_VERIFY(shown(m_root, "placeholder")); // the box is emptied
        stopAll(m_list);
    }

    void pasteReplacesWithPlainTextOnly()
    {
        openContentView();
        m_root->setProperty("urlText", "old text");
        auto *image = new QMimeData;
        image->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QGuiApplication::clipboard()->setMimeData(image);
        click(*m_view, find(m_root, "pasteButton"));
        QCOMPARE(m_root->property("urlText").toString(), QString("old text"));
        QGuiApplication::clipboard()->setText("http://127.0.0.1:9/pasted");
        click(*m_view, find(m_root, "pasteButton"));
        QCOMPARE(m_root->property("urlText").toString(), QString("http://127.0.0.1:9/pasted"));
        QCOMPARE(m_list->rowCount(), 0); // not submitted
    }

    // A web address copied elsewhere is offered once, pasted only on a click,
    // and never when it is already listed.
    void clipboardOfferNeedsAClick()
    {
        openContentView();
        const QString listed = "http://127.0.0.1:9/listed", copied = "http://127.0.0.1:9/copied";
        m_list->insertItem(new DownloadItem(listed, DownloadFormat::Video));
        // Only the start of the clipboard is read: an address past it, or cut
        // by its end, is not offered.
        const qsizetype start = 64 * 1024;
        for (const QString &text :
             {QString("no address here"), "see " + listed, QString(start, 'x') + " " + copied,
              QString(start - 10, ' ') + copied}) {
            QGuiApplication::clipboard()->setText(text);
            QMetaObject::invokeMethod(m_root, "offerClipboard");
            QVERIFY2(!shown(m_root, "clipboardOffer"), qPrintable(text.left(40)));
        }
        // Megabytes of words after it (once enough to crash the window).
        QGuiApplication::clipboard()->setText("look: " + copied + QString(" w").repeated(1500000));
        QMetaObject::invokeMethod(m_root, "offerClipboard");
        QTRY_VERIFY(shown(m_root, "clipboardOffer"));
        QCOMPARE(m_list->rowCount(), 1);
        click(*m_view, find(m_root, "clipboardOfferButton"));
        QCOMPARE(m_root->property("urlText").toString(), copied);
        QTRY_VERIFY(!shown(m_root, "clipboardOffer"));
        m_root->setProperty("urlText", "");
        QMetaObject::invokeMethod(m_root, "offerClipboard"); // offered once
        QVERIFY(!shown(m_root, "clipboardOffer"));
        QCOMPARE(m_list->rowCount(), 1);
    }

    // Texts from a page or a tool are shown as written: markup in them is
    // neither rendered nor followed to an address.
    void hostileTextIsPlain_data() { addTags({"failed", "done with a note", "downloading"}); }

    void hostileTextIsPlain()
    {
        startServer();
        QVERIFY(m_server->isReady());
        // Names of their own per row: a picture asked for once is not asked for again.
        static int rows = 0;
        const QString row = QString::number(++rows);
        const QString hostile =
            "<img src=\"" + m_server->httpUrl("hostile" + row + ".png") +
            "\" width=\"900\" height=\"400\"><b>Bold</b> & <a href=\"x\">link</a>";
        DownloadManager manager;
        auto *it = new DownloadItem(m_server->httpUrl("page"), DownloadFormat::Video);
        it->setTitle(hostile);
        it->setStatus(tag() == "failed"             ? DownloadStatus::Error
                      : tag() == "done with a note" ? DownloadStatus::Done
                                                    : DownloadStatus::Downloading);
        it->setErrorMessage(hostile);
        it->setStatusMessage(hostile);
        it->setCodecInfo(hostile);
        auto view = rowView(manager, it);
        QQuickItem *root = view->rootObject();
        QTRY_COMPARE(text(root, "title"), hostile);
        QStringList rich;
        const std::function<void(QQuickItem *)> walk = [&](QQuickItem *item) {
            if (item->inherits("QQuickText") && item->property("text").toString().contains('<') &&
                item->property("textFormat").toInt() != Qt::PlainText)
                rich << item->objectName() + ": " + item->property("text").toString();
            for (QQuickItem *child : item->childItems())
                walk(child);
        };
        walk(root);
        QCOMPARE(rich, QStringList());
        // A picture fetched after the row was laid out: once the server saw it,
        // it would have seen the row's.
        QQmlComponent marker(m_engine);
        marker.setData("import QtQuick\nText { textFormat: Text.StyledText; text: '<img src=\"" +
                           m_server->httpUrl("marker" + row + ".png").toUtf8() + "\">' }",
                       QUrl());
        std::unique_ptr<QQuickItem> probe(qobject_cast<QQuickItem *>(marker.create()));
        QVERIFY(probe);
        probe->setParentItem(root);
        const auto paths = [&] {
            QStringList p;
            for (const MediaServer::Request &r : m_server->requests())
                p << r.path;
            return p;
        };
        QTRY_VERIFY(paths().contains("/marker" + row + ".png"));
        QVERIFY(!paths().contains("/hostile" + row + ".png"));
    }

    void clearKeepsUnfinishedItemsInOrder()
    {
        openContentView();
        m_list->insertItem(item(DownloadStatus::Error));
        QVERIFY(!shown(m_root, "clearButton"));
        m_list->insertItem(item(DownloadStatus::Done));
        m_list->insertItem(item(DownloadStatus::Downloading));
        m_list->insertItem(item(DownloadStatus::Cancelled));
        QTRY_VERIFY(shown(m_root, "clearButton"));
        click(*m_view, find(m_root, "clearButton"));
        QList<DownloadStatus> left;
        for (const DownloadItem *i : m_list->downloads())
            left << i->status();
        QCOMPARE(left, (QList<DownloadStatus>{DownloadStatus::Error, DownloadStatus::Downloading,
                                              DownloadStatus::Cancelled}));
        QTRY_VERIFY(!shown(m_root, "clearButton"));
        QVERIFY(!shown(m_root, "emptyState"));
    }

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

    void oneLogWindow()
    {
        RealWindow w;
        const auto logWindows = [] {
            int n = 0;
            for (QWindow *win : QGuiApplication::topLevelWindows())
                n += win->objectName() == "logWindow" && win->isVisible();
            return n;
        };
        w.app.requestLogWindow();
        w.app.requestLogWindow();
        QCOMPARE(logWindows(), 1);
        QMetaObject::invokeMethod(w.window, "openLogs");
        QCOMPARE(logWindows(), 1);
        for (QWindow *win : QGuiApplication::topLevelWindows())
            if (win->objectName() == "logWindow") {
                win->requestActivate();
                QVERIFY(QTest::qWaitForWindowActive(win));
                QTest::keyClick(win, Qt::Key_Escape);
            }
        QTRY_COMPARE(logWindows(), 0);
    }

    void tabLeavesTheAddressBox()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        QQuickItem *editor = w.item("addressEditor");
        editor->forceActiveFocus();
        w.view()->setProperty("urlText", "http://127.0.0.1:9/a");
        QTest::keyClick(w.window, Qt::Key_Tab);
        QQuickItem *focused = w.window->activeFocusItem();
        QVERIFY(focused && focused->inherits("QQuickAbstractButton"));
        QVERIFY(shown(focused, "keyboardFocusRing"));
        QCOMPARE(w.view()->property("urlText").toString(), "http://127.0.0.1:9/a");
        QTest::keyClick(w.window, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(editor->hasActiveFocus());
        click(*w.window, w.item("emptyState")); // outside the box
        QVERIFY(!editor->hasActiveFocus());
    }

    void repeatedAddressHighlightsItsRow()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        for (const char *text :
             {"http://127.0.0.1:9/a", "http://127.0.0.1:9/b", "http://127.0.0.1:9/a"}) {
            w.view()->setProperty("urlText", text);
            click(*w.window, w.item("addButton"));
        }
        DownloadManager *manager = w.app.downloads();
        QCOMPARE(manager->rowCount(), 2);
        QTRY_VERIFY(shown(w.view(), "repeatedNote"));
        QList<DownloadItem *> outlined;
        for (QQuickItem *row : ViewProbe::findAll(w.view(), "downloadRow"))
            if (row->property("repeated").toBool())
                outlined << row->property("item").value<DownloadItem *>();
        QCOMPARE(outlined, QList<DownloadItem *>{manager->itemAt(0)});
        QTRY_VERIFY(!shown(w.view(), "repeatedNote")); // only for a moment
        stopAll(manager);
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
        DownloadManager *manager = w.app.downloads();
        manager->useFolderForThisRun(TestHome::path() + "/Downloads");
        DownloadItem *item = nullptr;
        if (tag() == "entry of a collapsed list") {
            auto *header = new DownloadItem("http://127.0.0.1:9/list", DownloadFormat::Video);
            manager->insertItem(header);
            manager->listGroup(header,
                               {"List", 1, {{m_server->slowUrl("long.mp4"), "Long", 20, 1}}});
            item = header->group()->entries().first();
            manager->downloadAll(header);
            QTRY_VERIFY_WITH_TIMEOUT(item->process && item->progress() > 0, 60000);
            manager->setGroupExpanded(header, false);
        } else {
            manager->addDownload(m_server->slowUrl("long.mp4"), DownloadFormat::Video);
            item = manager->itemAt(0);
            QTRY_VERIFY_WITH_TIMEOUT(item->status() == DownloadStatus::Ready, 60000);
            manager->start(item);
            QTRY_VERIFY_WITH_TIMEOUT(item->process && item->progress() > 0, 60000);
        }
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("checkUpdatesAction"), "trigger");
        QTRY_VERIFY(shown(w.window->contentItem(), "stopQuestionText"));
        click(*w.window, w.item(stop ? "stopAndCheckButton" : "keepDownloadsButton"));
        QTRY_VERIFY(!shown(w.window->contentItem(), "stopQuestionText"));
        QCOMPARE(w.app.view(), stop ? ReelixApp::View::Setup : ReelixApp::View::Main);
        if (!stop) {
            QVERIFY(item->runActive && item->process);
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
        addTags(
            {"first start, English", "first start, French", "updates, English", "updates, French"});
    }

    void setupNeverClipped()
    {
        const bool updates = tag().startsWith("updates");
        const auto untranslated =
            translated(tag().endsWith("French") ? QLocale::French : QLocale::English);
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

    void logWindow()
    {
        const auto untranslated = translated(QLocale::French);
        UserDefaults::remove("debugLogging");
        Logger::shared().clear();
        Logger::shared().waitUntilWritten();
        LogViewer viewer;
        viewer.setActive(true);
        auto view = load("LogView", {{"viewer", QVariant::fromValue(&viewer)}}, {720, 440});
        QQuickItem *root = view->rootObject();
        QVERIFY(!viewer.isEnabled());
        QVERIFY(!viewer.isRefreshing());
        QCOMPARE(text(root, "emptyText"), "Activez les logs ci-dessus pour commencer");
        QVERIFY(!shown(root, "copyButton") && !shown(root, "clearButton") &&
                shown(root, "folderButton"));

        click(*view, find(root, "loggingSwitch"));
        QVERIFY(viewer.isEnabled());
        QCOMPARE(UserDefaults::value("debugLogging").toBool(), true);
        QVERIFY(viewer.isRefreshing());
        QCOMPARE(text(root, "emptyText"), "Aucun log pour l'instant");

        Logger::shared().log("first line");
        Logger::shared().waitUntilWritten();
        QTRY_VERIFY_WITH_TIMEOUT(viewer.logText().contains("first line"), 5000);
        QVERIFY(shown(root, "copyButton"));
        QSignalSpy changes(&viewer, &LogViewer::logTextChanged);
        viewer.reloadLog(); // unchanged file: nothing happens
        QCOMPARE(changes.size(), 0);

        click(*view, find(root, "copyButton"));
        QVERIFY(viewer.copied());
        QCOMPARE(QGuiApplication::clipboard()->text(), viewer.logText());
        QTRY_VERIFY_WITH_TIMEOUT(!viewer.copied(), 3000);

        click(*view, find(root, "clearButton"));
        QCOMPARE(viewer.logText(), QString());
        QCOMPARE(QFileInfo(Logger::shared().filePath()).size(), 0);

        viewer.setEnabled(false);
        QVERIFY(!viewer.isRefreshing()); // no reads while off
        Logger::shared().waitUntilWritten();
        writeText(Logger::shared().filePath(), "written while off\n");
        viewer.setActive(false);
        viewer.setActive(true); // shown again: read
        QCOMPARE(viewer.logText(), QString("written while off\n"));

        QFile file(Logger::shared().filePath());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write("\xff\xfe not utf-8\n");
        file.close();
        viewer.setActive(false);
        viewer.setActive(true);
        QCOMPARE(viewer.logText(), QString());
    }

    void longLogShowsItsEnd()
    {
        const auto untranslated = translated(QLocale::French);
        QByteArray big;
        for (int i = 0; big.size() < 2 * LogViewer::shownBytes; ++i)
            big +=
                "[2026-01-01 00:00:00.000] [DEBUG] [x.cpp:1] line " + QByteArray::number(i) + "\n";
        Logger::shared().waitUntilWritten();
        writeText(Logger::shared().filePath(), QString::fromUtf8(big));
        LogViewer viewer;
        viewer.setActive(true);
        QVERIFY(viewer.truncated());
        const QString text = viewer.logText();
        QVERIFY(text.startsWith("… Lignes précédentes dans le fichier"));
        QVERIFY(text.endsWith(QString::fromUtf8(big.right(200))));
        QVERIFY(text.size() <= LogViewer::shownBytes + 200);
        // The notice is followed by whole lines only.
        QVERIFY(text.section('\n', 1, 1).startsWith("[2026-01-01"));
        // Copy takes the whole file, not only what is shown.
        viewer.copyLog();
        QCOMPARE(QGuiApplication::clipboard()->text().size(), big.size());
        bool truncated = true;
        QCOMPARE(LogViewer::displayText("short\n", 6, &truncated), QString("short\n"));
        QVERIFY(!truncated);
    }
};

REELIX_GUI_TEST_MAIN(TestUi)
#include "tst_ui.moc"
