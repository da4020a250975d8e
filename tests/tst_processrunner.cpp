#include "fixtures/TestMain.h"

#include "engine/DownloadItem.h"
#include "engine/ProcessRunner.h"
#include "platform/ProcessWait.h"
#include "platform/StopSignals.h"
#include "platform/UserDefaults.h"

#include <QSignalSpy>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

class TestProcessRunner : public QObject
{
    Q_OBJECT

    using Split = std::tuple<const char *, const char *, QStringList, QByteArray>;
    static inline const Split splitCases[] = {
        {"last line unterminated", "printf 'a\\nb\\nc'", {"a", "b", "c"}, "a\nb\nc"},
        {"trailing blanks dropped", "printf 'x\\n   '", {"x"}, "x\n   "},
        {"carriage return kept", "printf 'a\\r\\n'", {"a\r"}, "a\r\n"},
        {"empty line kept", "printf 'a\\n\\nb\\n'", {"a", "", "b"}, "a\n\nb\n"},
        {"invalid UTF-8 line skipped", "printf '\\377\\376\\nok\\n'", {"ok"}, "\xff\xfe\nok\n"},
        {"character split across writes",
         "printf '\\303'; sleep 0.2; printf '\\251t\\n'",
         {"ét"},
         "\xc3\xa9t\n"},
    };

    struct Outcome
    {
        ProcessRunResult result;
        QStringList lines;
        QStringList linesWhileRunning;
    };

    static void shell(QProcess &process, const QString &script)
    {
        process.setProgram("/bin/sh");
        process.setArguments({"-c", script});
    }

    static Outcome runShell(const QString &script,
                            std::optional<std::chrono::milliseconds> limit = std::nullopt)
    {
        QProcess process;
        shell(process, script);
        Outcome outcome;
        const LineCallback onLine = [&](const QString &line) {
            outcome.lines << line;
            if (process.state() == QProcess::Running)
                outcome.linesWhileRunning << line;
        };
        RunOptions options{limit, "example.org", onLine, {}};
        outcome.result = await(run(process, std::move(options)));
        return outcome;
    }

private slots:
    void initTestCase() { UserDefaults::setValue("debugLogging", true); }

    void lineSplitting_data() { addCases(splitCases); }

    void lineSplitting()
    {
        const auto &[name, script, lines, stdoutData] = caseOf(splitCases);
        const Outcome outcome = runShell(QString::fromUtf8(script));
        QCOMPARE(outcome.result.status, 0);
        QCOMPARE(outcome.lines, lines);
        QCOMPARE(outcome.result.stdoutData, stdoutData);
        QVERIFY(!outcome.result.launchError);
        // Without a line callback every byte is kept too.
        QProcess plain;
        shell(plain, QString::fromUtf8(script));
        QCOMPARE(await(run(plain)).stdoutData, stdoutData);
    }

    // The child goes on only once its first line has come through (or after
    // a minute, which then shows as that line arriving late).
    void linesArriveWhileTheChildRuns()
    {
        const QString seen = TestHome::path() + "/seen";
        QFile::remove(seen);
        QProcess process;
        shell(process, "printf 'a\\n'; i=0; while [ ! -e \"$0\" ] && [ $i -lt 600 ]; do "
                       "sleep 0.1; i=$((i+1)); done; printf 'b'");
        process.setArguments(process.arguments() << seen);
        QStringList lines, linesWhileRunning;
        RunOptions options;
        options.onStdoutLine = [&](const QString &line) {
            lines << line;
            if (process.state() == QProcess::Running)
                linesWhileRunning << line;
            writeText(seen, line);
        };
        QCOMPARE(await(run(process, std::move(options))).status, 0);
        QCOMPARE(lines, (QStringList{"a", "b"}));
        QCOMPARE(linesWhileRunning, QStringList{"a"});
    }

