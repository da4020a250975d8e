#pragma once

#include "platform/PrivateHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

// Benchmarks run in a private HOME so the user's settings, log and tool
// folder are untouched.
inline const PrivateHome &benchHome()
{
    static const PrivateHome home(QStringLiteral("reelix-bench"));
    return home;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// Runs a command to completion; returns the seconds it took, or -1.
inline double timedRun(const QString &program, const QStringList &args,
                       const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return -1;
    return clock.nsecsElapsed() / 1e9;
}

// An H.264/AAC file of `seconds` at `size`: noise keeps the picture from
// compressing, so that 4 s at 720p make ~100 MB.
inline bool makeNoisyVideo(const QString &path, const QString &seconds, const QString &size)
{
    return timedRun(QStringLiteral("ffmpeg"),
                    {"-hide_banner", "-loglevel",
                     "error",        "-y",
                     "-f",           "lavfi",
                     "-i",           "testsrc2=size=" + size + ":rate=25:duration=" + seconds,
                     "-f",           "lavfi",
                     "-i",           "sine=duration=" + seconds,
                     "-vf",          "noise=alls=60:allf=t",
                     "-c:v",         "libx264",
                     "-preset",      "ultrafast",
                     "-qp",          "14",
                     "-c:a",         "aac",
                     "-shortest",    path}) >= 0;
}

// A ~100 MB H.264/AAC file.
inline bool makeLargeVideo(const QString &path)
{
    return makeNoisyVideo(path, QStringLiteral("4"), QStringLiteral("1280x720"));
}

// Serves `root` from 127.0.0.1 with the tests' media server; returns its
// address ("http://127.0.0.1:PORT").
inline QString startMediaServer(QProcess &server, const QString &root,
                                const QStringList &extra = {})
{
    server.start(
        QStringLiteral("python3"),
        QStringList{QStringLiteral(REELIX_SOURCE_DIR "/tests/fixtures/media_server.py"), root} +
            extra);
    server.waitForReadyRead(20000);
    return QStringLiteral("http://127.0.0.1:") + QString::fromUtf8(server.readLine()).trimmed();
}

// The longest gap between the ticks of a 5 ms heartbeat on the GUI thread:
// the longest time the event loop could not run. `longestBusy()` counts only
// the GUI thread's own processor time over the same gaps, so a machine busy
// with other work does not show as a stall of ours.
// This process's peak resident memory so far.
inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Runs the event loop as the app's own would, for `limit` or until `done`
// holds (checked every 10 ms). QTest::qWait sleeps between its passes, and
// the heartbeat below would count those sleeps as stalls.
inline void runEventLoop(std::chrono::milliseconds limit, const std::function<bool()> &done = {})
{
    if (done && done())
        return;
    QEventLoop loop;
    QTimer check;
    if (done) {
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        check.start(10);
    }
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds.
inline void runEventLoopUntil(const std::function<bool()> &done)
{
    runEventLoop(std::chrono::hours(24), done);
}

class StallMeter
{
public:
    StallMeter()
    {
        m_beat.start();
        m_busyMark = threadSeconds();
        QObject::connect(&m_heartbeat, &QTimer::timeout, [this] {
            const double now = threadSeconds();
            m_longest = std::max(m_longest, m_beat.restart());
            m_longestBusy = std::max(m_longestBusy, qint64((now - m_busyMark) * 1000));
            m_busyMark = now;
        });
        m_heartbeat.start(5);
    }
    qint64 longest() const { return m_longest; }
    qint64 longestBusy() const { return m_longestBusy; }
    void reset()
    {
        m_longest = m_longestBusy = 0;
        m_beat.restart();
        m_busyMark = threadSeconds();
    }

private:
    static double threadSeconds()
    {
#ifdef RUSAGE_THREAD
        rusage usage{};
        getrusage(RUSAGE_THREAD, &usage);
        return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#else
        return 0; // no per-thread figure here: only the wall-clock stall counts
#endif
    }

    QElapsedTimer m_beat;
    QTimer m_heartbeat;
    qint64 m_longest = 0;
    qint64 m_longestBusy = 0;
    double m_busyMark = 0;
};
