// A feed of 1 000 videos through the main view, offscreen: how long until the
// list is shown, the longest stall of the GUI thread (a 5 ms heartbeat) while
// it is listed, scrolled from top to bottom and while a few of its entries
// download, and the process's peak memory. Prints figures, asserts nothing.
#include "BenchSupport.h"
#include "ViewBench.h"

#include "engine/DownloadManager.h"
#include "i18n/Localization.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

bool makeClip(const QString &path)
{
    return timedRun("ffmpeg", {"-hide_banner", "-loglevel",
                               "error",        "-y",
                               "-f",           "lavfi",
                               "-i",           "testsrc2=size=320x180:rate=25:duration=2",
                               "-f",           "lavfi",
                               "-i",           "sine=duration=2",
                               "-c:v",         "libx264",
                               "-preset",      "ultrafast",
                               "-c:a",         "aac",
                               "-shortest",    path}) >= 0;
}

// Scrolls the list from top to bottom a screen at a time, a frame apart;
// the time each screen took to be made, in ms.
std::vector<double> scrollThrough(QQuickItem *list)
{
    std::vector<double> steps;
    const qreal page = list->height();
    for (qreal y = 0;; y += page) {
        const qreal end = list->property("contentHeight").toReal() - page;
        QElapsedTimer step;
        step.start();
        list->setProperty("contentY", std::min(y, end));
        QCoreApplication::processEvents();
        steps.push_back(step.nsecsElapsed() / 1e6);
        runEventLoop(std::chrono::milliseconds(16));
        if (y >= end)
            break;
    }
    return steps;
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    viewBenchPlatform();
    QGuiApplication app(argc, argv);
    Localization::install(QLocale(QLocale::English));
    const int count = argc > 1 ? atoi(argv[1]) : 1000;
    const int downloads = argc > 2 ? atoi(argv[2]) : 6;
    const QString www = home.path() + "/www";
    QDir().mkpath(www);
    QDir(home.path() + "/Videos").removeRecursively();
    if (!makeClip(www + "/clip.mp4"))
        return 1;
    QProcess server;
    const QString feed =
        startMediaServer(server, www) +
        QString("/list/feed.xml?media=clip.mp4&title=Bench%20feed&n=%1").arg(count);

    DownloadManager engineList;
    MainView window({{"manager", QVariant::fromValue(&engineList)}});
    QObject *root = window.root;
    DownloadManager *manager = &engineList;
    auto *list = root->findChild<QQuickItem *>("downloadList");
    StallMeter stalls;
    runEventLoop(std::chrono::milliseconds(300));
    const double baseMemory = peakMegabytes();
    stalls.reset();

    QElapsedTimer clock;
    clock.start();
    manager->addDownload(feed, DownloadFormat::Video);
    DownloadItem *header = manager->downloads().last();
    runEventLoopUntil(
        [&] { return header->isGroupHeader() || header->status() == DownloadStatus::Error; });
    const double listedMs = clock.nsecsElapsed() / 1e6;
    runEventLoop(std::chrono::milliseconds(200));
    const qint64 listingStall = stalls.longest();
    const qint64 listingBusy = stalls.longestBusy();
    if (!header->isGroupHeader()) {
        std::printf("the feed was not listed: %s\n", qPrintable(header->errorMessage()));
        return 1;
    }
    std::printf("%d entries listed in %.0f ms (rows in the model: %d); longest GUI stall while "
                "listing: %lld ms (%lld ms of its own work)\n",
                header->group()->count(), listedMs, manager->rowCount(), listingStall, listingBusy);
    std::printf("peak memory: %.1f MB before the list, %.1f MB once listed\n", baseMemory,
                peakMegabytes());

    stalls.reset();
    const std::vector<double> steps = scrollThrough(list);
    std::printf("scrolled through %d rows a screen at a time (%zu screens): each screen made in "
                "%.1f ms (median), %.1f ms at most; longest GUI stall while scrolling: %lld ms "
                "(%lld ms of its own work)\n",
                manager->rowCount(), steps.size(), median(steps),
                *std::max_element(steps.cbegin(), steps.cend()), stalls.longest(),
                stalls.longestBusy());
    list->setProperty("contentY", 0);
    runEventLoop(std::chrono::milliseconds(100));

    stalls.reset();
    clock.restart();
    manager->downloadAll(header);
    const auto entries = header->group()->entries();
    runEventLoopUntil(
        [&] { return header->group()->done() + header->group()->failed() >= downloads; });
    manager->stopGroup(header);
    const double downloadMs = clock.nsecsElapsed() / 1e6;
    std::printf("%d entries downloaded (%d failed) in %.0f ms; longest GUI stall while "
                "downloading: %lld ms (%lld ms of its own work)\n",
                header->group()->done(), header->group()->failed(), downloadMs, stalls.longest(),
                stalls.longestBusy());
    std::printf("peak memory: %.1f MB\n", peakMegabytes());
    runEventLoopUntil([&] {
        return std::none_of(entries.cbegin(), entries.cend(),
                            [](auto *e) { return e->isRunning(); });
    });
    server.kill();
    server.waitForFinished();
    return 0;
}
