#include "fixtures/uiWindow.h"

#include "cookies/CookieSource.h"
#include "engine/RunSettings.h"
#include "engine/YtDlpAge.h"
#include "engine/YtDlpErrors.h"

#include <QStorageInfo>

// Help ▸ "Check my setup" in the real window: each line's mark and
// sentence for what this machine really has, the button that does the one
// thing to do, and the report for pasting.
class TestUiDoctor : public UiTest
{
    Q_OBJECT

    QString m_folder;

    // Opens the check from the Help menu and waits for its lines.
    static QQuickItem *runCheck(RealWindow &w)
    {
        QMetaObject::invokeMethod(w.window->findChild<QObject *>("setupCheckAction"), "trigger");
        QQuickItem *content = w.window->contentItem();
        if (!QTest::qWaitFor([&] { return shown(content, "setupCheckLines"); }, 30000))
            return nullptr;
        return content;
    }

private slots:
    void initTestCase()
    {
        prepareWindowTests();
        QGuiApplication::setQuitOnLastWindowClosed(false);
        // The servers the check asks: a local port nothing listens on.
        qputenv("REELIX_DOCTOR_SERVERS", "http://127.0.0.1:9");
    }

    void init()
    {
        m_folder = TestHome::path() + "/Checked";
        QDir(m_folder).removeRecursively();
        QDir().mkpath(m_folder);
        RunSettings::rememberFolder(m_folder);
        CookieSource::none().save();
    }

