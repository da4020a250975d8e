// Total conversion time of a 60 s 720p VP9/Opus file through the engine over
// bare ffmpeg with the same conversion arguments. "before" adds the full
// decoding pass that the duration step used to make.
#include "BenchSupport.h"

#include "engine/Conversion.h"
#include "engine/DownloadManager.h"

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const QString source = home.path() + "/clip.webm";
    std::printf("making a 60 s 720p VP9/Opus file...\n");
    std::fflush(stdout);
    if (timedRun(
            "ffmpeg",
            {"-hide_banner", "-loglevel",  "error",     "-y",
             "-f",           "lavfi",      "-i",        "testsrc=size=1280x720:rate=25:duration=60",
             "-f",           "lavfi",      "-i",        "sine=duration=60",
             "-c:v",         "libvpx-vp9", "-deadline", "realtime",
             "-cpu-used",    "8",          "-b:v",      "2M",
             "-c:a",         "libopus",    "-shortest", source}) < 0)
        return 1;

    const int pairs = argc > 1 ? atoi(argv[1]) : 2;
    DownloadManager manager;
    std::vector<double> engine, bare, decode;
    for (int i = 0; i < pairs; ++i) {
        const QString copy = home.path() + "/Clip.webm";
        QFile::remove(copy);
        QFile::copy(source, copy);
        DownloadItem item("https://example.org/clip", DownloadFormat::Video);
        item.setFile({.path = copy});
        item.setStatus(DownloadStatus::Done);
        QElapsedTimer clock;
        clock.start();
        manager.convert(&item);
        while (item.status() == DownloadStatus::Converting)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double e = clock.nsecsElapsed() / 1e9;
        const QString out = home.path() + "/bare_qt.mp4";
        const double b = timedRun("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error"} +
                                                Conversion::conversionArguments(source, out));
        // What the old duration step cost: a full decoding pass.
        const double d = timedRun(
            "ffmpeg", {"-hide_banner", "-loglevel", "error", "-i", source, "-f", "null", "-"});
        if (item.file().needsConversion || b < 0 || d < 0) {
            std::printf("run failed: %s\n", qPrintable(item.errorMessage()));
            return 1;
        }
        engine.push_back(e);
        bare.push_back(b);
        decode.push_back(d);
        std::printf("pair %d: engine %.2f s, bare ffmpeg %.2f s (ratio %.3f); old duration pass "
                    "%.2f s (ratio before %.3f)\n",
                    i + 1, e, b, e / b, d, (e + d) / b);
        std::fflush(stdout);
    }
    std::printf("median ratio after: %.3f, before: %.3f\n", median(engine) / median(bare),
                (median(engine) + median(decode)) / median(bare));
    return 0;
}
