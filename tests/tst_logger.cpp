#include "fixtures/TestMain.h"

#include "log/Logger.h"
#include "platform/PlatformProfile.h"
#include "platform/UserDefaults.h"

#include <QProcess>
#include <QRegularExpression>

#include <atomic>
#include <thread>

class TestLogger : public QObject
{
    Q_OBJECT

    // A shortcut (0 command, 1 exit, 2 stderr) with its text and exit code →
    // the logged level and message; empty: nothing logged.
    using Shortcut = std::tuple<const char *, int, const char *, int, const char *>;
    static inline const Shortcut shortcutCases[] = {
        {"command", 0, "a b", 0, "[DEBUG] ▶ yt-dlp [site] args: -j -- a b"},
        {"exit ok detail", 1, "ok", 0, "[INFO ] ✓ [site] success: ok"},
        {"exit failed hides detail", 1, "ok", 2, "[ERROR] ✗ [site] exit code 2"},
        {"stderr blank", 2, " \n\t\n ", 0, ""},
        {"stderr both", 2, "\nWARNING: x ERROR: y\n", 0,
         "[ERROR] ⚠ stderr [site]: WARNING: x ERROR: y"},
        {"stderr warning", 2, "WARNING: slow", 0, "[WARN ] ⚠ stderr [site]: WARNING: slow"},
        {"stderr lower case", 2, "error: nope", 0, "[DEBUG] ⚠ stderr [site]: error: nope"},
    };

    static void setLogging(bool on) { UserDefaults::setValue("debugLogging", on); }

private slots:
    void init()
    {
        setLogging(true);
        Logger::shared().clear();
    }

    // The switch is read on every call; the first use, with logging off,
    // makes the folder and the file all the same.
    void switchReadOnEveryCall()
    {
        UserDefaults::remove("debugLogging");
        const QString path = PlatformProfile::current().logFile;
        QVERIFY(path.startsWith(TestHome::path()));
        Logger::shared().log("not written");
        QVERIFY(QFileInfo::exists(path));
        setLogging(true);
        Logger::shared().log("written");
        setLogging(false);
        Logger::shared().log("not written either");
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].endsWith("] written"));
    }

    void lineFormat()
    {
        Logger::shared().log("hello\nsecond line", LogLevel::Warning);
        const int line = __LINE__ - 1;
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 2);
        const QRegularExpression format(
            QStringLiteral(R"(^\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3}\] \[WARN \] )"
                           R"(\[tst_logger\.cpp:(\d+)\] hello$)"));
        const auto match = format.match(lines[0]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[0]));
        QCOMPARE(match.captured(1).toInt(), line);
        QCOMPARE(lines[1], QString("second line"));
    }

    void shortcuts_data() { addCases(shortcutCases); }

    void shortcuts()
    {
        const auto &[name, kind, text, code, expected] = caseOf(shortcutCases);
        const QString site = "site";
        if (kind == 0)
            Logger::shared().logCommand(site, QStringList{"-j", QString("--")} +
                                                  QString(text).split(QLatin1Char(' ')));
        else if (kind == 1)
            Logger::shared().logExit(site, code, text);
        else
            Logger::shared().logStderr(text, site);
        const QStringList lines = logLines();
        if (!*expected) {
            QCOMPARE(lines, QStringList());
            return;
        }
        QCOMPARE(lines.size(), 1);
        const int levelAt = lines[0].indexOf("] [") + 2;
        const QString level = lines[0].mid(levelAt, 7);
        const QString message = lines[0].mid(lines[0].indexOf("] ", levelAt + 8) + 2);
        QCOMPARE(level + QLatin1Char(' ') + message, QString(expected));
    }

    // Several threads log while one clears; a shared sequence taken under one
    // lock with each submission tells which lines came before the clear.
    void clearRemovesExactlyEarlierLines()
    {
        std::mutex order;
        int sequence = 0;
        int clearedAt = -1;
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&, t] {
                while (!go) {
                }
                for (int i = 0; i < 400; ++i) {
                    std::lock_guard lock(order);
                    const int n = sequence++;
                    if (t == 0 && i == 200) {
                        clearedAt = n;
                        Logger::shared().clear();
                    } else {
                        Logger::shared().log(QString("seq %1").arg(n));
                    }
                }
            });
        }
        go = true;
        for (auto &thread : threads)
            thread.join();
        const QStringList lines = logLines();
        QVERIFY(clearedAt > 0);
        QCOMPARE(lines.size(), sequence - clearedAt - 1);
        int previous = clearedAt;
        for (const QString &line : lines) {
            const int n = line.section("seq ", 1).toInt();
            QVERIFY2(n > previous, qPrintable(line));
            previous = n;
        }
    }

    // Other processes append after what is there, and what they logged right
    // before exiting is on disk once they have exited.
    void otherProcessesAppendAndFlushOnExit()
    {
        Logger::shared().log("first");
        Logger::shared().waitUntilWritten();
        for (const QString tag : {"a", "b"})
            QCOMPARE(QProcess::execute(REELIX_TEST_HELPERS "/logwriter", {"5000", tag}), 0);
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 10001);
        QVERIFY(lines[0].endsWith("] first"));
        QVERIFY(lines[1].endsWith("] a 0"));
        QVERIFY(lines[5000].endsWith("] a 4999"));
        QVERIFY(lines[10000].endsWith("] b 4999"));
    }
};

REELIX_TEST_MAIN(TestLogger)
#include "tst_logger.moc"
