// The log window with a 20 MB log: cost of a refresh when the file is
// unchanged and when lines were appended, and the longest stall of the GUI
// thread (a 5 ms heartbeat) while the window shows and follows the log.
#include "BenchSupport.h"
#include "ViewBench.h"

#include "LogViewer.h"
#include "PrepareEngine.h"

#include "log/Logger.h"
#include "platform/UserDefaults.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

int main(int argc, char *argv[])
{
    benchHome();
    viewBenchPlatform();
    QGuiApplication app(argc, argv);
    UserDefaults::setValue(QStringLiteral("debugLogging"), true);

    // 20 MB of realistic lines, written straight to the log file.
    const QString path = Logger::shared().filePath();
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        const QByteArray line =
            "[2026-12-06 07:00:00.000] [DEBUG] [DownloadStart.cpp:120] ▶ yt-dlp "
            "[videos.example.org] args: --no-playlist --newline --progress -- "
            "https://videos.example.org/watch/x\n";
        while (file.size() < 20 * 1000 * 1000)
            file.write(line);
    }
    std::printf("log: %.1f MB\n", QFileInfo(path).size() / 1e6);

    LogViewer viewer;
    QElapsedTimer clock;
    clock.start();
    viewer.setActive(true);
    std::printf("first read: %.1f ms (shown: %.0f kB, earlier lines in the file: %s)\n",
                clock.nsecsElapsed() / 1e6, viewer.logText().size() / 1e3,
                viewer.truncated() ? "yes" : "no");
    std::vector<double> unchanged, appended;
    for (int i = 0; i < 20; ++i) {
        clock.restart();
        viewer.reloadLog();
        unchanged.push_back(clock.nsecsElapsed() / 1e3);
    }
    std::printf("refresh, file unchanged: %.1f us (median)\n", median(unchanged));

    QQmlEngine engine;
    prepareEngine(engine);
    QQuickView view(&engine, nullptr);
    view.setInitialProperties({{QStringLiteral("viewer"), QVariant::fromValue(&viewer)}});
    view.setSource(QUrl(QStringLiteral("qrc:/Reelix/qml/LogView.qml")));
    view.resize(720, 440);
    view.show();

    StallMeter stalls;
    runEventLoop(std::chrono::milliseconds(500));
    stalls.reset();
    // Lines keep arriving; the window refreshes every 1.5 s as in use.
    for (int round = 0; round < 6; ++round) {
        for (int i = 0; i < 200; ++i)
            Logger::shared().log(QStringLiteral("  new line %1-%2").arg(round).arg(i),
                                 LogLevel::Debug);
        Logger::shared().waitUntilWritten();
        runEventLoop(std::chrono::milliseconds(1600));
    }
    for (int i = 0; i < 5; ++i) {
        Logger::shared().log(QStringLiteral("  one more line %1").arg(i), LogLevel::Debug);
        Logger::shared().waitUntilWritten();
        runEventLoop(std::chrono::milliseconds(5));
        clock.restart();
        viewer.reloadLog();
        appended.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("refresh after new lines: %.1f ms (median, read + text update)\n",
                median(appended));
    std::printf("longest GUI-thread stall while refreshing and following: %lld ms\n",
                stalls.longest());
    return 0;
}