    // Standard error alone, and the temporary file it went through is gone;
    // what is not UTF-8 comes back empty; a tool that cannot start says why.
    void stderrAndLaunchErrors()
    {
        const Outcome outcome = runShell("printf 'ERROR: bad\\nmore' >&2; exit 3");
        QCOMPARE(outcome.result.status, 3);
        QCOMPARE(outcome.result.stdoutData, QByteArray());
        QCOMPARE(outcome.result.stderrText, QString("ERROR: bad\nmore"));
        QCOMPARE(runShell("printf '\\377' >&2").result.stderrText, QString());
        QProcess missing;
        missing.setProgram(TestHome::path() + "/no-such-tool");
        const ProcessRunResult result = await(run(missing));
        QCOMPARE(result.status, -1);
        QVERIFY(result.launchError && !result.launchError->message.isEmpty());
        QVERIFY(result.stdoutData.isEmpty() && result.stderrText.isEmpty());
        QCOMPARE(QDir::temp().entryList({"reelix_stderr_*"}, QDir::Files), QStringList());
        // Only this user can read what goes through that file.
        QCOMPARE(runShell("stat -L -c %a /proc/self/fd/2").result.stdoutData, QByteArray("600\n"));
    }

    // A start that finds too few file handles free says so, whichever step
    // of the start ran short; another failure to start does not.
    void startShortOfFileHandles_data()
    {
        QTest::addColumn<int>("spare");
        QTest::newRow("none free") << 0;
        QTest::newRow("a few free") << 3;
        QTest::newRow("missing tool") << -1;
    }

