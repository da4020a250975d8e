// reelix-cli download over the same tool runs done by hand (yt-dlp -j, the
// yt-dlp download with the same arguments, the ffprobe probe) for a ~100 MB
// local file: median of alternating pairs, and reelix-cli's peak memory.
#include "BenchSupport.h"

#include "certs/CertificateStore.h"
#include "engine/DownloadItem.h"
#include "engine/DownloadRun.h"
#include "engine/RunLimits.h"
#include "engine/ToolEnvironment.h"

#include <QCoro/QCoroTask>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const QString www = home.path() + "/www";
    QDir().mkpath(www);
    if (!makeLargeVideo(www + "/big.mp4"))
        return 1;
    std::printf("file: %.1f MB\n", QFileInfo(www + "/big.mp4").size() / 1e6);
    QProcess server;
    const QString url = startMediaServer(server, www) + "/big.mp4";

    const auto bundle = QCoro::waitFor(CertificateStore::bundlePath(false));
    QProcess envSource;
    ToolEnvironment::configureEnvironment(envSource, bundle);
    const QProcessEnvironment env = envSource.processEnvironment();
    DownloadItem item(url, DownloadFormat::Video);
    const QString cliFolder = home.path() + "/cli", bareFolder = home.path() + "/bare";
    const QStringList infoArgs = QStringList{"--no-playlist", "-j", "--socket-timeout", "15"} +
                                 ToolEnvironment::tlsArguments(bundle) +
                                 ToolEnvironment::ffmpegLocationArguments() +
                                 QStringList{"--", url};
    const QStringList downloadArgs = DownloadRun::downloadArguments(
        item, YtDlpRun::Attempt{false, bundle, {}}, bareFolder + "/" + DownloadRun::outputTemplate,
        DownloadRun::Source{RunLimits::concurrentFragments(), {}, {}});

    std::vector<double> cli, bare;
    const int pairs = argc > 1 ? atoi(argv[1]) : 5;
    for (int i = 0; i < pairs; ++i) {
        QDir(cliFolder).removeRecursively();
        const double c =
            timedRun(REELIX_CLI_PATH, {"download", "--folder", cliFolder, "--json", url});
        QDir(bareFolder).removeRecursively();
        QElapsedTimer clock;
        clock.start();
        const bool ok =
            timedRun("/usr/bin/yt-dlp", infoArgs, env) >= 0 &&
            timedRun("/usr/bin/yt-dlp", downloadArgs, env) >= 0 &&
            timedRun("/usr/bin/ffprobe", {"-v", "quiet", "-print_format", "json", "-show_streams",
                                          bareFolder + "/big.mp4"}) >= 0;
        const double b = clock.nsecsElapsed() / 1e9;
        if (c < 0 || !ok) {
            std::printf("run failed\n");
            return 1;
        }
        cli.push_back(c);
        bare.push_back(b);
        std::printf("pair %d: reelix-cli %.3f s, by hand %.3f s, ratio %.3f\n", i + 1, c, b, c / b);
        std::fflush(stdout);
    }
    std::printf("median: reelix-cli %.3f s, by hand %.3f s, ratio %.3f\n", median(cli),
                median(bare), median(cli) / median(bare));

    // Peak memory of reelix-cli alone (its children are not counted).
    QDir(cliFolder).removeRecursively();
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execl(REELIX_CLI_PATH, "reelix-cli", "download", "--folder", qPrintable(cliFolder),
              qPrintable(url), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    std::printf("reelix-cli peak memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    server.kill();
    server.waitForFinished();
    return 0;
}
