#pragma once

#include <QString>

#include <optional>

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

// The executable a tool runs from: our own copy, else the first one found in
// the profile's system folders.
struct Located
{
    QString path;
    bool system = false; // not ours: the distribution's or the user's
};
std::optional<Located> locate(const QString &name);
// The first executable `name` in the system folders, ignoring our own copy.
std::optional<QString> systemTool(const QString &name);

} // namespace ToolPaths
