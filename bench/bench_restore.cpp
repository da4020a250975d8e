// A saved list of 1 000 items: how long the start takes to read it and show
// it in the main view (offscreen), and the app's memory once it is shown.
// The list is written by a first run of this program, so that the figures
// are those of a fresh start.
#include "BenchSupport.h"
#include "ViewBench.h"

#include "engine/DownloadManager.h"
#include "store/QueueStore.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

// Items as a long-used list holds them: most finished, some ready, a few failed.
void writeList(int count, const QString &folder)
{
    QueueStore store;
    DownloadManager manager;
    store.restoreInto(manager);
    for (int i = 0; i < count; ++i) {
        auto *item = new DownloadItem(QString("https://videos.example/watch?v=%1").arg(i),
                                      i % 5 ? DownloadFormat::Video : DownloadFormat::Audio);
        item->setTitle(QString("A video with a fairly long title, number %1").arg(i));
        item->setThumbnailURL(QString("https://videos.example/thumb/%1.jpg").arg(i));
        item->setFormats({{"137", "1080p", 1080}, {"136", "720p", 720}, {"135", "480p", 480}});
        item->setStatus(i % 10 == 0   ? DownloadStatus::Ready
                        : i % 25 == 1 ? DownloadStatus::Error
                                      : DownloadStatus::Done);
        if (item->status() == DownloadStatus::Done) {
            item->setFile(
                {folder + QString("/video %1.mp4").arg(i), "12.3 MB", false, "H.264 · AAC"});
        }
        manager.insertItem(item);
    }
    store.finish();
}

} // namespace

int main(int argc, char *argv[])
{
    const int count = 1000;
    // The writing run works in the measuring run's private home.
    if (argc > 1 && QByteArray(argv[1]) == "write") {
        QCoreApplication app(argc, argv);
        writeList(count, RunSettings::defaultFolder());
        return 0;
    }
    benchHome();
    viewBenchPlatform();
    {
        QCoreApplication app(argc, argv);
        if (timedRun(QCoreApplication::applicationFilePath(), {"write"}) < 0)
            return 1;
    }
    QGuiApplication app(argc, argv);
    const double baseline = peakMegabytes();
    QElapsedTimer clock;
    clock.start();
    QueueStore store;
    const double readMs = clock.nsecsElapsed() / 1e6;
    DownloadManager manager;
    store.restoreInto(manager);
    const double restoreMs = clock.nsecsElapsed() / 1e6;

    MainView window(
        {{"manager", QVariant::fromValue(&manager)}, {"store", QVariant::fromValue(&store)}});
    bool shown = false;
    QObject::connect(&window.view, &QQuickWindow::frameSwapped, [&] { shown = true; });
    if (!QTest::qWaitFor([&] { return shown; }, 30000))
        return 1;
    const double shownMs = clock.nsecsElapsed() / 1e6;

    std::printf("%d saved items (%lld bytes on disk)\n", manager.rowCount(),
                QFileInfo(QueueStore::defaultPath()).size());
    std::printf("reading the file: %.1f ms; the list restored: %.1f ms; first frame of the view: "
                "%.1f ms\n",
                readMs, restoreMs, shownMs);
    std::printf("app peak memory: %.1f MB (%.1f MB before the list)\n", peakMegabytes(), baseline);
    store.finish();
    return manager.rowCount() == count ? 0 : 1;
}
