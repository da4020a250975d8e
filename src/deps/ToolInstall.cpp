#include "ToolInstall.h"

#include "platform/PlatformProfile.h"
#include "platform/TemporaryNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

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
        error = Failure{Failure::Kind::FileSystem,
                        QStringLiteral("Cannot create folder %1").arg(u.folder)};
        return std::nullopt;
    }
    return u;
}

Failure missingInArchive(const char *tool)
{
    return {Failure::Kind::MissingInArchive,
            QStringLiteral("Binaire %1 introuvable dans l'archive").arg(QLatin1String(tool))};
}

} // namespace

namespace ToolInstall {

Outcome runProcessAndWait(const QString &program, const QStringList &arguments)
{
    QProcess process;
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
        return Failure{Failure::Kind::Tool, QStringLiteral("%1 a échoué (code %2)")
                                                .arg(QFileInfo(program).fileName())
                                                .arg(process.exitCode())};
    return std::nullopt;
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
        return Failure{
            Failure::Kind::MissingInArchive,
            QStringLiteral("%1 n'est pas un fichier ordinaire").arg(QFileInfo(path).fileName())};
    return std::nullopt;
}

void removeQuarantine(const QString &path, const PlatformProfile &profile)
{
    if (!profile.isMacOS())
        return; // Linux has no download quarantine
    runProcessAndWait(profile.xattrTool,
                      {QStringLiteral("-d"), QStringLiteral("com.apple.quarantine"), path});
}

Outcome placeExecutable(const QString &source, const QString &destination,
                        const PlatformProfile &profile)
{
    if (Outcome notRegular = requireRegularFile(source))
        return notRegular;
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
    if (std::rename(QFile::encodeName(staging).constData(),
                    QFile::encodeName(destination).constData()) != 0) {
        const int code = errno;
        QFile::remove(staging);
        return Failure{Failure::Kind::FileSystem, systemError(code)};
    }
    return std::nullopt;
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

Outcome extractFfmpeg(const QString &download, const QString &destination,
                      const PlatformProfile &profile)
{
    Outcome error;
    const bool zip = profile.isMacOS();
    const auto unpack =
        prepareUnpack(download, zip ? QStringLiteral(".zip") : QStringLiteral(".tar.xz"),
                      QStringLiteral("ffmpeg_unzip_"), error);
    if (!unpack)
        return error;
    const Outcome unpackError =
        zip ? runProcessAndWait(profile.unzipTool, {QStringLiteral("-o"), unpack->archive,
                                                    QStringLiteral("-d"), unpack->folder})
            : runProcessAndWait(profile.tarTool,
                                profile.ffmpegTarArguments(unpack->archive, unpack->folder));
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
    // The static Linux build carries ffprobe too; the probe prefers it. It is
    // checked before ffmpeg is placed, so a refusal leaves both as they were.
    const QString ffprobe = unpack->folder + QStringLiteral("/ffprobe");
    const bool hasFfprobe = QFileInfo(ffprobe).exists() || QFileInfo(ffprobe).isSymLink();
    if (Outcome notRegular = hasFfprobe ? requireRegularFile(ffprobe) : Outcome()) {
        unpack->remove();
        return notRegular;
    }
    Outcome result =
        placeExecutable(unpack->folder + QLatin1Char('/') + *name, destination, profile);
    if (!result && hasFfprobe)
        result = placeExecutable(
            ffprobe, QFileInfo(destination).path() + QStringLiteral("/ffprobe"), profile);
    unpack->remove();
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
    const Outcome unpackError = runProcessAndWait(
        profile.tarTool, profile.nodeTarArguments(unpack->archive, unpack->folder));
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
    const Outcome result = placeExecutable(node, destination, profile);
    unpack->remove();
    return result;
}

} // namespace ToolInstall
