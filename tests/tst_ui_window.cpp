#include "fixtures/uiWindow.h"

#include <QKeySequence>

// The window as a desktop app: leaving while downloads run, the menus from
// the keyboard, About, and the list of keyboard shortcuts.
class TestUiWindow : public UiTest
{
    Q_OBJECT

    // Every shortcut the window's Shortcut and Action objects carry.
    static QStringList shortcutsOf(QObject *root)
    {
        QStringList found;
        const auto add = [&](const QVariant &sequence) {
            const QString text = QKeySequence(sequence.toString()).toString();
            if (!text.isEmpty())
                found << text;
        };
        for (QObject *o : root->findChildren<QObject *>()) {
            const QString type = o->metaObject()->className();
            if (type.startsWith("QQuickShortcut")) {
                add(o->property("sequence"));
                for (const QVariant &s : o->property("sequences").toList())
                    add(s);
            } else if (type.startsWith("QQuickAction")) {
                add(o->property("shortcut"));
            }
        }
        found.removeDuplicates();
        return found;
    }

    // Starts `count` downloads from the local server and waits until they run.
    void startDownloads(DownloadManager *manager, int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString name = "long" + QString::number(i) + ".mp4";
            QFile::copy(m_server->root() + "/long.mp4", m_server->root() + "/" + name);
            manager->addDownload(m_server->slowUrl(name), DownloadFormat::Video);
        }
        for (DownloadItem *item : manager->downloads()) {
            QTRY_VERIFY_WITH_TIMEOUT(item->status() == DownloadStatus::Ready, 60000);
            manager->start(item);
            QTRY_VERIFY_WITH_TIMEOUT(item->run() && item->progress() > 0, 60000);
        }
    }

