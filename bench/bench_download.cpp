// Engine download time over a bare yt-dlp run with the same arguments, for a
// ~100 MB file served from 127.0.0.1 (median of alternating pairs), and the
// engine's cost per progress line. Noise keeps the picture from compressing.
#include "BenchSupport.h"

#include "certs/CertificateStore.h"
#include "engine/DownloadManager.h"
#include "engine/DownloadRun.h"
#include "engine/RunLimits.h"
#include "engine/ToolEnvironment.h"
#include "log/Logger.h"
#include "platform/UserDefaults.h"

#include <QDateTime>

#include <QCoro/QCoroTask>

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const QString www = home.path() + "/www";
    QDir().mkpath(www);
    std::printf("making a ~100 MB file...\n");
    std::fflush(stdout);
    if (!makeLargeVideo(www + "/big.mp4"))
        return 1;
    std::printf("file: %.1f MB\n", QFileInfo(www + "/big.mp4").size() / 1e6);

    QProcess server;
    const QString url = startMediaServer(server, www) + "/big.mp4";

    DownloadManager manager;
    manager.addDownload(url, DownloadFormat::Video);
    DownloadItem *item = manager.downloads().first();
    while (item->status() == DownloadStatus::Fetching)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (item->status() != DownloadStatus::Ready) {
        std::printf("information run failed: %s\n", qPrintable(item->errorMessage()));
        return 1;
    }

    const auto bundle = QCoro::waitFor(CertificateStore::bundlePath(false));
    const QString bareFolder = home.path() + "/bare";
    const QStringList bareArgs = DownloadRun::downloadArguments(
        *item, YtDlpRun::Attempt{false, bundle, {}}, bareFolder + "/" + DownloadRun::outputTemplate,
        DownloadRun::Source{RunLimits::concurrentFragments(), {}, {}});
    QProcess envSource;
    ToolEnvironment::configureEnvironment(envSource, bundle);

    std::vector<double> engine, bare, ratios, probes;
    const int pairs = argc > 1 ? atoi(argv[1]) : 5;
    for (int i = 0; i < pairs; ++i) {
        QDir(manager.downloadFolder()).removeRecursively();
        QElapsedTimer clock;
        clock.start();
        manager.start(item);
        while (item->status() == DownloadStatus::Downloading)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double e = clock.nsecsElapsed() / 1e9;
        QDir(bareFolder).removeRecursively();
        const double b = timedRun("/usr/bin/yt-dlp", bareArgs, envSource.processEnvironment());
        const double p = timedRun("/usr/bin/ffprobe", {"-v", "quiet", "-print_format", "json",
                                                       "-show_streams", bareFolder + "/big.mp4"});
        probes.push_back(p);
        if (item->status() != DownloadStatus::Done || b < 0) {
            std::printf("run failed\n");
            return 1;
        }
        engine.push_back(e);
        bare.push_back(b);
        ratios.push_back(e / b);
        std::printf("pair %d: engine %.3f s, bare yt-dlp %.3f s, ratio %.3f\n", i + 1, e, b, e / b);
        std::fflush(stdout);
    }
    std::printf("median: engine %.3f s, bare %.3f s, ratio of medians %.3f, median ratio %.3f\n",
                median(engine), median(bare), median(engine) / median(bare), median(ratios));
    std::printf("the same work by hand (yt-dlp, then the ffprobe probe the engine makes): %.3f s, "
                "ratio %.3f\n",
                median(bare) + median(probes), median(engine) / (median(bare) + median(probes)));

    // Where the engine's time goes, from the debug log of one more run.
    UserDefaults::setValue(QStringLiteral("debugLogging"), true);
    Logger::shared().clear();
    QDir(manager.downloadFolder()).removeRecursively();
    QElapsedTimer total;
    total.start();
    manager.start(item);
    while (item->status() == DownloadStatus::Downloading)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double totalMs = total.nsecsElapsed() / 1e6;
    Logger::shared().waitUntilWritten();
    QFile log(Logger::shared().filePath());
    log.open(QIODevice::ReadOnly);
    QDateTime command, exited, probed;
    for (const QString &line : QString::fromUtf8(log.readAll()).split('\n')) {
        const QDateTime when = QDateTime::fromString(line.mid(1, 23), "yyyy-MM-dd HH:mm:ss.zzz");
        if (line.contains("▶ yt-dlp"))
            command = when;
        else if (line.contains("] success") || line.contains("] exit code"))
            exited = when;
        else if (line.contains("probe result:"))
            probed = when;
    }
    std::printf("one run: %.0f ms in all; yt-dlp ran %lld ms, the probe took %lld ms\n", totalMs,
                command.msecsTo(exited), exited.msecsTo(probed));

    DownloadItem probe("https://example.org", DownloadFormat::Video);
    const int lines = 200000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < lines; ++i)
        DownloadRun::handleProgressLine(
            QString("[download]  %1.%2% of  95.37MiB at   98.21MiB/s ETA 00:00")
                .arg(i % 100)
                .arg(i % 10),
            probe);
    std::printf("engine cost per progress line: %.2f us\n", clock.nsecsElapsed() / 1e3 / lines);
    server.kill();
    server.waitForFinished();
    return 0;
}
