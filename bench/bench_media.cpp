// The file's choices against bare yt-dlp on local media: M4A from an AAC
// source and Opus from an Opus source (reelix-cli vs `yt-dlp -x
// --audio-format ...`, and proof that the audio was copied, not encoded),
// then MKV with every audio track vs the default MP4 of one dubbed DASH page:
// time and size. Figures only; medians of alternating pairs.
#include "BenchSupport.h"

#include <QFileInfo>

namespace {

bool ffmpeg(const QStringList &args, const QString &workDir = {})
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    p.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return p.waitForFinished(-1) && p.exitCode() == 0;
}

QByteArray audioPackets(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-v", "error", "-i", path, "-map", "0:a", "-c", "copy", "-f", "md5", "-"});
    p.waitForFinished(-1);
    return p.readAllStandardOutput().trimmed();
}

// Ten minutes of AAC and of Opus, and a minute of 720p DASH with three dubs.
bool makeMedia(const QString &www)
{
    const QStringList tone{"-f", "lavfi", "-i", "sine=frequency=440:duration=600"};
    QDir().mkpath(www + "/dash");
    QStringList dash{"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=60"};
    for (int f : {330, 440, 550})
        dash << "-f"
             << "lavfi"
             << "-i" << QString("sine=frequency=%1:duration=60").arg(f);
    dash << "-map"
         << "0:v"
         << "-map"
         << "1:a"
         << "-map"
         << "2:a"
         << "-map"
         << "3:a";
    dash << "-metadata:s:a:0"
         << "language=deu"
         << "-metadata:s:a:1"
         << "language=eng"
         << "-metadata:s:a:2"
         << "language=fra";
    dash << "-c:v"
         << "libx264"
         << "-preset"
         << "ultrafast"
         << "-c:a"
         << "aac"
         << "-b:a"
         << "128k"
         << "-seg_duration"
         << "2"
         << "-adaptation_sets"
         << "id=0,streams=v id=1,streams=1 id=2,streams=2 id=3,streams=3"
         << "-f"
         << "dash"
         << "manifest.mpd";
    return ffmpeg(tone + QStringList{"-c:a", "aac", "-b:a", "128k", www + "/aac.m4a"}) &&
           ffmpeg(tone + QStringList{"-c:a", "libopus", "-b:a", "96k", www + "/opus.webm"}) &&
           ffmpeg(dash, www + "/dash");
}

// The only file in `folder`.
QString fileIn(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    return files.size() == 1 ? files.first().absoluteFilePath() : QString();
}

void audioPair(const QString &home, const QString &www, const QString &url, const char *codec,
               const QString &source, int pairs)
{
    std::vector<double> cli, bare;
    const QString cliOut = home + "/cli", bareOut = home + "/bare";
    for (int i = 0; i < pairs; ++i) {
        QDir(cliOut).removeRecursively();
        QDir(bareOut).removeRecursively();
        cli.push_back(timedRun(REELIX_CLI_PATH,
                               {"download", "--audio-format", codec, "--folder", cliOut, url}));
        bare.push_back(
            timedRun("/usr/bin/yt-dlp", {"--ignore-config", "-x", "--audio-format", codec, "-o",
                                         bareOut + "/%(title)s.%(ext)s", "--", url}));
    }
    const bool copied = audioPackets(fileIn(cliOut)) == audioPackets(www + "/" + source);
    std::printf("%s from %s: reelix-cli %.3f s, yt-dlp %.3f s, ratio %.3f; audio packets "
                "identical to the source: %s\n",
                codec, qPrintable(source), median(cli), median(bare), median(cli) / median(bare),
                copied ? "yes (no encoder ran)" : "NO");
    // yt-dlp's own account of the ffmpeg it ran.
    QProcess verbose;
    QDir(bareOut).removeRecursively();
    verbose.start("/usr/bin/yt-dlp", {"--ignore-config", "-v", "-x", "--audio-format", codec, "-o",
                                      bareOut + "/%(title)s.%(ext)s", "--", url});
    verbose.waitForFinished(-1);
    for (const QByteArray &line : verbose.readAllStandardError().split('\n')) {
        if (line.contains("ffmpeg command line"))
            std::printf("  %s\n", line.mid(line.indexOf("ffmpeg -y")).constData());
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const QString www = home.path() + "/www";
    if (!makeMedia(www))
        return 1;
    QProcess server;
    const QString base = startMediaServer(server, www);
    const int pairs = argc > 1 ? atoi(argv[1]) : 3;
    audioPair(home.path(), www, base + "/aac.m4a", "m4a", "aac.m4a", pairs);
    audioPair(home.path(), www, base + "/opus.webm", "opus", "opus.webm", pairs);

    const QString page = base + "/dash/manifest.mpd";
    const std::pair<const char *, QStringList> runs[] = {
        {"MP4, the original track", {}},
        {"MKV, every track", {"--container", "mkv", "--audio-multistreams"}},
    };
    for (const auto &[name, args] : runs) {
        std::vector<double> times;
        qint64 size = 0;
        for (int i = 0; i < pairs; ++i) {
            const QString out = home.path() + "/container";
            QDir(out).removeRecursively();
            times.push_back(timedRun(REELIX_CLI_PATH, QStringList{"download", "--folder", out} +
                                                          args + QStringList{page}));
            size = QFileInfo(fileIn(out)).size();
        }
        std::printf("%s: %.3f s, %.2f MB\n", name, median(times), size / 1e6);
    }
    server.kill();
    server.waitForFinished();
    return 0;
}
