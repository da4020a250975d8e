#include "fixtures/TestMain.h"

#include "engine/DownloadItem.h"
#include "engine/ProcessRunner.h"
#include "log/Logger.h"
#include "platform/ProcessWait.h"
#include "platform/StopSignals.h"
#include "platform/UserDefaults.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>

#include <sys/resource.h>

#include <csignal>

class TestProcessRunner : public QObject
{
    Q_OBJECT

    struct Outcome
    {
        ProcessRunResult result;
        QStringList lines;
        QStringList linesWhileRunning;
    };

    static Outcome runShell(const QString &script,
                            std::optional<std::chrono::milliseconds> limit = std::nullopt,
                            bool withCallback = true)
    {
        QProcess process;
        process.setProgram(QStringLiteral("/bin/sh"));
        process.setArguments({QStringLiteral("-c"), script});
        Outcome outcome;
        LineCallback onLine;
        if (withCallback) {
            onLine = [&](const QString &line) {
                outcome.lines << line;
                if (process.state() == QProcess::Running)
                    outcome.linesWhileRunning << line;
            };
        }
        RunOptions options{limit, QStringLiteral("example.org"), onLine};
        outcome.result = await(run(process, std::move(options)));
        return outcome;
    }

    static QStringList leftoverStderrFiles()
    {
        return QDir(QDir::tempPath()).entryList({QStringLiteral("reelix_stderr_*")}, QDir::Files);
    }

private slots:
    void initTestCase() { UserDefaults::setValue(QStringLiteral("debugLogging"), true); }

    void lineSplitting_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("stdoutData");

