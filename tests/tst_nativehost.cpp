#include "fixtures/TestMain.h"

#include "store/QueueDatabase.h"
#include "store/QueueStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <csignal>
#include <cstdint>
#include <cstring>

// The browser's way in, through the real reelix-native-host over a pipe:
// whatever the message, a refusal that says why and never a crash; checked
// addresses reach the real window, which the host starts when none runs.
class TestNativeHost : public QObject
{
    Q_OBJECT

    static QByteArray header(std::uint32_t length)
    {
        QByteArray bytes(sizeof length, '\0');
        std::memcpy(bytes.data(), &length, sizeof length);
        return bytes;
    }
    // JSON written with ' for ", so that the table reads easily.
    static QByteArray json(const char *text) { return QByteArray(text).replace('\'', '"'); }
    static QByteArray framed(const QByteArray &json) { return header(json.size()) + json; }

    // The next answer on the host's output, waiting for it to arrive.
    static QJsonObject answer(QProcess &host)
    {
        std::uint32_t length = 0;
        auto complete = [&] {
            if (host.bytesAvailable() < 4)
                return false;
            std::memcpy(&length, host.peek(4).constData(), sizeof length);
            return host.bytesAvailable() >= 4 + qint64(length);
        };
        if (!QTest::qWaitFor(complete, 60000))
            return {};
        return QJsonDocument::fromJson(host.read(4 + qint64(length)).mid(4)).object();
    }
    static bool ended(QProcess &host)
    {
        return host.state() == QProcess::NotRunning || host.waitForFinished(10000);
    }
    static void start(QProcess &host, const QProcessEnvironment &env)
    {
        host.setProcessEnvironment(env);
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(REELIX_NATIVE_HOST_PATH, {});
        QVERIFY(host.waitForStarted());
    }
    static QProcessEnvironment withoutBus()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + TestHome::path() + "/no-bus");
        return env;
    }
    static QList<ItemRecord> savedItems()
    {
        QueueDatabase db(QueueStore::defaultPath());
        return db.openReadOnly() ? db.items() : QList<ItemRecord>();
    }

    QProcess m_bus;
    QProcessEnvironment m_env;

