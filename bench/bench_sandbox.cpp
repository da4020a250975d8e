// The cost of the tool sandbox: a download of a ~100 MB file served from
// 127.0.0.1 and a conversion of a 20 s 720p VP9/Opus file, each through the
// engine with the sandbox on and off in alternating pairs (medians printed).
#include "BenchSupport.h"

#include "engine/DownloadManager.h"
#include "platform/Sandbox.h"

namespace {

void setSandbox(bool on)
{
    qputenv("REELIX_SANDBOX", on ? "on" : "off");
}

double timedDownload(DownloadManager &manager, DownloadItem *item)
{
    QDir(manager.downloadFolder()).removeRecursively();
    QElapsedTimer clock;
    clock.start();
    manager.start(item);
    while (item->status() == DownloadStatus::Downloading)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return item->status() == DownloadStatus::Done ? clock.nsecsElapsed() / 1e9 : -1;
}

double timedConversion(DownloadManager &manager, const QString &source, const QString &folder)
{
    QDir().mkpath(folder);
    const QString copy = folder + "/Clip.webm";
    QFile::remove(copy);
    QFile::remove(folder + "/Clip.mp4");
    QFile::copy(source, copy);
    DownloadItem item("https://example.org/clip", DownloadFormat::Video);
    item.setFile({.path = copy});
    item.setStatus(DownloadStatus::Done);
    QElapsedTimer clock;
    clock.start();
    manager.convert(&item);
    while (item.status() == DownloadStatus::Converting)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return item.file().needsConversion ? -1 : clock.nsecsElapsed() / 1e9;
}

// Alternating pairs of `job` with the sandbox on and off; false when a run failed.
bool comparePairs(const char *name, int pairs, const std::function<double()> &job)
{
    std::vector<double> on, off;
    for (int i = 0; i < pairs; ++i) {
        setSandbox(true);
        const double a = job();
        setSandbox(false);
        const double b = job();
        if (a < 0 || b < 0) {
            std::printf("%s: run failed\n", name);
            return false;
        }
        on.push_back(a);
        off.push_back(b);
        std::printf("%s pair %d: sandbox on %.3f s, off %.3f s, ratio %.3f\n", name, i + 1, a, b,
                    a / b);
        std::fflush(stdout);
    }
    std::printf("%s median: on %.3f s, off %.3f s, ratio %.3f\n", name, median(on), median(off),
                median(on) / median(off));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    std::printf("%s\n", qPrintable(Sandbox::summary()));
    const QString www = home.path() + "/www";
    QDir().mkpath(www);
    const QString clip = home.path() + "/clip.webm";
    if (!makeLargeVideo(www + "/big.mp4") ||
        timedRun(
            "ffmpeg",
            {"-hide_banner", "-loglevel",  "error",     "-y",
             "-f",           "lavfi",      "-i",        "testsrc=size=1280x720:rate=25:duration=20",
             "-f",           "lavfi",      "-i",        "sine=duration=20",
             "-c:v",         "libvpx-vp9", "-deadline", "realtime",
             "-cpu-used",    "8",          "-b:v",      "2M",
             "-c:a",         "libopus",    "-shortest", clip}) < 0)
        return 1;
    QProcess server;
    const QString url = startMediaServer(server, www) + "/big.mp4";
    DownloadManager manager;
    manager.addDownload(url, DownloadFormat::Video);
    DownloadItem *item = manager.downloads().first();
    while (item->status() == DownloadStatus::Fetching)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const int pairs = argc > 1 ? atoi(argv[1]) : 5;
    const bool ok = item->status() == DownloadStatus::Ready &&
                    comparePairs("download", pairs, [&] { return timedDownload(manager, item); }) &&
                    comparePairs("conversion", pairs, [&] {
                        return timedConversion(manager, clip, home.path() + "/convert");
                    });
    server.kill();
    server.waitForFinished();
    return ok ? 0 : 1;
}