        QTest::newRow("last line unterminated")
            << "printf 'a\\nb\\nc'" << QStringList{"a", "b", "c"} << QByteArray("a\nb\nc");
        QTest::newRow("trailing blanks dropped")
            << "printf 'x\\n   '" << QStringList{"x"} << QByteArray("x\n   ");
        QTest::newRow("carriage return kept")
            << "printf 'a\\r\\n'" << QStringList{"a\r"} << QByteArray("a\r\n");
        QTest::newRow("empty line kept")
            << "printf 'a\\n\\nb\\n'" << QStringList{"a", "", "b"} << QByteArray("a\n\nb\n");
        QTest::newRow("invalid UTF-8 line skipped")
            << "printf '\\377\\376\\nok\\n'" << QStringList{"ok"} << QByteArray("\xff\xfe\nok\n");
        QTest::newRow("character split across writes")
            << "printf '\\303'; sleep 0.2; printf '\\251t\\n'" << QStringList{"ét"}
            << QByteArray("\xc3\xa9t\n");
    }

    void lineSplitting()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, stdoutData);
        const Outcome outcome = runShell(script);
        QCOMPARE(outcome.result.status, 0);
        QCOMPARE(outcome.lines, lines);
        QCOMPARE(outcome.result.stdoutData, stdoutData);
        QVERIFY(!outcome.result.launchError);
        // Without a line callback every byte is kept too.
        QCOMPARE(runShell(script, std::nullopt, false).result.stdoutData, stdoutData);
    }

    void linesArriveWhileTheChildRuns()
    {
        const Outcome outcome = runShell(QStringLiteral("printf 'a\\n'; sleep 0.5; printf 'b'"));
        QCOMPARE(outcome.lines, (QStringList{"a", "b"}));
        QCOMPARE(outcome.linesWhileRunning, QStringList{"a"});
    }

    void stderrOnlyAndTemporaryFileRemoved()
    {
        const Outcome outcome = runShell(QStringLiteral("printf 'ERROR: bad\\nmore' >&2; exit 3"));
        QCOMPARE(outcome.result.status, 3);
        QCOMPARE(outcome.result.stdoutData, QByteArray());
        QCOMPARE(outcome.result.stderrText, QStringLiteral("ERROR: bad\nmore"));
        QCOMPARE(leftoverStderrFiles(), QStringList());
    }

    void undecodableStderrIsEmpty()
    {
        const Outcome outcome = runShell(QStringLiteral("printf '\\377' >&2"));
        QCOMPARE(outcome.result.stderrText, QString());
    }

    void missingExecutable()
    {
        QProcess process;
        process.setProgram(TestHome::path() + QStringLiteral("/no-such-tool"));
        const ProcessRunResult result = await(run(process));
        QCOMPARE(result.status, -1);
        QVERIFY(result.launchError);
        QVERIFY(!result.launchError->message.isEmpty());
        QCOMPARE(result.stdoutData, QByteArray());
        QCOMPARE(result.stderrText, QString());
        QCOMPARE(leftoverStderrFiles(), QStringList());
    }

    // Starts are paced by the event loop: asking for many children forks none
    // of them on the spot, and all of them still run, each once.
    void startsWaitForTheEventLoop()
    {
        const QString marks = TestHome::path() + QStringLiteral("/marks");
        QFile::remove(marks);
        std::vector<std::unique_ptr<QProcess>> processes;
        std::vector<QCoro::Task<ProcessRunResult>> runs;
        for (int i = 0; i < 8; ++i) {
            auto &process = processes.emplace_back(std::make_unique<QProcess>());
            process->setProgram(QStringLiteral("/bin/sh"));
            process->setArguments(
                {QStringLiteral("-c"), QStringLiteral("echo %1 >> '%2'").arg(i).arg(marks)});
            runs.push_back(run(*process));
            QCOMPARE(process->state(), QProcess::NotRunning);
        }
        for (auto &task : runs)
            QCOMPARE(await(std::move(task)).status, 0);
        QStringList lines = readText(marks).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lines.sort();
        QCOMPARE(lines, QStringList({"0", "1", "2", "3", "4", "5", "6", "7"}));
    }

    // A child stopped while it waits for its turn never starts: its run ends
    // as if it had been terminated — also when the stop comes from the item
    // it runs for, or from that item going away.
    void aStoppedWaitingChildNeverStarts_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::newRow("stopChild") << "stopChild";
        QTest::newRow("item cancelled") << "cancel";
        QTest::newRow("item destroyed") << "destroy";
    }

    void aStoppedWaitingChildNeverStarts()
    {
        QFETCH(QString, stop);
        const QString mark = TestHome::path() + QStringLiteral("/started");
        QFile::remove(mark);
        QProcess process;
        process.setProgram(QStringLiteral("/bin/sh"));
        process.setArguments({QStringLiteral("-c"), QStringLiteral("touch '%1'").arg(mark)});
        auto item = std::make_unique<DownloadItem>(QStringLiteral("https://example.org/v"),
                                                   DownloadFormat::Video);
        item->process = &process;
        auto task = run(process);
        if (stop == "stopChild")
            stopChild(process);
        else if (stop == "cancel")
            item->cancelRun();
        else
            item.reset();
        const ProcessRunResult result = await(std::move(task));
        QCOMPARE(result.status, SIGTERM);
        QVERIFY(!result.launchError);
        // A start would have shown by now; there is no event for "never started".
        QTest::qWait(200);
        QVERIFY(!QFile::exists(mark));
        QCOMPARE(leftoverStderrFiles(), QStringList());
    }

    // A stop reaches what the tool started itself, as yt-dlp starts ffmpeg:
    // nothing keeps running once the run has ended.
    void stopReachesWhatTheToolStarted_data()
    {
        QTest::addColumn<bool>("byTimeLimit");
        QTest::newRow("stopped") << false;
        QTest::newRow("time limit") << true;
    }

    void stopReachesWhatTheToolStarted()
    {
        QFETCH(bool, byTimeLimit);
        QProcess process;
        process.setProgram(QStringLiteral("/bin/sh"));
        process.setArguments({QStringLiteral("-c"), QStringLiteral("sleep 300 & echo $!; wait")});
        qint64 grandchild = 0;
        RunOptions options;
        if (byTimeLimit)
            options.timeLimit = std::chrono::seconds(1);
        options.onStdoutLine = [&](const QString &line) {
            grandchild = line.toLongLong();
            if (!byTimeLimit)
                stopChild(process);
        };
        auto task = run(process, std::move(options));
        const ProcessRunResult result = await(std::move(task));
        QCOMPARE(result.status, SIGTERM);
        QVERIFY(grandchild > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(grandchild), 5000);
    }

    // Stop signals from a terminal or the session arrive as an event.
    void stopSignalsArriveOnTheEventLoop_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void stopSignalsArriveOnTheEventLoop()
    {
        QFETCH(int, number);
        StopSignals stopSignals;
        QSignalSpy received(&stopSignals, &StopSignals::received);
        ::raise(number);
        QCOMPARE(received.size(), 0); // not from inside the handler
        QTRY_COMPARE(received.size(), 1);
    }

    // Tools run ten steps below the app's own priority.
    void childrenRunBelowTheApp()
    {
        const Outcome outcome = runShell(QStringLiteral("sleep 0.3; cut -d' ' -f19 /proc/$$/stat"));
        QCOMPARE(outcome.lines,
                 QStringList(QString::number(std::min(::getpriority(PRIO_PROCESS, 0) + 10, 19))));
    }

    void timeLimit()
    {
        Logger::shared().clear();
        const Outcome quick = runShell(QStringLiteral("exit 0"), std::chrono::milliseconds(500));
        QCOMPARE(quick.result.status, 0);
        // The limit passes after the child ended: no event to wait for, nothing may happen.
        QTest::qWait(700);

        const Outcome slow =
            runShell(QStringLiteral("exec sleep 30"), std::chrono::milliseconds(500));
        QCOMPARE(slow.result.status, SIGTERM);
        const QStringList warnings = logLines().filter(QStringLiteral("Timeout"));
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(QStringLiteral("[WARN ] ")) &&
                     warnings[0].endsWith(
                         QStringLiteral("⏱ Timeout 0s — arrêt du process pour example.org")),
                 qPrintable(warnings[0]));
    }

    // 50 MB of output: every byte kept, every line delivered, and the event
    // loop keeps running meanwhile.
    void largeOutputKeepsTheLoopResponsive()
    {
        const qint64 total = 50 * 1024 * 1024;
        const QString line = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz0123456789ABCDEF");
        int heartbeats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++heartbeats; });
        heartbeat.start(10);
        QProcess process;
        process.setProgram(QStringLiteral("/bin/sh"));
        process.setArguments(
            {QStringLiteral("-c"), QStringLiteral("yes %1 | head -c %2").arg(line).arg(total)});
        qint64 delivered = 0;
        qint64 matching = 0;
        RunOptions options;
        options.onStdoutLine = [&](const QString &l) {
            ++delivered;
            matching += (l == line);
        };
        const auto result = await(run(process, std::move(options)));
        heartbeat.stop();
        const qint64 full = total / (line.size() + 1);
        QCOMPARE(result.stdoutData.size(), total);
        QCOMPARE(delivered, full + 1); // the cut last line arrives through flush
        QCOMPARE(matching, full);
        QVERIFY2(heartbeats > 5, qPrintable(QString::number(heartbeats)));
    }
};

REELIX_TEST_MAIN(TestProcessRunner)
#include "tst_processrunner.moc"
