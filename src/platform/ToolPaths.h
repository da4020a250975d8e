#pragma once

#include <QString>

// Reelix's own tool folder and the test for a usable tool file, shared by the
// engine (which finds the tools) and the tool manager (which installs them).
namespace ToolPaths {

// Our own tool folder; created whenever it is asked for.
QString binDirectory();
// A regular file (or a link to one) that may be executed.
bool isExecutableFile(const QString &path);

} // namespace ToolPaths
