#include "ToolInstall.h"

#include "TransferLimits.h"

#include "platform/PlatformProfile.h"
#include "platform/ProcessWait.h"
#include "platform/TemporaryNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

struct Unpacked
{
    QString archive;
    QString folder;
    void remove() const
    {
        QFile::remove(archive);
        QDir(folder).removeRecursively();
    }
};

// Renames the download to its archive name and makes the unpack folder.
std::optional<Unpacked> prepareUnpack(const QString &download, const QString &suffix,
                                      const QString &folderPrefix, Outcome &error)
{
    Unpacked u{download + suffix, QFileInfo(download).path() + QLatin1Char('/') + folderPrefix +
                                      TemporaryNames::uuid()};
    QFile file(download);
    if (!file.rename(u.archive)) {
        error = Failure{Failure::Kind::FileSystem, file.errorString()};
        return std::nullopt;
    }
    if (!QDir().mkpath(u.folder)) {
        error = Failure{Failure::Kind::FileSystem, qtTrId("tools.install.no_folder").arg(u.folder)};
        return std::nullopt;
    }
    return u;
}

Failure missingInArchive(const char *tool)
{
    return {Failure::Kind::MissingInArchive,
            //% "No %1 executable in the archive"
            qtTrId("tools.install.missing_binary").arg(QLatin1String(tool))};
}

} // namespace

namespace ToolInstall {

std::chrono::milliseconds versionTimeLimit = std::chrono::seconds(10);

namespace {

// Runs a prepared process to its end, as runProcessAndWait says.
Outcome waitForExit(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1))
        return Failure{Failure::Kind::Launch, process.errorString()};
    process.waitForFinished(-1);
    // A damaged archive can still leave complete-looking members behind.
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        //% "%1 failed (code %2)"
        return Failure{Failure::Kind::Tool, qtTrId("tools.install.process_failed")
                                                .arg(QFileInfo(program).fileName())
                                                .arg(process.exitCode())};
    return std::nullopt;
}

} // namespace

Outcome runProcessAndWait(const QString &program, const QStringList &arguments)
{
    QProcess process;
    return waitForExit(process, program, arguments);
}

Sandbox::Rules unpackRules(const QString &archive, const QString &folder)
{
    Sandbox::Rules rules = Sandbox::baseRules();
    rules.readable << archive;
    rules.writable << folder;
    rules.network = false;
    return rules;
}

