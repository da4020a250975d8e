#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QProcess;

// Where the tools live, which environment a tool child gets, and the yt-dlp
// option groups that the information and download runs share.
namespace ToolEnvironment {

// Our own tool folder first, then the profile's system folders.
std::optional<QString> findTool(const QString &name);
bool isYouTubeURL(const QString &address);

QStringList tlsArguments(const std::optional<QString> &caBundlePath);
QStringList javaScriptRuntimeArguments(const QString &address, bool allowMissingPOT);
QStringList ffmpegLocationArguments();

// The child gets this process's environment without inherited certificate
// settings, with the bundle variables pointing at our bundle.
void configureEnvironment(QProcess &process, const std::optional<QString> &caBundlePath);

} // namespace ToolEnvironment
