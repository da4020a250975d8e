#pragma once

#include "cookies/CookieSource.h"
#include "platform/Sandbox.h"

#include <QStringList>

// What each kind of tool run may touch. yt-dlp (and the ffmpeg and Node.js it
// starts) writes only in its run's folders, its cache and the temporary
// folder, and reads the tools, the system and the cookie source in use;
// ffmpeg and ffprobe read their input, write only their output's folder and
// reach no network.
namespace ToolSandbox {

// yt-dlp's rules: `writable` are the run's own folders or files, `readable`
// what else it is handed (saved information, a certificate bundle).
Sandbox::Rules forYtDlp(const QStringList &writable, const QStringList &readable,
                        const CookieSource &cookies);
// ffmpeg's or ffprobe's rules; no output folder for a probe.
Sandbox::Rules forMedia(const QStringList &inputs, const QString &outputFolder = {});

} // namespace ToolSandbox
