// A kept download list without a window, as the app runs it: the saved list
// is restored, downloads start by themselves when the setting says so, and
// the addresses given are added. Each item that settles prints
// "settled STATUS PATH". The tests kill it to see what a crash leaves.
#include "engine/DownloadItem.h"
#include "engine/DownloadManager.h"
#include "platform/StopSignals.h"
#include "store/QueueStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Before the list: the working folders it resumes are claimed first.
    QueueStore store;
    DownloadManager manager;
    store.restoreInto(manager);
    manager.useSettings({.autoStart = true});
    QObject::connect(&manager, &DownloadManager::itemSettled, [](DownloadItem *item) {
        std::printf("settled %s %s\n", qPrintable(statusName(item->status())),
                    qPrintable(item->filePath().value_or(QString())));
        std::fflush(stdout);
    });
    for (const QString &address : app.arguments().mid(1))
        manager.addDownload(address, DownloadFormat::Video);
    StopSignals stop;
    QObject::connect(&stop, &StopSignals::received, &app, &QCoreApplication::quit);
    const int code = app.exec();
    store.finish();
    return code;
}
