#pragma once

#include <QString>

// Reelix's own tool folder and the test for a usable tool file, shared by the
// engine (which finds the tools) and the tool manager (which installs them).
namespace ToolPaths {

// Our own tool folder; created whenever it is asked for.
QString binDirectory();
// The folder every tool child starts in: our own, so that nothing the
// caller's working folder holds (a yt-dlp.conf) reaches a tool. Created
// readable by its owner only whenever it is asked for.
QString runDirectory();
// A regular file (or a link to one) that may be executed.
bool isExecutableFile(const QString &path);

} // namespace ToolPaths
