// What a download costs over the floor, one bare `yt-dlp URL` with the same
// format choice, against the tests' media server on 127.0.0.1:
//  1. the cost of one yt-dlp start (`yt-dlp --version`);
//  2. `reelix-cli download` of an ~80 MB file served at 20 MB/s and
//     unthrottled, alternating pairs, median;
//  3. a feed of many entries: `reelix-cli download FEED` against bare
//     `yt-dlp FEED`, total time and yt-dlp starts counted.
// Each runs with Debian's yt-dlp and, when REELIX_BENCH_STANDALONE names one,
// with the standalone release binary; REELIX_BENCH_CLI names another
// reelix-cli to measure (an earlier build). Arguments: pairs (5), entries (100).
#include "BenchSupport.h"

#include "engine/DownloadRun.h"
#include "platform/ToolPaths.h"

#include <QFile>

namespace {

QString g_starts; // the wrapper's log, one line per start

int startsSoFar()
{
    QFile log(g_starts);
    return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
}

// Puts a wrapper in the tool folder that logs each start of `ytdlp`; the
// bare runs go through it too, so both pay for it alike.
QString installWrapper(const QString &ytdlp)
{
    const QString path = ToolPaths::binDirectory() + "/yt-dlp";
    QDir().mkpath(ToolPaths::binDirectory());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(
        ("#!/bin/sh\necho start >> '" + g_starts + "'\nexec '" + ytdlp + "' \"$@\"\n").toUtf8());
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

// The bare run: yt-dlp with the choice reelix-cli makes when given none.
QStringList bareArguments(const QString &folder, const QString &url)
{
    return QStringList{"-o", folder + "/%(title).50s.%(ext)s"} +
           DownloadRun::formatArguments(DownloadFormat::Video, {}, false, false) +
           QStringList{"--", url};
}

// `extra`: reelix-cli's own options; "--no-embed-metadata" leaves out the
// step that writes the title and cover into the file, which bare yt-dlp
// does not take, so that the two do the same work.
void pairs(const QString &cli, const QString &wrapper, const QString &url, int count,
           const QString &label, const QStringList &extra = {})
{
    const QString home = benchHome().path();
    std::vector<double> reelix, bare;
    for (int i = 0; i < count; ++i) {
        QDir(home + "/cli").removeRecursively();
        reelix.push_back(timedRun(cli, QStringList{"download", "--folder", home + "/cli"} + extra +
                                           QStringList{url}));
        QDir(home + "/bare").removeRecursively();
        bare.push_back(timedRun(wrapper, bareArguments(home + "/bare", url)));
    }
    std::printf("  %s: reelix-cli %.3f s, bare yt-dlp %.3f s, ratio %.3f\n", qPrintable(label),
                median(reelix), median(bare), median(reelix) / median(bare));
    std::fflush(stdout);
}

void feed(const QString &cli, const QString &wrapper, const QString &url)
{
    const QString home = benchHome().path();
    QDir(home + "/cli").removeRecursively();
    int before = startsSoFar();
    const double reelix = timedRun(cli, {"download", "--folder", home + "/cli", url});
    const int reelixStarts = startsSoFar() - before;
    QDir(home + "/bare").removeRecursively();
    before = startsSoFar();
    const double bare = timedRun(wrapper, bareArguments(home + "/bare", url));
    std::printf("  feed: reelix-cli %.2f s (%d yt-dlp starts), bare yt-dlp %.2f s (%d start)\n",
                reelix, reelixStarts, bare, startsSoFar() - before);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    // The wrapper that counts starts writes its log in this home, which the
    // tools' sandbox keeps them from.
    qputenv("REELIX_SANDBOX", "off");
    const int count = argc > 1 ? atoi(argv[1]) : 5;
    const int entries = argc > 2 ? atoi(argv[2]) : 100;
    const QString cli = qEnvironmentVariable("REELIX_BENCH_CLI", REELIX_CLI_PATH);
    g_starts = home.path() + "/starts.log";
    const QString fast = home.path() + "/www", slow = home.path() + "/www-20";
    QDir().mkpath(fast);
    QDir().mkpath(slow);
    if (!makeNoisyVideo(fast + "/big.mp4", "2.8", "1280x720") ||
        !makeNoisyVideo(fast + "/h264.mp4", "1", "320x240") ||
        !QFile::link(fast + "/big.mp4", slow + "/big.mp4"))
        return 1;
    QFile routes(slow + "/routes.json");
    routes.open(QIODevice::WriteOnly);
    routes.write(R"({"rate": 20000000})");
    routes.close();
    std::printf("file: %.1f MB; reelix-cli: %s\n", QFileInfo(fast + "/big.mp4").size() / 1e6,
                qPrintable(cli));
    QProcess fastServer, slowServer;
    const QString fastUrl = startMediaServer(fastServer, fast);
    const QString slowUrl = startMediaServer(slowServer, slow);

    QStringList tools{"/usr/bin/yt-dlp"};
    if (const QString standalone = qEnvironmentVariable("REELIX_BENCH_STANDALONE");
        QFileInfo(standalone).isExecutable())
        tools << standalone;
    else
        std::printf("no standalone yt-dlp (REELIX_BENCH_STANDALONE): Debian's only\n");
    for (const QString &tool : tools) {
        const QString wrapper = installWrapper(tool);
        std::vector<double> starts;
        for (int i = 0; i < count; ++i)
            starts.push_back(timedRun(tool, {"--version"}));
        std::printf("%s: one start %.3f s\n", qPrintable(tool), median(starts));
        const QStringList same{"--no-embed-metadata"};
        pairs(cli, wrapper, slowUrl + "/big.mp4", count, "20 MB/s, same work", same);
        pairs(cli, wrapper, fastUrl + "/big.mp4", count, "unthrottled, same work", same);
        pairs(cli, wrapper, slowUrl + "/big.mp4", count, "20 MB/s, metadata written");
        pairs(cli, wrapper, fastUrl + "/big.mp4", count, "unthrottled, metadata written");
        if (entries > 0)
            feed(cli, wrapper, fastUrl + "/list/feed.xml?n=" + QString::number(entries));
    }
    for (QProcess *server : {&fastServer, &slowServer}) {
        server->kill();
        server->waitForFinished();
    }
    return 0;
}
