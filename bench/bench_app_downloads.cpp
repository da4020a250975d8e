// Fifty real downloads at once through the main view, offscreen: the process's
// CPU time as a share of one core, its peak memory and the longest stall of
// the GUI thread (a 5 ms heartbeat). The local server is throttled so that
// the downloads overlap for about 20 s.
#include "BenchSupport.h"
#include "ViewBench.h"

#include "engine/DownloadManager.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <sys/resource.h>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

static double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    viewBenchPlatform();
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? atoi(argv[1]) : 50;
    const QString www = home.path() + "/www";
    QDir().mkpath(www);
    if (timedRun("ffmpeg", {"-hide_banner", "-loglevel",
                            "error",        "-y",
                            "-f",           "lavfi",
                            "-i",           "testsrc2=size=640x360:rate=25:duration=10",
                            "-f",           "lavfi",
                            "-i",           "sine=duration=10",
                            "-c:v",         "libx264",
                            "-preset",      "ultrafast",
                            "-b:v",         "800k",
                            "-c:a",         "aac",
                            "-shortest",    www + "/clip.mp4"}) < 0)
        return 1;
    // One file name per download, as fifty different pages would give.
    for (int i = 0; i < count; ++i)
        QFile::link(www + "/clip.mp4", www + QString("/clip%1.mp4").arg(i));
    const qint64 size = QFileInfo(www + "/clip.mp4").size();
    const qint64 rate = size / 20; // about 20 s per download
    QProcess server;
    const QString base =
        startMediaServer(server, www, {"--rate", QString::number(rate)}) + "/slow/clip";

    DownloadManager downloads;
    MainView window({{"manager", QVariant::fromValue(&downloads)}});
    QObject *root = window.root;
    DownloadManager *manager = &downloads;

    StallMeter stalls;
    runEventLoop(std::chrono::milliseconds(300));
    stalls.reset();

    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << base + QString::number(i) + ".mp4";
    QElapsedTimer wall;
    wall.start();
    const double cpuStart = cpuSeconds();
    std::printf("adding %d addresses took %.0f ms on the GUI thread\n", count,
                submitAddresses(root, lines));
    const auto allIn = [&](std::initializer_list<DownloadStatus> states) {
        for (const DownloadItem *item : manager->downloads())
            if (std::find(states.begin(), states.end(), item->status()) == states.end())
                return false;
        return true;
    };
    runEventLoopUntil([&] { return allIn({DownloadStatus::Ready, DownloadStatus::Error}); });
    const double infoSeconds = wall.nsecsElapsed() / 1e9;
    const qint64 stallInfo = stalls.longest();
    const qint64 busyInfo = stalls.longestBusy();
    stalls.reset();
    const double cpuDownloadStart = cpuSeconds();
    QElapsedTimer downloadWall;
    downloadWall.start();
    std::vector<double> each;
    // One start per turn of the event loop, as clicks on the rows would come:
    // each start asks for the next. Calls queued all at once would run in a
    // single turn, and the heartbeat would count that as a stall.
    const QList<DownloadItem *> items = manager->downloads();
    std::function<void()> startNext = [&] {
        QElapsedTimer one;
        one.start();
        manager->start(items.at(qsizetype(each.size())));
        each.push_back(one.nsecsElapsed() / 1e6);
        if (each.size() < size_t(items.size()))
            QMetaObject::invokeMethod(manager, startNext, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(manager, startNext, Qt::QueuedConnection);
    runEventLoopUntil([&] { return int(each.size()) >= count; });
    std::printf("starting %d downloads, one per event: first %.1f ms, median %.1f ms, longest "
                "%.1f ms on the GUI thread\n",
                count, each.front(), median(each), *std::max_element(each.begin(), each.end()));
    runEventLoopUntil([&] {
        return allIn({DownloadStatus::Done, DownloadStatus::Error, DownloadStatus::Cancelled});
    });
    const double downloadSeconds = downloadWall.nsecsElapsed() / 1e9;
    int done = 0;
    for (const DownloadItem *item : manager->downloads()) {
        done += item->status() == DownloadStatus::Done;
        if (item->status() != DownloadStatus::Done)
            std::printf("  %s: %s\n", qPrintable(item->url()), qPrintable(item->errorMessage()));
    }
    std::printf("%d downloads: %d done; information runs %.1f s, downloads %.1f s\n", count, done,
                infoSeconds, downloadSeconds);
    std::printf("app CPU while downloading: %.1f %% of one core (whole run: %.1f %%)\n",
                100 * (cpuSeconds() - cpuDownloadStart) / downloadSeconds,
                100 * (cpuSeconds() - cpuStart) / (wall.nsecsElapsed() / 1e9));
    std::printf("app peak memory: %.1f MB\n", peakMegabytes());
    std::printf("longest GUI-thread stall: %lld ms while downloading, %lld ms during the "
                "information runs\n",
                stalls.longest(), stallInfo);
    std::printf("  of which the GUI thread's own work: %lld ms while downloading, %lld ms during "
                "the information runs\n",
                stalls.longestBusy(), busyInfo);
    server.kill();
    server.waitForFinished();
    return done == count ? 0 : 1;
}
