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

std::optional<QString> systemTool(const QString &name)
{
    for (const QString &folder : PlatformProfile::current().systemToolFolders) {
        const QString candidate = folder + QLatin1Char('/') + name;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<Located> locate(const QString &name)
{
    const QString own = binDirectory() + QLatin1Char('/') + name;
    if (isExecutableFile(own))
        return Located{own, false};
    if (const auto found = systemTool(name))
        return Located{*found, true};
    return std::nullopt;
}

} // namespace ToolPaths
