#pragma once

#include "DepStatus.h"

#include "platform/Failure.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

// Turning version texts into a tool status: plain string equality after a
// per-tool normalisation, no ordering (a newer installed version also counts
// as an update). A published version that could not be found leaves a working
// tool `unchecked`, never `upToDate`.
namespace ToolVersions {

DepStatus ytdlpStatus(const QString &versionOutput, const Result<QString> &published);
// The full version of `ffmpeg -version`'s first line ("7.1-custom").
QString ffmpegFullVersion(const QString &versionOutput);
DepStatus ffmpegStatus(const QString &versionOutput, const Result<QString> &published);
DepStatus nodeStatus(const QString &versionOutput, const Result<QString> &published);

// The version a tool's version output shows, as a card shows it; `fileName`
// is the tool's file ("yt-dlp", "ffmpeg", "node").
QString shownVersion(const QString &fileName, const QString &versionOutput);
// yt-dlp's versions are its release dates ("2023.03.04"); sites change
// faster than a year, so an older one may no longer work for some.
bool ytdlpTooOld(const QString &version, const QDate &today);

std::optional<QString> releaseTagFrom(const QByteArray &body);
// The newest release of the Node.js index in the LTS line `line` (22 for
// v22.x): an entry whose "lts" is there and not false.
std::optional<QString> nodeLTSFrom(const QByteArray &body, int line);

} // namespace ToolVersions
