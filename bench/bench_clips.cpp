// A 60 s clip of a 30 min fragmented (HLS) video served from 127.0.0.1,
// downloaded with reelix-cli: the bytes fetched and the time taken, against
// the whole video's, and the bytes against the clip's share of the whole.
#include "BenchSupport.h"

#include <QFileInfo>

namespace {

// The bytes of every file the server was asked for since line `from` of its log.
qint64 bytesServed(const QString &log, const QString &root, qsizetype from, qsizetype *lines)
{
    QFile file(log);
    *lines = 0;
    if (!file.open(QIODevice::ReadOnly))
        return 0; // nothing asked for yet
    const QStringList all = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    qint64 bytes = 0;
    for (const QString &line : all.mid(from)) {
        const QStringList fields = line.split(' ');
        if (fields.size() == 4)
            bytes += QFileInfo(root + fields[2]).size() - fields[3].toLongLong();
    }
    *lines = all.size();
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const QString www = home.path() + "/www";
    QDir().mkpath(www + "/long");
    std::printf("making a 30 min HLS video (small picture, 4 s pieces)...\n");
    std::fflush(stdout);
    const double made = timedRun("ffmpeg", {"-v",
                                            "error",
                                            "-y",
                                            "-f",
                                            "lavfi",
                                            "-i",
                                            "testsrc=size=96x54:rate=5",
                                            "-f",
                                            "lavfi",
                                            "-i",
                                            "sine=sample_rate=8000",
                                            "-t",
                                            "1800",
                                            "-c:v",
                                            "libx264",
                                            "-preset",
                                            "ultrafast",
                                            "-g",
                                            "20",
                                            "-c:a",
                                            "aac",
                                            "-b:a",
                                            "16k",
                                            "-ac",
                                            "1",
                                            "-hls_time",
                                            "4",
                                            "-hls_playlist_type",
                                            "vod",
                                            "-f",
                                            "hls",
                                            www + "/long/long.m3u8"});
    if (made < 0)
        return 1;
    qint64 whole = 0;
    for (const QFileInfo &piece : QDir(www + "/long").entryInfoList({"*.ts"}))
        whole += piece.size();
    std::printf("made in %.1f s: %.1f MB in %lld pieces\n", made, whole / 1e6,
                qint64(QDir(www + "/long").entryList({"*.ts"}).size()));

    QProcess server;
    const QString log = home.path() + "/requests.log";
    const QString url = startMediaServer(server, www, {"--log", log}) + "/long/long.m3u8";
    qsizetype seen = 0;
    bytesServed(log, www, 0, &seen);
    struct Run
    {
        const char *name;
        QStringList options;
    };
    double clipBytes = 0;
    for (const Run &run :
         {Run{"clip 10:00-11:00", {"--section", "10:00-11:00"}}, Run{"whole video", {}}}) {
        const QString folder = home.path() + "/out";
        QDir(folder).removeRecursively();
        const double seconds =
            timedRun(REELIX_CLI_PATH, QStringList{"download", "--folder", folder} + run.options +
                                          QStringList{"--", url});
        const qsizetype from = seen;
        const qint64 bytes = bytesServed(log, www, from, &seen);
        std::printf("%s: %.2f s, %.2f MB fetched (%lld requests)\n", run.name, seconds, bytes / 1e6,
                    qint64(seen - from));
        if (clipBytes == 0)
            clipBytes = double(bytes);
    }
    const double share = double(whole) * 60 / 1800;
    std::printf("clip bytes / clip's share of the whole (%.2f MB): %.2f (goal: <= 1.3)\n",
                share / 1e6, clipBytes / share);
    server.kill();
    server.waitForFinished();
    return 0;
}
