// Where Reelix is faster than the tools run by hand, against the tests' media
// server on 127.0.0.1:
//  1. a DASH page whose server limits each connection's rate: Reelix's
//     download over a bare `yt-dlp` with its defaults for the same format
//     (alternating pairs, median ratio);
//  2. one item on a page that answers after 1.5 s: time from adding it to
//     done, starting the download from the saved information run and (as
//     before) from the page again; page requests per item;
//  3. many addresses pasted at once: time until all are ready, and bare
//     `yt-dlp -j` over the same addresses 1, 2, 4 and 8 at a time.
// Arguments: pairs (5) and addresses (100; 0 leaves the third out).
#include "BenchSupport.h"

#include "engine/DownloadManager.h"

#include <QFile>

namespace {

QString g_log; // the server's request log

int requestsFor(const QString &path)
{
    QFile log(g_log);
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    // Lines are "START END PATH FROM".
    for (const QByteArray &line : log.readAll().split('\n'))
        count += line.split(' ').value(2) == path.toUtf8() ? 1 : 0;
    return count;
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
}

void waitWhile(const std::function<bool()> &condition)
{
    while (condition())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool settled(const DownloadItem *item)
{
    const auto s = item->status();
    return s != DownloadStatus::Waiting && s != DownloadStatus::Fetching &&
           s != DownloadStatus::Downloading && s != DownloadStatus::Converting;
}

// Adds the address and waits for its information run; seconds it took, or -1.
double addReady(DownloadManager &manager, const QString &url, DownloadItem *&item)
{
    QElapsedTimer clock;
    clock.start();
    manager.addDownload(url, DownloadFormat::Video);
    item = manager.downloads().last();
    waitWhile([&] { return !settled(item); });
    return item->status() == DownloadStatus::Ready ? clock.nsecsElapsed() / 1e9 : -1;
}

// Starts the item and waits for the end; seconds it took, or -1.
double download(DownloadManager &manager, DownloadItem *item)
{
    QElapsedTimer clock;
    clock.start();
    manager.start(item);
    waitWhile([&] { return !settled(item); });
    return item->status() == DownloadStatus::Done ? clock.nsecsElapsed() / 1e9 : -1;
}

void fragmentedPage(const QString &base, const QString &www, int pairs)
{
    writeText(www + "/routes.json", R"({"rate": 250000})");
    const QString url = base + "/dash/manifest.mpd";
    std::vector<double> ratios, wholeRatios;
    for (int i = 0; i < pairs; ++i) {
        DownloadManager manager;
        DownloadItem *item = nullptr;
        const double ready = addReady(manager, url, item);
        if (ready < 0)
            return void(std::printf("information run failed\n"));
        QDir(manager.downloadFolder()).removeRecursively();
        const double reelix = download(manager, item);
        const QString bareFolder = benchHome().path() + "/bare";
        QDir(bareFolder).removeRecursively();
        const double bare =
            timedRun("yt-dlp", {"--ignore-config", "-f", "bestvideo[ext=mp4]+bestaudio[ext=m4a]",
                                "-o", bareFolder + "/%(title)s.%(ext)s", "--", url});
        if (reelix < 0 || bare < 0)
            return void(std::printf("a run failed\n"));
        ratios.push_back(bare / reelix);
        wholeRatios.push_back(bare / (ready + reelix));
        std::printf("pair %d: Reelix download %.2f s (%.2f s with its information run), bare "
                    "yt-dlp %.2f s, %.2fx (%.2fx)\n",
                    i + 1, reelix, ready + reelix, bare, bare / reelix, bare / (ready + reelix));
        std::fflush(stdout);
    }
    std::printf("DASH at 250 kB/s per connection: median %.2fx faster than yt-dlp's defaults "
                "(%.2fx counting the information run)\n",
                median(ratios), median(wholeRatios));
    QFile::remove(www + "/routes.json");
}

void slowPage(const QString &base, const QString &www, int pairs)
{
    writeText(www + "/page.html",
              "<html><title>Page</title><video src=\"clip.mp4\"></video></html>");
    writeText(www + "/routes.json", R"({"delay": {"/page.html": 1.5}})");
    std::vector<double> saved, twice;
    std::vector<int> visits[2];
    for (int i = 0; i < 2 * pairs; ++i) {
        const bool fromPage = i % 2;
        DownloadManager manager;
        const int before = requestsFor("/page.html");
        DownloadItem *item = nullptr;
        const double ready = addReady(manager, base + "/page.html", item);
        if (fromPage)
            item->savedInfo().drop(); // the download run visits the page again, as before
        const double done = ready < 0 ? -1 : download(manager, item);
        if (done < 0)
            return void(std::printf("a run failed\n"));
        (fromPage ? twice : saved).push_back(ready + done);
        visits[fromPage].push_back(requestsFor("/page.html") - before);
    }
    std::printf("page answering after 1.5 s: to done %.2f s from the saved information (%d page "
                "request(s) per item), %.2f s visiting the page twice (%d)\n",
                median(saved), visits[0].front(), median(twice), visits[1].front());
    QFile::remove(www + "/routes.json");
}

// Bare `yt-dlp -j` over every address, `parallel` at a time; seconds.
double bareInfoRuns(const QStringList &urls, int parallel)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> running;
    int next = 0, failed = 0;
    while (next < urls.size() || !running.empty()) {
        while (next < urls.size() && int(running.size()) < parallel) {
            running.push_back(std::make_unique<QProcess>());
            running.back()->setStandardOutputFile(QProcess::nullDevice());
            running.back()->setStandardErrorFile(QProcess::nullDevice());
            running.back()->start("yt-dlp", {"--ignore-config", "-j", "--", urls.at(next++)});
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        for (auto it = running.begin(); it != running.end();) {
            if ((*it)->state() != QProcess::NotRunning) {
                ++it;
                continue;
            }
            failed += (*it)->exitCode() != 0 ? 1 : 0;
            it = running.erase(it);
        }
    }
    if (failed)
        std::printf("  (%d bare run(s) failed)\n", failed);
    return clock.nsecsElapsed() / 1e9;
}

// Every address added at once to a fresh list; seconds until all are ready.
double reelixInfoRuns(const QStringList &urls)
{
    DownloadManager manager;
    QElapsedTimer clock;
    clock.start();
    for (const QString &url : urls)
        manager.addDownload(url, DownloadFormat::Video);
    const auto &items = manager.downloads();
    waitWhile([&] { return !std::all_of(items.cbegin(), items.cend(), settled); });
    const double seconds = clock.nsecsElapsed() / 1e9;
    const auto ready = std::count_if(items.cbegin(), items.cend(), [](const DownloadItem *item) {
        return item->status() == DownloadStatus::Ready;
    });
    std::printf("%lld addresses at once: %lld ready in %.1f s\n", qint64(urls.size()),
                qint64(ready), seconds);
    std::fflush(stdout);
    return seconds;
}

// Reelix, then bare `yt-dlp -j` at 1, 2, 4 and 8 at a time; then Reelix and
// the best bare parallelism again, in turn, so that a machine that gets
// busier or quieter meanwhile weighs on both sides alike.
void manyAddresses(const QString &base, int count)
{
    QStringList urls;
    for (int i = 0; i < count; ++i)
        urls << base + QString("/clip.mp4?n=%1").arg(i);
    std::vector<double> reelix{reelixInfoRuns(urls)}, best;
    int bestParallel = 1;
    for (int parallel : {1, 2, 4, 8}) {
        const double bare = bareInfoRuns(urls, parallel);
        std::printf("bare yt-dlp -j, %d at a time: %.1f s\n", parallel, bare);
        std::fflush(stdout);
        if (best.empty() || bare < best.front()) {
            best = {bare};
            bestParallel = parallel;
        }
    }
    for (int round = 0; round < 2; ++round) {
        reelix.push_back(reelixInfoRuns(urls));
        best.push_back(bareInfoRuns(urls, bestParallel));
        std::printf("bare yt-dlp -j, %d at a time: %.1f s\n", bestParallel, best.back());
    }
    std::printf("Reelix over the best bare run (%d at a time), medians of 3: %.1f s / %.1f s = "
                "%.2fx the time\n",
                bestParallel, median(reelix), median(best), median(reelix) / median(best));
}

bool makeMedia(const QString &www)
{
    QDir().mkpath(www + "/dash");
    const QStringList sources{
        "-hide_banner", "-loglevel", "error",   "-y",
        "-f",           "lavfi",     "-i",      "testsrc2=size=640x360:rate=25:duration=8",
        "-f",           "lavfi",     "-i",      "sine=duration=8",
        "-c:v",         "libx264",   "-preset", "ultrafast",
        "-b:v",         "1000k",     "-g",      "12",
        "-c:a",         "aac"};
    return timedRun("ffmpeg", sources + QStringList{"-shortest", www + "/clip.mp4"}) >= 0 &&
           timedRun("ffmpeg",
                    sources + QStringList{"-map", "0:v", "-map", "1:a", "-seg_duration", "0.5",
                                          "-f", "dash", www + "/dash/manifest.mpd"}) >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? atoi(argv[1]) : 5;
    const int addresses = argc > 2 ? atoi(argv[2]) : 100;
    const QString www = home.path() + "/www";
    if (!makeMedia(www))
        return 1;
    g_log = home.path() + "/requests.log";
    QProcess server;
    const QString base = startMediaServer(server, www, {"--log", g_log});
    fragmentedPage(base, www, pairs);
    slowPage(base, www, pairs);
    if (addresses > 0)
        manyAddresses(base, addresses);
    server.kill();
    server.waitForFinished();
    return 0;
}
