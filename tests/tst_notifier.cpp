#include "fixtures/TestMain.h"

#include "Notifier.h"
#include "ReelixApp.h"

#include "i18n/Localization.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>

// A notification service of the test's own on a private session bus: it
// records what it is asked to show.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown; // "summary | body | actions"

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        shown << summary + " | " + body + " | " + actions.join(',');
        return uint(shown.size());
    }
};

class TestNotifier : public QObject
{
    Q_OBJECT

    QProcess m_daemon;
    QString m_address;
    std::optional<QDBusConnection> m_bus;
    FakeNotifications m_service;
    static inline const QString actions = "open,Open,reveal,Show in folder";

private slots:
    void initTestCase()
    {
        Localization::install(QLocale(QLocale::English));
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(m_daemon.waitForReadyRead(10000));
        const QString address = m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_bus = QDBusConnection::connectToBus(address, "service");
        QVERIFY(m_bus->isConnected());
        QVERIFY(m_bus->registerService("org.freedesktop.Notifications"));
        QVERIFY(m_bus->registerObject("/org/freedesktop/Notifications", &m_service,
                                      QDBusConnection::ExportAllSlots));
        QDBusConnection::connectToBus(address, "app");
        // The app's own notifier uses the session bus: this one.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    }

    void cleanupTestCase() { m_daemon.kill(), m_daemon.waitForFinished(); }

    void init()
    {
        m_service.shown.clear();
        Notifier::setEnabled(true);
    }

    // One item has its own notification, whose "Show in folder" reaches the
    // app; several ending together are one; what ends while turned off is
    // dropped, not kept for later.
    void endedItemsAreGathered()
    {
        Notifier notifier(QDBusConnection("app"));
        notifier.setGatherTime(std::chrono::milliseconds(300));
        QSignalSpy reveal(&notifier, &Notifier::revealRequested);
        const QString clip = TestHome::path() + "/Videos/Clip.mp4";
        writeText(clip, "");
        notifier.itemEnded("Clip", clip, {});
        const QString one = "Download finished | Clip | " + actions;
        QTRY_COMPARE(m_service.shown, QStringList{one});
        // The click is sent again until the notification's id has come back.
        const auto click = [&] {
            return m_bus->send(QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                          "org.freedesktop.Notifications",
                                                          "ActionInvoked")
                               << uint(1) << QString("reveal"));
        };
        QTRY_VERIFY(!reveal.isEmpty() || !click());
        QCOMPARE(reveal.first().first().toString(), clip);

        notifier.itemEnded("A", "/v/A.mp4", {});
        notifier.itemEnded("B", {}, "HTTP Error 403");
        notifier.itemEnded("C", "/v/C.mp4", {});
        const QString several = "2 downloads finished, 1 failed | A\nB\nC | " + actions;
        QTRY_COMPARE(m_service.shown, (QStringList{one, several}));
        Notifier::setEnabled(false);
        notifier.itemEnded("Off", "/v/Off.mp4", {});
        Notifier::setEnabled(true);
        notifier.itemEnded("D", {}, "gone");
        QTRY_COMPARE(m_service.shown, (QStringList{one, several, "Download failed | D\ngone | "}));
    }