    void startShortOfFileHandles()
    {
        QFETCH(int, spare);
        QProcess process;
        process.setProgram(spare < 0 ? TestHome::path() + "/no-such-tool" : "/bin/true");
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
        rlimit low = saved;
        low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 512);
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &low), 0);
        QList<int> held;
        for (int fd; spare >= 0 && (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
            held << fd;
        for (int i = 0; i < spare && !held.isEmpty(); ++i)
            ::close(held.takeLast());
        const ProcessRunResult result = await(run(process));
        for (const int fd : std::as_const(held))
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QVERIFY(result.launchError);
        QCOMPARE(result.outOfFileHandles, spare >= 0);
    }

    // Starts are paced by the event loop: asking for many children forks none
    // of them on the spot, and all of them still run, each once.
    void startsWaitForTheEventLoop()
    {
        const QString marks = TestHome::path() + "/marks";
        QFile::remove(marks);
        std::array<QProcess, 8> processes;
        std::vector<QCoro::Task<ProcessRunResult>> runs;
        for (int i = 0; i < 8; ++i) {
            shell(processes[i], QString("echo %1 >> '%2'").arg(i).arg(marks));
            runs.push_back(run(processes[i]));
            QCOMPARE(processes[i].state(), QProcess::NotRunning);
        }
        for (auto &task : runs)
            QCOMPARE(await(std::move(task)).status, 0);
        QStringList lines = readText(marks).split('\n', Qt::SkipEmptyParts);
        lines.sort();
        QCOMPARE(lines, QStringList({"0", "1", "2", "3", "4", "5", "6", "7"}));
    }

    // A child stopped while it waits for its turn never starts: its run ends
    // as if it had been terminated — also when the stop comes from the item
    // it runs for, or from that item going away.
    void aStoppedWaitingChildNeverStarts_data()
    {
        addTags({"stopChild", "item cancelled", "item destroyed"});
    }

    void aStoppedWaitingChildNeverStarts()
    {
        const QString stop = tag();
        const QString mark = TestHome::path() + "/started";
        QFile::remove(mark);
        QProcess process;
        shell(process, "touch '" + mark + "'");
        QSignalSpy starts(&process, &QProcess::stateChanged);
        auto item = std::make_unique<DownloadItem>("https://example.org/v", DownloadFormat::Video);
        ItemRun::begin(*item)->hold(process);
        auto task = run(process);
        if (stop == "stopChild")
            stopChild(process);
        else if (stop == "item cancelled")
            item->cancelRun();
        else
            item.reset();
        const ProcessRunResult result = await(std::move(task));
        QCOMPARE(result.status, SIGTERM);
        QVERIFY(!result.launchError);
        // Turns are taken in order: once a later child has run, the stopped
        // one has had its turn, and a start shows as a state change.
        QProcess later;
        shell(later, "exit 0");
        QCOMPARE(await(run(later)).status, 0);
        QCOMPARE(starts.size(), 0);
        QVERIFY(!QFile::exists(mark));
        QCOMPARE(QDir::temp().entryList({"reelix_stderr_*"}, QDir::Files), QStringList());
    }

    // A stop reaches what the tool started itself, as yt-dlp starts ffmpeg:
    // nothing keeps running once the run has ended.
    void stopReachesWhatTheToolStarted_data() { addTags({"stopped", "time limit"}); }

    void stopReachesWhatTheToolStarted()
    {
        const bool byTimeLimit = tag() == "time limit";
        QProcess process;
        shell(process, "sleep 300 & echo $!; wait");
        qint64 grandchild = 0;
        RunOptions options;
        if (byTimeLimit)
            options.timeLimit = std::chrono::seconds(1);
        options.onStdoutLine = [&](const QString &line) {
            grandchild = line.toLongLong();
            if (!byTimeLimit)
                stopChild(process);
        };
        const ProcessRunResult result = await(run(process, std::move(options)));
        QCOMPARE(result.status, SIGTERM);
        QCOMPARE(result.timedOut, byTimeLimit);
        QVERIFY(grandchild > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(grandchild), 5000);
    }

    // Stop signals from a terminal or the session arrive as an event.
    void stopSignalsArriveOnTheEventLoop_data() { addTags({"SIGINT", "SIGTERM", "SIGHUP"}); }

    void stopSignalsArriveOnTheEventLoop()
    {
        const int number = tag() == "SIGINT" ? SIGINT : tag() == "SIGTERM" ? SIGTERM : SIGHUP;
        StopSignals stopSignals;
        QSignalSpy received(&stopSignals, &StopSignals::received);
        ::raise(number);
        QCOMPARE(received.size(), 0); // not from inside the handler
        QTRY_COMPARE(received.size(), 1);
    }

    // Tools run ten steps below the app's own priority. The priority is set
    // once the child has started, so the child waits for it to change (for
    // five seconds at most) before it tells its own.
    void childrenRunBelowTheApp()
    {
        const int own = ::getpriority(PRIO_PROCESS, 0);
        const Outcome outcome = runShell(
            QString("nice() { cut -d' ' -f19 /proc/$$/stat; }; i=0; "
                    "while [ \"$(nice)\" = %1 ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i+1)); done; "
                    "nice")
                .arg(own));
        QCOMPARE(outcome.lines, QStringList(QString::number(std::min(own + 10, 19))));
    }

    // A run that ends within its limit: the limit passing later stops nothing,
    // not even a later run of the same child.
    void timeLimitAfterTheEnd()
    {
        QProcess process;
        shell(process, "exit 0");
        RunOptions limited;
        limited.timeLimit = std::chrono::milliseconds(300);
        const ProcessRunResult quick = await(run(process, std::move(limited)));
        QCOMPARE(quick.status, 0);
        QVERIFY(!quick.timedOut);
        shell(process, "sleep 0.6");
        const ProcessRunResult later = await(run(process));
        QCOMPARE(later.status, 0);
        QVERIFY(!later.timedOut);
    }

    // 50 MB of output: every byte kept, every line delivered, and the event
    // loop keeps running meanwhile.
    void largeOutputKeepsTheLoopResponsive()
    {
        const qint64 total = 50 * 1024 * 1024;
        const QString line = "0123456789abcdefghijklmnopqrstuvwxyz0123456789ABCDEF";
        int heartbeats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++heartbeats; });
        heartbeat.start(10);
        QProcess process;
        shell(process, QString("yes %1 | head -c %2").arg(line).arg(total));
        qint64 delivered = 0, matching = 0;
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
