#include "RunSettings.h"

#include "platform/PlatformProfile.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kFolderKey = QStringLiteral("downloadFolderBookmark");
}

QString RunSettings::rememberedFolder()
{
    const QString stored = UserDefaults::value(kFolderKey).toString();
    if (stored.isEmpty() || !QDir::isAbsolutePath(stored) || !QFileInfo(stored).isDir())
        return defaultFolder();
    QDir().mkpath(stored);
    return stored;
}

void RunSettings::rememberFolder(const QString &path)
{
    // The stored reference is the absolute path: it resolves back to the
    // folder as long as the folder exists.
    UserDefaults::setValue(kFolderKey, path);
}

QString RunSettings::defaultFolder()
{
    const QString folder = PlatformProfile::current().defaultDownloadFolder;
    QDir().mkpath(folder);
    return folder;
}
