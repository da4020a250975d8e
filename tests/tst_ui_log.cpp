#include "fixtures/uiWindow.h"

// The log window: one at a time, its text, its end.
class TestUiLog : public UiTest
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void cleanup() { m_view.reset(); }

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

REELIX_GUI_TEST_MAIN(TestUiLog)
#include "tst_ui_log.moc"
