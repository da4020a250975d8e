#pragma once

#include "platform/Failure.h"
#include "platform/Sandbox.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

struct PlatformProfile;

// The blocking steps of an installation; they run on a worker thread.
namespace ToolInstall {

// How long a tool may take to print its version before it counts as broken.
extern std::chrono::milliseconds versionTimeLimit;

// Puts the regular file `source` at `destination` with mode 755 through one
// atomic rename, once it has run and printed a version: the old tool stays in
// place until the new one is complete and works.
Outcome placeExecutable(const QString &source, const QString &destination,
                        const PlatformProfile &profile, const QString &versionArgument);
// Moves `source` beside `destination` under a hidden name and checks it there.
Result<QString> stageExecutable(const QString &source, const QString &destination,
                                const PlatformProfile &profile, const QString &versionArgument);
Outcome commitStaged(const QString &staging, const QString &destination);
// The tool starts, exits 0 and prints something within the time limit; one
// that does not answer is killed with everything it started.
Outcome runsAndPrintsVersion(const QString &path, const QString &versionArgument);
// Why a version run does not count.
Failure cannotStart(const QString &error);
Failure noAnswer(const QString &versionArgument);
Failure noVersion(const QString &versionArgument);
void removeQuarantine(const QString &path, const PlatformProfile &profile);
// Runs a tool to its end; a failure when it cannot start or does not exit 0.
Outcome runProcessAndWait(const QString &program, const QStringList &arguments);
// Runs tar or unzip to its end; a failure as above, or when it would write a
// file larger than the largest tool download (a small archive can unpack to
// gigabytes). With `sandbox` it reads and writes only what the rules allow.
Outcome unpackAndWait(const QString &program, const QStringList &arguments,
                      const std::optional<Sandbox::Rules> &sandbox = std::nullopt);
// An unpacker's rules: read `archive`, write only in `folder`, no network.
Sandbox::Rules unpackRules(const QString &archive, const QString &folder);
// Only a regular file (not a link, folder or device) is ever placed.
Outcome requireRegularFile(const QString &path);
// Places ffmpeg and, where its folder has it, ffprobe beside it (the static
// Linux build carries both; the probe prefers ffprobe). Both are staged and
// checked before either replaces anything.
Outcome placeFfmpegPair(const QString &ffmpeg, const QString &destination,
                        const PlatformProfile &profile);
// Unpacks the downloaded archives (Linux: one with both tools; macOS: one
// zip each) and places ffmpeg, and ffprobe where there is one, at
// `destination` and beside it.
Outcome extractFfmpeg(const QStringList &downloads, const QString &destination,
                      const PlatformProfile &profile);
Outcome extractNode(const QString &download, const QString &destination,
                    const PlatformProfile &profile);
// The first name that is "ffmpeg", or begins with "ffmpeg" and has no ".".
std::optional<QString> ffmpegNameIn(const QStringList &names);

} // namespace ToolInstall