Outcome unpackAndWait(const QString &program, const QStringList &arguments,
                      const std::optional<Sandbox::Rules> &sandbox)
{
    const rlim_t limit = rlim_t(TransferLimits::toolBytes());
    QProcess process;
    // A member named to climb out of the folder meets the sandbox as well.
    std::optional<Sandbox::Ruleset> ruleset;
    if (sandbox) {
        Sandbox::Rules rules = *sandbox;
        rules.readable << QFileInfo(program).absolutePath();
        ruleset.emplace(rules);
    }
    const int rules = ruleset ? ruleset->descriptor() : -1;
    // The kernel stops the unpacker with SIGXFSZ at the limit, before the
    // disk fills.
    process.setChildProcessModifier([limit, rules] {
        const rlimit fileSize{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        ::signal(SIGXFSZ, SIG_DFL);
        Sandbox::restrictInChild(rules);
    });
    const Outcome result = waitForExit(process, program, arguments);
    if (result && process.exitStatus() == QProcess::CrashExit && process.exitCode() == SIGXFSZ)
        return Failure{
            Failure::Kind::MissingInArchive,
            //% "A file in the archive is larger than %1: the archive was refused"
            qtTrId("tools.install.member_too_large")
                .arg(QLocale().formattedDataSize(qint64(limit), 1, QLocale::DataSizeSIFormat))};
    return result;
}

Outcome requireRegularFile(const QString &path)
{
    struct stat info
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return Failure{Failure::Kind::FileSystem, systemError(errno)};
    // A link could point at any file of the user's; chmod would follow it.
    if (!S_ISREG(info.st_mode))
        return Failure{Failure::Kind::MissingInArchive,
                       //% "%1 is not a regular file"
                       qtTrId("tools.install.not_regular").arg(QFileInfo(path).fileName())};
    return std::nullopt;
}

void removeQuarantine(const QString &path, const PlatformProfile &profile)
{
    if (!profile.isMacOS())
        return; // Linux has no download quarantine
    runProcessAndWait(profile.xattrTool,
                      {QStringLiteral("-d"), QStringLiteral("com.apple.quarantine"), path});
}

Failure cannotStart(const QString &error)
{
    //% "The tool does not start: %1"
    return {Failure::Kind::Launch, qtTrId("tools.install.cannot_start").arg(error)};
}

Failure noAnswer(const QString &versionArgument)
{
    //% "The tool does not answer %1"
    return {Failure::Kind::Tool, qtTrId("tools.install.no_answer").arg(versionArgument)};
}

Failure noVersion(const QString &versionArgument)
{
    //% "The tool shows no version (%1)"
    return {Failure::Kind::Tool, qtTrId("tools.install.no_version").arg(versionArgument)};
}

Outcome runsAndPrintsVersion(const QString &path, const QString &versionArgument)
{
    QProcess process;
    process.setProgram(path);
    process.setArguments({versionArgument});
    process.setStandardErrorFile(QProcess::nullDevice());
    // Its own process group, so that what a hanging tool started dies with it.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start();
    if (!process.waitForStarted(int(versionTimeLimit.count())))
        return cannotStart(process.errorString());
    if (!process.waitForFinished(int(versionTimeLimit.count()))) {
        killChild(process);
        process.waitForFinished(-1);
        return noAnswer(versionArgument);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        process.readAllStandardOutput().trimmed().isEmpty())
        return noVersion(versionArgument);
    return std::nullopt;
}

Result<QString> stageExecutable(const QString &source, const QString &destination,
                                const PlatformProfile &profile, const QString &versionArgument)
{
    if (Outcome notRegular = requireRegularFile(source))
        return *notRegular;
    const QFileInfo target(destination);
    const QString staging = target.path() + QStringLiteral("/.") + target.fileName() +
                            QStringLiteral(".reelix-") + TemporaryNames::uuid();
    QFile file(source);
    if (!file.rename(staging)) // copies when the source is on another file system
        return Failure{Failure::Kind::FileSystem, file.errorString()};
    if (::chmod(QFile::encodeName(staging).constData(), 0755) != 0) {
        const int code = errno;
        QFile::remove(staging);
        return Failure{Failure::Kind::FileSystem, systemError(code)};
    }
    removeQuarantine(staging, profile);
    // An error page, an empty or a cut-off file must not replace a working tool.
    if (Outcome broken = runsAndPrintsVersion(staging, versionArgument)) {
        QFile::remove(staging);
        return *broken;
    }
    return staging;
}

Outcome commitStaged(const QString &staging, const QString &destination)
{
    if (std::rename(QFile::encodeName(staging).constData(),
                    QFile::encodeName(destination).constData()) != 0) {
        const int code = errno;
        QFile::remove(staging);
        return Failure{Failure::Kind::FileSystem, systemError(code)};
    }
    return std::nullopt;
}

Outcome placeExecutable(const QString &source, const QString &destination,
                        const PlatformProfile &profile, const QString &versionArgument)
{
    const Result<QString> staged = stageExecutable(source, destination, profile, versionArgument);
    if (!staged)
        return staged.failure();
    return commitStaged(*staged, destination);
}

std::optional<QString> ffmpegNameIn(const QStringList &names)
{
    for (const QString &name : names) {
        if (name == QStringLiteral("ffmpeg") ||
            (name.startsWith(QStringLiteral("ffmpeg")) && !name.contains(QLatin1Char('.'))))
            return name;
    }
    return std::nullopt;
}

Outcome placeFfmpegPair(const QString &ffmpeg, const QString &destination,
                        const PlatformProfile &profile)
{
    const QString ffprobe = QFileInfo(ffmpeg).path() + QStringLiteral("/ffprobe");
    const QString ffprobeDestination = QFileInfo(destination).path() + QStringLiteral("/ffprobe");
    const Result<QString> stagedFfmpeg =
        stageExecutable(ffmpeg, destination, profile, QStringLiteral("-version"));
    if (!stagedFfmpeg)
        return stagedFfmpeg.failure();
    std::optional<QString> stagedFfprobe;
    if (QFileInfo(ffprobe).exists() || QFileInfo(ffprobe).isSymLink()) {
        const Result<QString> staged =
            stageExecutable(ffprobe, ffprobeDestination, profile, QStringLiteral("-version"));
        if (!staged) {
            QFile::remove(*stagedFfmpeg);
            return staged.failure();
        }
        stagedFfprobe = *staged;
    }
    Outcome result = commitStaged(*stagedFfmpeg, destination);
    if (stagedFfprobe)
        result = result ? (QFile::remove(*stagedFfprobe), result)
                        : commitStaged(*stagedFfprobe, ffprobeDestination);
    return result;
}

Outcome extractFfmpeg(const QStringList &downloads, const QString &destination,
                      const PlatformProfile &profile)
{
    Outcome error;
    const bool zip = profile.isMacOS();
    const auto unpack =
        prepareUnpack(downloads.value(0), zip ? QStringLiteral(".zip") : QStringLiteral(".tar.xz"),
                      QStringLiteral("ffmpeg_unzip_"), error);
    if (!unpack) {
        for (const QString &download : downloads)
            QFile::remove(download);
        return error;
    }
    Outcome unpackError =
        zip ? unpackAndWait(
                  profile.unzipTool,
                  {QStringLiteral("-o"), unpack->archive, QStringLiteral("-d"), unpack->folder},
                  unpackRules(unpack->archive, unpack->folder))
            : unpackAndWait(profile.tarTool,
                            profile.ffmpegTarArguments(unpack->archive, unpack->folder),
                            unpackRules(unpack->archive, unpack->folder));
    // macOS: ffprobe is a zip of its own, unpacked into the same folder.
    for (const QString &more : downloads.mid(1)) {
        if (!unpackError)
            unpackError =
                unpackAndWait(profile.unzipTool,
                              {QStringLiteral("-o"), more, QStringLiteral("-d"), unpack->folder},
                              unpackRules(more, unpack->folder));
        QFile::remove(more);
    }
    if (unpackError && unpackError->kind == Failure::Kind::Launch) {
        unpack->remove();
        return unpackError;
    }
    QStringList names =
        QDir(unpack->folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Unsorted);
    const auto name = ffmpegNameIn(names);
    if (!name) {
        unpack->remove();
        return missingInArchive("ffmpeg");
    }
    // tar also fails when a member is absent; that case is reported above.
    if (unpackError) {
        unpack->remove();
        return unpackError;
    }
    Outcome result =
        placeFfmpegPair(unpack->folder + QLatin1Char('/') + *name, destination, profile);
    unpack->remove();
    // The Intel build that source offers runs on Apple Silicon only through
    // Rosetta: a staged ffmpeg that does not start or answer says so.
    if (result && (result->kind == Failure::Kind::Launch || result->kind == Failure::Kind::Tool) &&
        profile.ffmpegNeedsRosetta())
        //% "This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta."
        //% " Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or"
        //% " install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)"
        result->message = qtTrId("tools.ffmpeg.rosetta").arg(result->message);
    return result;
}

Outcome extractNode(const QString &download, const QString &destination,
                    const PlatformProfile &profile)
{
    Outcome error;
    const auto unpack =
        prepareUnpack(download, QStringLiteral(".tar.gz"), QStringLiteral("node_unpack_"), error);
    if (!unpack)
        return error;
    const Outcome unpackError =
        unpackAndWait(profile.tarTool, profile.nodeTarArguments(unpack->archive, unpack->folder),
                      unpackRules(unpack->archive, unpack->folder));
    const QString node = unpack->folder + QStringLiteral("/node");
    // A link is refused when placed; a failed start or a missing member first.
    if (!unpackError || unpackError->kind != Failure::Kind::Launch) {
        if (!QFileInfo(node).exists() && !QFileInfo(node).isSymLink()) {
            unpack->remove();
            return missingInArchive("node");
        }
    }
    if (unpackError) {
        unpack->remove();
        return unpackError;
    }
    const Outcome result = placeExecutable(node, destination, profile, QStringLiteral("--version"));
    unpack->remove();
    return result;
}

} // namespace ToolInstall
