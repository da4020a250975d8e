#include "ToolPaths.h"

#include "PlatformProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ToolPaths {

QString binDirectory()
{
    const QString folder = PlatformProfile::current().toolDirectory;
    QDir().mkpath(folder);
    return folder;
}

QString runDirectory()
{
    const QString folder =
        QFileInfo(PlatformProfile::current().toolDirectory).path() + QStringLiteral("/run");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace ToolPaths
