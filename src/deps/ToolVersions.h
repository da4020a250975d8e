#pragma once

#include "DepStatus.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Turning version texts into a tool status: plain string equality after a
// per-tool normalisation, no ordering (a newer installed version also counts
// as an update).
namespace ToolVersions {

DepStatus ytdlpStatus(const QString &versionOutput, const std::optional<QString> &published);
// The full version of `ffmpeg -version`'s first line ("7.1-custom").
QString ffmpegFullVersion(const QString &versionOutput);
DepStatus ffmpegStatus(const QString &versionOutput, const std::optional<QString> &published);
DepStatus nodeStatus(const QString &versionOutput, const std::optional<QString> &published);

std::optional<QString> releaseTagFrom(const QByteArray &body);
// The first entry of the Node.js index whose "lts" is not false.
std::optional<QString> nodeLTSFrom(const QByteArray &body);

} // namespace ToolVersions
