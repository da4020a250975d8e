#include "ToolPaths.h"

#include "PlatformProfile.h"

#include <QDir>
#include <QFileInfo>

namespace ToolPaths {

QString binDirectory()
{
    const QString folder = PlatformProfile::current().toolDirectory;
    QDir().mkpath(folder);
    return folder;
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace ToolPaths
