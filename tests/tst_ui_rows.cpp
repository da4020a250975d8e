#include "fixtures/uiWindow.h"

#include "Desktop.h"

// A download row per state of its item: what it shows and what its buttons do.
class TestUiRows : public UiTest
{
    Q_OBJECT

    using S = DownloadStatus;
    // The controls a row shows for each state of its item, and the codecs of a
    // finished file that needs conversion ("" when it plays as it is).
    using RowCase = std::tuple<const char *, DownloadStatus, bool, const char *, const char *>;
    static inline const RowCase rowCases[] = {
        {"waiting", S::Waiting, false, "", "spinner"},
        {"fetching", S::Fetching, false, "", "spinner"},
        {"ready without formats", S::Ready, false, "", "startButton"},
        {"ready with formats", S::Ready, true, "", "startButton formatMenu"},
        {"downloading", S::Downloading, false, "", "stopButton progressBar"},
        {"converting", S::Converting, false, "", "stopButton progressBar"},
        {"done", S::Done, false, "", "doneControls codecBadge"},
        // The system's players play it: it converts, with no warning.
        {"done, VP9 + Opus", S::Done, false, "VP9 + Opus", "doneControls convertButton codecBadge"},
        {"done, MPEG2VIDEO + MP2", S::Done, false, "MPEG2VIDEO + MP2",
         "doneControls convertButton codecBadge conversionWarning"},
        {"cancelled", S::Cancelled, false, "", "failedControls"},
        {"error", S::Error, false, "", "failedControls"},
    };

private slots:
    void initTestCase() { prepareWindowTests(); }
    void cleanup() { m_view.reset(); }

    void rowControlsPerStatus_data() { addCases(rowCases); }