private slots:
    void initTestCase()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1",
                                    "--address=unix:path=" + TestHome::path() + "/bus"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromUtf8(m_bus.readLine()).trimmed());
        m_env.insert("QT_QPA_PLATFORM", "offscreen");
    }
    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished(5000);
    }

    // Each message is answered on its own: the host stays for the next one.
    void refusesBadMessages_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("code");
        const QByteArray many =
            "[" + QByteArray("\"https://127.0.0.1/v\",").repeated(51).chopped(1) + "]";
        const QByteArray longAddress = "https://127.0.0.1/" + QByteArray(5000, 'a');
        const struct
        {
            const char *name;
            QByteArray json;
            const char *code;
        } cases[] = {
            {"not JSON", "{addresses: [", "not-json"},
            {"an array", json("['https://127.0.0.1/v']"), "bad-shape"},
            {"no addresses", json("{'format': 'audio'}"), "bad-shape"},
            {"addresses a string", json("{'addresses': 'https://127.0.0.1/v'}"), "bad-shape"},
            {"an address a number", json("{'addresses': [42]}"), "bad-shape"},
            {"an address an object", json("{'addresses': [{'url': 'https://a'}]}"), "bad-shape"},
            {"empty list", json("{'addresses': []}"), "bad-shape"},
            {"unknown key", json("{'addresses': ['https://127.0.0.1/v'], 'run': 'sh'}"),
             "bad-shape"},
            {"unknown format", json("{'addresses': ['https://127.0.0.1/v'], 'format': '-x'}"),
             "bad-shape"},
            {"format a number", json("{'addresses': ['https://127.0.0.1/v'], 'format': 1}"),
             "bad-shape"},
            {"too many", json("{'addresses': ") + many + "}", "too-many"},
            {"javascript", json("{'addresses': ['javascript:alert(1)']}"), "bad-address"},
            {"file", json("{'addresses': ['file:///etc/passwd']}"), "bad-address"},
            {"data", json("{'addresses': ['data:text/html,<b>x</b>']}"), "bad-address"},
            {"ftp", json("{'addresses': ['ftp://127.0.0.1/v']}"), "bad-address"},
            {"an option", json("{'addresses': ['--exec=touch /tmp/x']}"), "bad-address"},
            {"credentials", json("{'addresses': ['https://me:pw@127.0.0.1/v']}"), "bad-address"},
            {"no host", json("{'addresses': ['https:///v']}"), "bad-address"},
            {"a space", json("{'addresses': ['https://127.0.0.1/a b']}"), "bad-address"},
            {"a new line", json("{'addresses': ['https://127.0.0.1/a\\nhttps://b']}"),
             "bad-address"},
            {"a direction mark", json("{'addresses': ['https://127.0.0.1/\u202ev']}"),
             "bad-address"},
            {"too long", json("{'addresses': ['") + longAddress + "\"]}", "bad-address"},
        };
        for (const auto &c : cases)
            QTest::newRow(c.name) << c.json << QString::fromLatin1(c.code);
    }
    void refusesBadMessages()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, code);
        QProcess host;
        start(host, withoutBus());
        host.write(framed(json) + framed(json));
        for (int i = 0; i < 2; ++i) {
            const QJsonObject said = answer(host);
            QCOMPARE(said.value("taken"), QJsonValue(false));
            QCOMPARE(said.value("error").toString(), code);
        }
        host.closeWriteChannel();
        QVERIFY(ended(host));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
    }

    // A frame that cannot be trusted ends the conversation after one answer.
    void refusesBadFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero length") << header(0) + "{}";
        QTest::newRow("over 64 KiB") << header(64 * 1024 + 1) + QByteArray(64 * 1024 + 1, ' ');
        QTest::newRow("4 GiB said") << header(0xffffffffU) + "{}";
        QTest::newRow("cut short") << header(100) + json("{'addresses': [");
        QTest::newRow("half a header") << QByteArray("\x10\x00", 2);
    }
    void refusesBadFrames()
    {
        QFETCH(QByteArray, bytes);
        QProcess host;
        start(host, withoutBus());
        host.write(bytes);
        host.closeWriteChannel();
        QCOMPARE(answer(host).value("error").toString(), QString("bad-length"));
        QVERIFY(ended(host));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 1);
    }

    // Without a session bus nothing can take the addresses: said, not hidden.
    void saysWhenReelixIsOutOfReach()
    {
        QProcess host;
        start(host, withoutBus());
        host.write(framed(json("{'addresses': ['https://127.0.0.1/v']}")));
        const QJsonObject said = answer(host);
        QCOMPARE(said.value("taken"), QJsonValue(false));
        QCOMPARE(said.value("error").toString(), QString("no-reelix"));
        host.closeWriteChannel();
        QVERIFY(ended(host));
    }

    // The first message starts the window, which takes it; the next ones go
    // to that same window, each with the format asked for.
    void startsReelixAndHandsOver()
    {
        QFile::remove(QueueStore::defaultPath());
        QProcess host;
        start(host, m_env);
        host.write(
            framed(json("{'addresses': ['http://127.0.0.1:9/a%20b', 'http://127.0.0.1:9/a%20b'], "
                        "'format': 'audio'}")));
        QCOMPARE(answer(host), HostMessageTaken(1));
        host.write(
            framed(json("{'addresses': ['https://127.0.0.1:9/v?x=1#t'], 'format': 'video'}")));
        QCOMPARE(answer(host), HostMessageTaken(1));
        QDBusConnection bus = QDBusConnection::connectToBus(m_env.value("DBUS_SESSION_BUS_ADDRESS"),
                                                            "nativehost-test");
        const uint pid = bus.interface()->servicePid("org.reelix.Reelix");
        QVERIFY(pid > 0);
        QTRY_COMPARE_WITH_TIMEOUT(savedItems().size(), 2, 30000);
        const QList<ItemRecord> saved = savedItems();
        QCOMPARE(saved.at(0).url, QString("http://127.0.0.1:9/a%20b"));
        QCOMPARE(saved.at(0).format, DownloadFormat::Audio);
        QCOMPARE(saved.at(1).url, QString("https://127.0.0.1:9/v?x=1#t"));
        QCOMPARE(saved.at(1).format, DownloadFormat::Video);
        host.closeWriteChannel();
        QVERIFY(ended(host));
        ::kill(pid_t(pid), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 20000);
    }

private:
    static QJsonObject HostMessageTaken(int count) { return {{"taken", true}, {"count", count}}; }
};

REELIX_TEST_MAIN(TestNativeHost)
#include "tst_nativehost.moc"