    // Each condition gives its line a problem mark, a sentence and the
    // button that leads to the remedy; the button opens it.
    void eachProblemLeadsToItsRemedy_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opened"); // the popup or view the button shows
        QTest::newRow("read-only folder") << "read-only"
                                          << "folder"
                                          << "Choose folder"
                                          << "folderPicker";
        QTest::newRow("no yt-dlp") << ""
                                   << "ytdlp"
                                   << "Install"
                                   << "setupView";
        QTest::newRow("browser without cookies") << "browser"
                                                 << "cookies"
                                                 << "Choose browser"
                                                 << "cookieDialog";
    }

    void eachProblemLeadsToItsRemedy()
    {
        QFETCH(QString, condition);
        QFETCH(QString, line);
        QFETCH(QString, button);
        QFETCH(QString, opened);
        const auto english = translated(QLocale::English);
        // Permissions do not stop the root user the tests may run as: /proc does.
        if (condition == "read-only")
            RunSettings::rememberFolder("/proc");
        if (condition == "browser")
            CookieSource::fromBrowser("firefox").save(); // no Firefox profile in this home
        RealWindow w;
        QVERIFY(w.showMain());
        QQuickItem *content = runCheck(w);
        QVERIFY(content);
        QQuickItem *row = find(content, "setupCheckLine_" + line);
        QVERIFY(row);
        QCOMPARE(text(row, "setupCheckLevel"), QString("Problem"));
        QVERIFY(!text(row, "setupCheckSummary").isEmpty());
        QQuickItem *action = find(row, "setupCheckAction");
        QVERIFY(shown(row, "setupCheckAction"));
        QCOMPARE(action->property("text").toString(), button);
        // Scrolled into view, as a user would, when the window is short.
        QQuickItem *lines = find(content, "setupCheckLines");
        lines->setProperty("contentY", qMin(row->y(), lines->property("contentHeight").toReal() -
                                                          lines->height()));
        click(*w.window, action);
        if (opened == "setupView") {
            QTRY_COMPARE(w.app.view(), ReelixApp::View::Setup);
        } else {
            QObject *popup = w.window->findChild<QObject *>(opened);
            QVERIFY(popup);
            QTRY_VERIFY_WITH_TIMEOUT(popup->property("opened").toBool(), 30000);
        }
    }

    // A writable folder with room is fine and offers nothing to do; every
    // check has a line with a mark in words.
    void healthyLinesOfferNothing()
    {
        const auto french = translated(QLocale::French);
        RealWindow w;
        QVERIFY(w.showMain());
        // The smallest window: the lines cannot all show at once.
        w.window->resize(680, 520);
        QQuickItem *content = runCheck(w);
        QVERIFY(content);
        // The dialog stays inside the window and its lines scroll, with a
        // scroll bar that says so before any scrolling.
        QObject *dialog = w.window->findChild<QObject *>("setupCheckDialog");
        QQuickItem *lines = find(content, "setupCheckLines");
        QTRY_VERIFY(lines->height() > 0);
        QVERIFY(lines->height() < lines->property("contentHeight").toReal());
        QVERIFY(dialog->property("y").toReal() >= 0);
        QVERIFY(dialog->property("y").toReal() + dialog->property("height").toReal() <=
                w.window->height());
        QQuickItem *bar = find(content, "setupCheckScrollBar");
        QTRY_VERIFY(bar->isVisible() && bar->opacity() > 0.9);
        const QStringList ids{"ytdlp",   "javascript",   "impersonation", "ffmpeg",
                              "cookies", "certificates", "folder",        "network"};
        for (const QString &id : ids) {
            QQuickItem *row = find(content, "setupCheckLine_" + id);
            QVERIFY2(row, qPrintable(id));
            QVERIFY(QStringList({"OK", "Avertissement", "Problème"})
                        .contains(text(row, "setupCheckLevel")));
        }
        QQuickItem *folder = find(content, "setupCheckLine_folder");
        if (QStorageInfo(m_folder).bytesAvailable() > 1'000'000'000) {
            QCOMPARE(text(folder, "setupCheckLevel"), QString("OK"));
            QVERIFY(!shown(folder, "setupCheckAction"));
        }
        QCOMPARE(text(find(content, "setupCheckLine_cookies"), "setupCheckLevel"), QString("OK"));
    }

    // "Check again" finds what changed meanwhile; "Copy report" gives the
    // report with the home folder as "~".
    void checkAgainAndCopyReport()
    {
        const auto english = translated(QLocale::English);
        RunSettings::rememberFolder("/proc");
        RealWindow w;
        QVERIFY(w.showMain());
        QQuickItem *content = runCheck(w);
        QVERIFY(content);
        const auto folderLevel = [&] {
            return text(find(content, "setupCheckLine_folder"), "setupCheckLevel");
        };
        QCOMPARE(folderLevel(), QString("Problem"));
        RunSettings::rememberFolder(m_folder);
        click(*w.window, find(content, "checkAgainButton"));
        QTRY_VERIFY_WITH_TIMEOUT(shown(content, "setupCheckLines") && folderLevel() != "Problem",
                                 30000);
        QGuiApplication::clipboard()->clear();
        click(*w.window, find(content, "copyReportButton"));
        QTRY_VERIFY(!QGuiApplication::clipboard()->text().isEmpty());
        const QString report = QGuiApplication::clipboard()->text();
        QVERIFY(report.contains("~/Checked"));
        QVERIFY(!report.contains(TestHome::path()));
    }

    // A page an old yt-dlp could not read: the row names the copy the tools
    // view found with both versions. Reelix's own offers Update, which opens
    // the updates; the system's says how to get a newer one.
    void oldYtDlpRowOffersItsUpdate_data()
    {
        QTest::addColumn<bool>("own");
        QTest::newRow("own copy") << true;
        QTest::newRow("system copy") << false;
    }

    void oldYtDlpRowOffersItsUpdate()
    {
        QFETCH(bool, own);
        const auto english = translated(QLocale::English);
        const auto forget = qScopeGuard([] { YtDlpAge::set({}); });
        RealWindow w;
        QVERIFY(w.showMain());
        Dependency *ytdlp = w.app.checker()->ytdlp();
        ytdlp->setStatus(DepStatus::updateAvailable("2024.01.02", "2024.03.01"));
        if (!own)
            ytdlp->setSystemTool({"/usr/bin/yt-dlp", "2024.01.02", false});
        auto *failed = new DownloadItem("https://videos.example.org/w/2", DownloadFormat::Video);
        failed->setStatus(DownloadStatus::Error);
        const QStringList said{"ERROR: [generic] abc: Unable to extract video url"};
        failed->setFailure(YtDlpErrors::failure(said, false, false, CookieSource::none()));
        w.app.manager()->insertItem(failed);
        QTRY_VERIFY(w.item("failedControls"));
        const QString sentence =
            own ? "error.site_changed_old_own" : "error.site_changed_old_system";
        QCOMPARE(text(w.view(), "detailMessage"),
                 qtTrId(qPrintable(sentence)).arg("2024.01.02", "2024.03.01"));
        QCOMPARE(shown(w.view(), "updateOffer"), own);
        if (own) {
            click(*w.window, w.item("updateOffer"));
            QTRY_COMPARE(w.app.view(), ReelixApp::View::Setup);
        }
    }
};

REELIX_GUI_TEST_MAIN(TestUiDoctor)
#include "tst_ui_doctor.moc"