    void rowControlsPerStatus()
    {
        const auto &[name, status, formats, converting, visible] = caseOf(rowCases);
        const QString codecs = converting;
        DownloadManager manager;
        DownloadItem *it = item(status);
        it->setFile({.needsConversion = !codecs.isEmpty(),
                     .codecInfo = codecs.isEmpty() ? "H.264 + AAC" : codecs});
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
        // The warm, urgent look goes with the warning only.
        if (shown(root, "convertButton"))
            QCOMPARE(find(root, "convertButton")->property("advised").toBool(),
                     shown(root, "conversionWarning"));
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

    // A finished row opens its file by its button or a double click and shows
    // it in its folder; the desktop is a stand-in that records the call.
    void finishedRowOpensItsFile_data() { addTags({"open", "double click", "show in folder"}); }

    void finishedRowOpensItsFile()
    {
        QStringList calls;
        Desktop::setHandler([&](const QString &action, const QString &path) {
            calls << action + " " + path;
            return true;
        });
        const auto restore = qScopeGuard([] { Desktop::setHandler({}); });
        DownloadManager manager;
        auto view = rowView(manager, finished(TestHome::path() + "/Clip.mp4"));
        QQuickItem *root = view->rootObject();
        QTRY_VERIFY(shown(root, "openButton"));
        if (tag() == "double click") {
            QVERIFY(QQuickTest::qWaitForPolish(view.get()));
            QQuickItem *title = find(root, "title");
            QTest::mouseDClick(view.get(), Qt::LeftButton, {},
                               title->mapToScene({4, title->height() / 2}).toPoint());
        } else {
            click(*view, find(root, tag() == "open" ? "openButton" : "revealButton"));
        }
        const QString action = tag() == "show in folder" ? "reveal " : "open ";
        QTRY_COMPARE(calls, QStringList{action + TestHome::path() + "/Clip.mp4"});
        QCOMPARE(manager.rowCount(), 1);
    }

    // Remove takes the row off the list and keeps the file; Delete file asks
    // first, naming the file, and only a yes deletes it and the row.
    void removeKeepsDeleteAsks_data() { addTags({"remove", "delete, no", "delete, yes"}); }

    void removeKeepsDeleteAsks()
    {
        const auto english = translated(QLocale::English);
        const QString path = TestHome::path() + "/Concert " + tag() + ".mp4";
        DownloadManager manager;
        auto view = rowView(manager, finished(path));
        QQuickItem *root = view->rootObject();
        QTRY_VERIFY(shown(root, "removeButton") && find(root, "removeButton")->isEnabled());
        const bool remove = tag() == "remove", yes = tag() == "delete, yes";
        click(*view, find(root, remove ? "removeButton" : "deleteFileButton"));
        if (!remove) {
            QQuickItem *window = view->contentItem();
            QTRY_VERIFY(shown(window, "deleteQuestionText"));
            QVERIFY(text(window, "deleteQuestionText").contains("Concert " + tag() + ".mp4"));
            QVERIFY(QFileInfo::exists(path));
            QCOMPARE(manager.rowCount(), 1);
            click(*view, find(window, yes ? "confirmDeleteButton" : "keepFileButton"));
            QTRY_VERIFY(!shown(window, "deleteQuestionText"));
        }
        QTRY_COMPARE(manager.rowCount(), yes || remove ? 0 : 1);
        QCOMPARE(QFileInfo::exists(path), !yes);
        // Never a trash of Qt's making in the working folder.
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("files")));
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("info")));
    }

    // Nothing on the desktop can open or show the file: the window says so.
    void desktopFailureIsTold_data() { addTags({"openButton", "revealButton"}); }

    void desktopFailureIsTold()
    {
        const auto english = translated(QLocale::English);
        Desktop::setHandler([](const QString &, const QString &) { return false; });
        const auto restore = qScopeGuard([] { Desktop::setHandler({}); });
        RealWindow w;
        QVERIFY(w.showMain());
        w.app.manager()->insertItem(finished(TestHome::path() + "/Lecture.mp4"));
        QTRY_VERIFY(w.item(tag()) && w.item(tag())->isEnabled());
        click(*w.window, w.item(tag()));
        QTRY_VERIFY(shown(w.window->contentItem(), "desktopNoticeText"));
        QVERIFY(text(w.window->contentItem(), "desktopNoticeText").contains("Lecture.mp4"));
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
        failed->setErrorMessage("signed in", Failure::Kind::NeedsSignIn);
        auto view = rowView(manager, failed);
        QQuickItem *root = view->rootObject();
        QTRY_VERIFY(shown(root, "signInButton"));
        // What to do about the wall reads in full.
        QVERIFY(find(root, "detailMessage")->property("maximumLineCount").toInt() > 1);
        QVERIFY(!shown(root, "signInChooser")); // one browser: nothing to choose
        QTRY_VERIFY(find(root, "signInButton")->isEnabled());
        click(*view, find(root, "signInButton"));
        QCOMPARE(UserDefaults::value("cookiesBrowser").toString(), QString("firefox"));
        QVERIFY(failed->status() != DownloadStatus::Error);
        stopAll(&manager);
    }

    // At a sign-in wall, a row whose run took no cookies offers a browser's;
    // one whose cookies met the wall again offers the site, to sign in anew.
    void signInWallOffersByCookies_data()
    {
        QTest::addColumn<QString>("browser"); // the setting; empty: none
        QTest::addColumn<bool>("onlyWhenAsked");
        QTest::addColumn<QString>("offered");
        QTest::newRow("no cookies") << "" << false << "signInButton";
        QTest::newRow("always") << "firefox" << false << "openSiteButton";
        QTest::newRow("when a site asks") << "firefox" << true << "openSiteButton";
    }

    void signInWallOffersByCookies()
    {
        QFETCH(QString, browser);
        QFETCH(bool, onlyWhenAsked);
        QFETCH(QString, offered);
        writeText(TestHome::path() + "/.mozilla/firefox/a.default/cookies.sqlite", "");
        CookieSource source =
            browser.isEmpty() ? CookieSource::none() : CookieSource::fromBrowser(browser);
        source.onlyWhenAsked = onlyWhenAsked;
        source.save();
        const auto forget = qScopeGuard([] { CookieSource::none().save(); });
        QStringList opened;
        Desktop::setHandler([&](const QString &action, const QString &address) {
            opened << action + " " + address;
            return true;
        });
        const auto restore = qScopeGuard([] { Desktop::setHandler({}); });
        // The setting's view reads the setting again, as the preferences do.
        auto setting = load("CookieSetting", {}, {460, 400});
        QQuickItem *choices = setting->rootObject();
        const QString when = onlyWhenAsked ? "cookiesWhenAskedChoice" : "cookiesAlwaysChoice";
        QTRY_COMPARE(shown(choices, when), !browser.isEmpty());
        DownloadManager manager;
        auto *failed =
            new DownloadItem("https://videos.example.org/watch?v=1", DownloadFormat::Video);
        failed->setStatus(DownloadStatus::Error);
        failed->setErrorMessage("signed in", Failure::Kind::NeedsSignIn);
        auto view = rowView(manager, failed);
        QQuickItem *root = view->rootObject();
        QTRY_COMPARE(shownOf(root, {"signInButton", "openSiteButton"}), QStringList{offered});
        if (offered == "openSiteButton") {
            click(*view, find(root, offered));
            QCOMPARE(opened, QStringList{"site https://videos.example.org/watch?v=1"});
            QVERIFY(find(choices, when)->property("chosen").toBool());
            // The other choice is saved, and the browser stays.
            click(*setting,
                  find(choices, onlyWhenAsked ? "cookiesAlwaysChoice" : "cookiesWhenAskedChoice"));
            QCOMPARE(CookieSource::fromSettings().onlyWhenAsked, !onlyWhenAsked);
            QCOMPARE(CookieSource::fromSettings().browser, browser);
        }
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
        it->setFile({.codecInfo = hostile});
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

    // A failed row shows its sentence; the tool's own text is one click away,
    // selectable, and both go to the clipboard together.
    void errorDetailsOneClickAway()
    {
        DownloadManager manager;
        DownloadItem *failed = item(DownloadStatus::Error);
        const QString detail = "ERROR: [generic] None: Unable to download webpage: HTTP Error 404";
        failed->setErrorMessage("The page was not found.", Failure::Kind::Tool, detail);
        manager.insertItem(failed);
        auto view = load(
            "DownloadRow",
            {{"item", QVariant::fromValue(failed)}, {"manager", QVariant::fromValue(&manager)}},
            {800, 320});
        QQuickItem *all = view->contentItem();
        QCOMPARE(text(all, "detailMessage"), QString("The page was not found."));
        QTRY_VERIFY(shown(all, "errorDetailsButton"));
        QVERIFY(!shown(all, "errorDetailText"));
        click(*view, find(all, "errorDetailsButton"));
        QTRY_VERIFY(shown(all, "errorDetailText"));
        QQuickItem *shownDetail = find(all, "errorDetailText");
        QCOMPARE(shownDetail->property("text").toString(), detail);
        QVERIFY(shownDetail->property("readOnly").toBool());
        QVERIFY(shownDetail->property("selectByMouse").toBool());
        const QString both = "The page was not found.\n" + detail;
        for (const char *copy : {"copyDetailsButton", "copyErrorButton"}) {
            QGuiApplication::clipboard()->clear();
            if (QString(copy) == "copyErrorButton") {
                QTest::keyClick(view.get(), Qt::Key_Escape);
                QTRY_VERIFY(!shown(all, "errorDetailText"));
            }
            click(*view, find(all, copy));
            QCOMPARE(QGuiApplication::clipboard()->text(), both);
        }
    }

    // A finished download whose file exists at `path`.
    static DownloadItem *finished(const QString &path)
    {
        writeText(path, "video");
        DownloadItem *done = item(DownloadStatus::Done);
        done->setFile({.path = path, .codecInfo = "H.264 + AAC"});
        return done;
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
};

REELIX_GUI_TEST_MAIN(TestUiRows)
#include "tst_ui_rows.moc"
