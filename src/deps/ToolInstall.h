#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct PlatformProfile;

// An installer failure: codes 10, 1 and 2 are Reelix's own (domain "Reelix"),
// code 0 carries a system description (network, file system, process start).
struct InstallError
{
    int code = 0;
    QString description;

    static InstallError reelix(int code);
    static QString domain() { return QStringLiteral("Reelix"); }
};
using InstallResult = std::optional<InstallError>; // nothing = success

// The blocking steps of an installation; they run on a worker thread.
namespace ToolInstall {

// Puts `source` at `destination` with mode 755 through one atomic rename, so
// the old tool stays in place until the new one is complete.
InstallResult placeExecutable(const QString &source, const QString &destination,
                              const PlatformProfile &profile);
void removeQuarantine(const QString &path, const PlatformProfile &profile);
// Runs a tool to its end; the start error's description when it cannot start.
std::optional<QString> runProcessAndWait(const QString &program, const QStringList &arguments);
// Unpacks the downloaded archive and places ffmpeg (and ffprobe where the
// archive has it) at `destination` and beside it.
InstallResult extractFfmpeg(const QString &download, const QString &destination,
                            const PlatformProfile &profile);
InstallResult extractNode(const QString &download, const QString &destination,
                          const PlatformProfile &profile);
// The first name that is "ffmpeg", or begins with "ffmpeg" and has no ".".
std::optional<QString> ffmpegNameIn(const QStringList &names);

} // namespace ToolInstall
