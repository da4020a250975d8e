#include "ToolSandbox.h"

#include "platform/ToolPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ToolSandbox {

namespace {

// yt-dlp's cache (signature code, remote components), made beforehand: a
// rule needs a folder that exists.
QString ytdlpCache()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    const QString cache = base + QStringLiteral("/yt-dlp");
    QDir().mkpath(cache);
    return cache;
}

// Where yt-dlp looks for a browser's cookie database.
QStringList browserFolders(const CookieSource &cookies)
{
    const QString home = QDir::homePath();
    QStringList folders;
    for (const char *name : {".mozilla", ".librewolf", ".config", ".var/app", "snap"})
        folders << home + QLatin1Char('/') + QLatin1String(name);
    if (QFileInfo(cookies.profile).isAbsolute())
        folders << cookies.profile;
    return folders;
}

} // namespace

Sandbox::Rules forYtDlp(const QStringList &writable, const QStringList &readable,
                        const CookieSource &cookies)
{
    Sandbox::Rules rules = Sandbox::baseRules();
    rules.readable << ToolPaths::binDirectory() << readable;
    rules.writable << writable << ToolPaths::runDirectory() << QDir::tempPath() << ytdlpCache();
    // yt-dlp saves the cookies it was given back to their file.
    if (cookies.kind == CookieSource::Kind::File)
        rules.writable << cookies.file;
    else if (cookies.kind == CookieSource::Kind::Browser)
        rules.readable << browserFolders(cookies);
    return rules;
}

Sandbox::Rules forMedia(const QStringList &inputs, const QString &outputFolder)
{
    Sandbox::Rules rules = Sandbox::baseRules();
    rules.readable << ToolPaths::binDirectory() << inputs;
    if (!outputFolder.isEmpty())
        rules.writable << outputFolder;
    rules.network = false;
    return rules;
}

} // namespace ToolSandbox
