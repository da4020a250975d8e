// Large pastes through the main view, offscreen: the time on the GUI thread
// to add many addresses at once, and to look for an address to offer in a
// clipboard of several megabytes, with the process's peak memory.
#include "BenchSupport.h"
#include "ViewBench.h"

#include "engine/DownloadManager.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

int main(int argc, char *argv[])
{
    benchHome();
    viewBenchPlatform();
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? atoi(argv[1]) : 20000;
    DownloadManager downloads;
    MainView window({{"manager", QVariant::fromValue(&downloads)}});
    QObject *root = window.root;
    runEventLoop(std::chrono::milliseconds(300));

    for (const int megabytes : {3, 10, 50}) {
        // Words and blanks, the address far past the start.
        QGuiApplication::clipboard()->setText(QString(" w").repeated(megabytes * 500000) +
                                              " http://127.0.0.1:9/late");
        QElapsedTimer step;
        step.start();
        QMetaObject::invokeMethod(root, "offerClipboard");
        std::printf("looking through %d MB of clipboard took %.0f ms; peak memory %.0f MB\n",
                    megabytes, step.nsecsElapsed() / 1e6, peakMegabytes());
    }
    QGuiApplication::clipboard()->clear();

    // Closed local ports: the information runs fail at once, off the GUI thread.
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QString("http://127.0.0.1:9/v%1").arg(i);
    std::printf("adding %d addresses took %.0f ms on the GUI thread\n", count,
                submitAddresses(root, lines));
    // Every one listed already.
    std::printf("giving the same %d again took %.0f ms\n", count, submitAddresses(root, lines));
    return downloads.rowCount() == count ? 0 : 1;
}