    // Several ends are told with each count in the plural its language takes.
    void summaryCountsInItsLanguage_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<int>("finished");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("summary");
        QTest::newRow("en 1 + 1") << QLocale::English << 1 << 1 << "1 download finished, 1 failed";
        QTest::newRow("en 3") << QLocale::English << 3 << 0 << "3 downloads finished";
        QTest::newRow("fr 1 + 2") << QLocale::French << 1 << 2
                                  << "1 téléchargement terminé, 2 en échec";
        QTest::newRow("ru 2") << QLocale::Russian << 2 << 0 << "Завершены 2 загрузки";
        QTest::newRow("ru 5 + 1") << QLocale::Russian << 5 << 1
                                  << "Завершено 5 загрузок, с ошибкой: 1";
    }

    void summaryCountsInItsLanguage()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(int, finished);
        QFETCH(int, failed);
        QFETCH(QString, summary);
        Localization::install(QLocale(language));
        const auto english = qScopeGuard([] { Localization::install(QLocale(QLocale::English)); });
        Notifier notifier(QDBusConnection("app"));
        notifier.setGatherTime(std::chrono::milliseconds(0));
        for (int i = 0; i < finished + failed; ++i)
            notifier.itemEnded(QString::number(i), {}, i < failed ? "gone" : QString());
        QTRY_COMPARE(m_service.shown.size(), 1);
        QCOMPARE(m_service.shown.first().section(" | ", 0, 0), summary);
    }

    // The body is markup to the notification service: what a page or a tool
    // wrote is escaped, never read as a link, a picture or an entity.
    void bodyIsEscaped_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        const QString escaped = "&lt;a href=\"http://127.0.0.1:9/\"&gt;A&lt;/a&gt; &amp; "
                                "&lt;img src=file:///etc/passwd&gt;";
        QTest::newRow("done") << QString() << "Download finished | " + escaped + " | ";
        QTest::newRow("failed") << "HTTP <b>403</b> & more"
                                << "Download failed | " + escaped +
                                       "\nHTTP &lt;b&gt;403&lt;/b&gt; &amp; more | ";
    }

    void bodyIsEscaped()
    {
        QFETCH(QString, error);
        QFETCH(QString, shown);
        Notifier notifier(QDBusConnection("app"));
        notifier.setGatherTime(std::chrono::milliseconds(0));
        notifier.itemEnded("<a href=\"http://127.0.0.1:9/\">A</a> & <img src=file:///etc/passwd>",
                           {}, error);
        QTRY_COMPARE(m_service.shown, QStringList{shown});
    }

    // Only the notification service's own clicks act, and only on a file that
    // is still there: another program on the bus cannot open what it likes.
    void actionsComeFromTheServiceOnly()
    {
        Notifier notifier(QDBusConnection("app"));
        notifier.setGatherTime(std::chrono::milliseconds(0));
        notifier.itemEnded("Gone", TestHome::path() + "/Videos/Gone.mp4", {});
        QTRY_COMPARE(m_service.shown.size(), 1);
        const QString kept = TestHome::path() + "/Videos/Kept.mp4";
        writeText(kept, "");
        notifier.itemEnded("Kept", kept, {});
        QTRY_COMPARE(m_service.shown.size(), 2);
        QSignalSpy open(&notifier, &Notifier::openRequested);
        QSignalSpy reveal(&notifier, &Notifier::revealRequested);
        const auto click = [](QDBusConnection bus, uint id, const QString &action) {
            return bus.send(QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications",
                                                       "ActionInvoked")
                            << id << action);
        };
        // Both ids are known once a click on the second comes through.
        QTRY_VERIFY(!reveal.isEmpty() || !click(*m_bus, 2, "reveal"));
        reveal.clear();
        QDBusConnection intruder = QDBusConnection::connectToBus(m_address, "intruder");
        QVERIFY(click(intruder, 2, "open"));
        // The bus answers only after it passed the click on.
        QVERIFY(intruder.interface()->isServiceRegistered("org.freedesktop.Notifications"));
        QVERIFY(click(*m_bus, 1, "open"));
        QVERIFY(click(*m_bus, 2, "reveal"));
        QTRY_COMPARE(reveal.size(), 1);
        QCOMPARE(reveal.first().first().toString(), kept);
        QCOMPARE(open.size(), 0);
        QDBusConnection::disconnectFromBus("intruder");
    }

    // The app tells of a download that ends while its window is behind, and
    // of nothing else.
    void theAppTellsWhatEndedBehind()
    {
        ReelixApp app;
        auto *done = new DownloadItem("http://127.0.0.1:9/clip", DownloadFormat::Video);
        done->setTitle("Clip");
        done->setFile({.path = QString("/videos/Clip.mp4")});
        done->setStatus(DownloadStatus::Done);
        auto *ready = new DownloadItem("http://127.0.0.1:9/ready", DownloadFormat::Video);
        ready->setTitle("Ready");
        ready->setStatus(DownloadStatus::Ready);
        app.manager()->insertItem(done);
        app.manager()->insertItem(ready);
        emit app.manager()->itemSettled(done); // in front: nothing
        app.setProperty("windowActive", false);
        emit app.manager()->itemSettled(ready); // an information run: nothing
        emit app.manager()->itemSettled(done);
        QTRY_COMPARE(m_service.shown, QStringList{"Download finished | Clip | " + actions});
        // A later batch holds only what ended after the first.
        emit app.manager()->itemSettled(done);
        QTRY_COMPARE(m_service.shown.size(), 2);
        QCOMPARE(m_service.shown, QStringList(2, "Download finished | Clip | " + actions));
    }
};

REELIX_TEST_MAIN(TestNotifier)
#include "tst_notifier.moc"