private slots:
    void initTestCase()
    {
        prepareWindowTests();
        // The test program goes on after each window it closes.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    // Closing asks only while downloads run, saying how many; Cancel keeps
    // the window and its downloads, Quit closes it.
    void quitAsksWhileDownloadsRun_data()
    {
        QTest::addColumn<int>("running");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
    }

    void quitAsksWhileDownloadsRun()
    {
        QFETCH(int, running);
        const auto english = translated(QLocale::English);
        const auto tools = useSystemTools();
        startServer();
        RealWindow w;
        QVERIFY(w.showMain());
        w.app.manager()->useSettings({.folder = TestHome::path() + "/Downloads"});
        startDownloads(w.app.manager(), running);
        QCOMPARE(w.app.runningDownloads(), running);
        QTest::keyClick(w.window, Qt::Key_Q, Qt::ControlModifier);
        QQuickItem *content = w.window->contentItem();
        if (running > 0) {
            QTRY_VERIFY(shown(content, "quitQuestionText"));
            QVERIFY(text(content, "quitQuestionText")
                        .startsWith(QString::number(running) +
                                    (running == 1 ? " download is" : " downloads are")));
            click(*w.window, w.item("stayButton"));
            QTRY_VERIFY(!shown(content, "quitQuestionText"));
            QVERIFY(w.window->isVisible());
            QCOMPARE(w.app.runningDownloads(), running);
            w.window->close(); // the title bar's close button
            QTRY_VERIFY(shown(content, "quitQuestionText"));
            QVERIFY(w.window->isVisible());
            click(*w.window, w.item("quitAnywayButton"));
        }
        QTRY_VERIFY(!w.window->isVisible());
        QVERIFY(!shown(content, "quitQuestionText"));
        w.app.stopDownloads();
        QTRY_COMPARE_WITH_TIMEOUT(w.app.runningDownloads(), 0, 10000);
    }

    // The menus open from the keyboard: F10 opens the first, Alt and a
    // menu's underlined letter that one.
    void menusOpenFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("menu");
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "fileMenu";
        QTest::newRow("Alt+T") << int(Qt::Key_T) << int(Qt::AltModifier) << "toolsMenu";
        QTest::newRow("Alt+H") << int(Qt::Key_H) << int(Qt::AltModifier) << "helpMenu";
    }

    void menusOpenFromTheKeyboard()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, menu);
        const auto english = translated(QLocale::English);
        RealWindow w;
        QVERIFY(w.showMain());
        QObject *opened = w.window->findChild<QObject *>(menu);
        QVERIFY(opened);
        QVERIFY(!opened->property("opened").toBool());
        QTest::keyClick(w.window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(opened->property("opened").toBool());
    }

    // About names the version, the licence and each tool as the checker found it.
    void aboutNamesTheTools()
    {
        const auto english = translated(QLocale::English);
        RealWindow w;
        QVERIFY(w.showMain());
        DependencyChecker *checker = w.app.checker();
        checker->ytdlp()->setStatus(DepStatus::upToDate("2025.01.15"));
        checker->ffmpeg()->setStatus(DepStatus::unknown());
        checker->ffmpeg()->setSystemTool({"/usr/bin/ffmpeg", "5.1.7-0+deb12u1", false});
        checker->node()->setStatus(DepStatus::unknown());
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("aboutAction"), "trigger");
        QQuickItem *content = w.window->contentItem();
        QTRY_VERIFY(shown(content, "aboutLicence"));
        QVERIFY(text(content, "aboutLicence").contains("GPL-3.0-or-later"));
        QVERIFY(text(content, "aboutVersion").contains(w.app.version()));
        QStringList versions;
        for (QQuickItem *i : ViewProbe::findAll(content, "aboutToolVersion"))
            versions << i->property("text").toString();
        QCOMPARE(versions, (QStringList{"2025.01.15", "5.1.7-0+deb12u1", "Not installed"}));
    }

    // F1 and Ctrl+? open the list, and it holds every shortcut of the window
    // and of the preferences window.
    void shortcutsListIsComplete_data() { addTags({"F1", "Ctrl+?"}); }

    void shortcutsListIsComplete()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        QTest::keyClick(w.window, tag() == "F1" ? Qt::Key_F1 : Qt::Key_Question,
                        tag() == "F1" ? Qt::NoModifier : Qt::ControlModifier);
        QQuickItem *content = w.window->contentItem();
        // The dialog is made on first use, which a busy machine makes slow.
        QTRY_VERIFY_WITH_TIMEOUT(shown(content, "shortcutKeys"), 30000);
        QStringList listed;
        for (QQuickItem *i : ViewProbe::findAll(content, "shortcutKeys"))
            for (const QVariant &s : i->property("sequences").toList())
                listed << QKeySequence(s.toString()).toString();
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("preferencesAction"), "trigger");
        QWindow *preferences = nullptr;
        const auto find = [&] {
            for (QWindow *top : QGuiApplication::topLevelWindows())
                if (top->objectName() == "preferencesWindow")
                    preferences = top;
            return preferences != nullptr;
        };
        QTRY_VERIFY(find());
        QStringList missing;
        for (QObject *root :
             {static_cast<QObject *>(w.window), static_cast<QObject *>(preferences)})
            for (const QString &s : shortcutsOf(root))
                if (!listed.contains(s))
                    missing << s;
        QCOMPARE(missing, QStringList());
        preferences->close();
    }

    // The header's folder button and the preferences open the same chooser;
    // with no desktop portal on the bus, it is the app's own.
    void oneFolderChooser_data() { addTags({"header", "preferences"}); }

    void oneFolderChooser()
    {
        RealWindow w;
        QVERIFY(w.showMain());
        QQuickWindow *in = w.window;
        if (tag() == "preferences") {
            QMetaObject::invokeMethod(w.window->findChild<QObject *>("preferencesAction"),
                                      "trigger");
            for (QWindow *top : QGuiApplication::topLevelWindows())
                if (top->objectName() == "preferencesWindow")
                    in = qobject_cast<QQuickWindow *>(top);
            QVERIFY(in != w.window && QTest::qWaitForWindowExposed(in));
        }
        click(*in,
              find(in->contentItem(), tag() == "header" ? "folderButton" : "changeFolderButton"));
        QObject *picker = (in == w.window ? static_cast<QObject *>(w.view()) : in)
                              ->findChild<QObject *>("folderPicker");
        QVERIFY(picker);
        QTRY_VERIFY(picker->property("opened").toBool());
        QMetaObject::invokeMethod(picker, "close");
        if (in != w.window)
            in->close();
    }
};

REELIX_GUI_TEST_MAIN(TestUiWindow)
#include "tst_ui_window.moc"
