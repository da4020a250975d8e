#include "BrowserFinder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

namespace {

bool hasChromiumCookies(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/Cookies")) ||
           QFileInfo::exists(folder + QStringLiteral("/Network/Cookies"));
}

// Profile folder → the name the browser shows, from its "Local State".
QJsonObject chromiumProfileNames(const QString &root)
{
    QFile file(root + QStringLiteral("/Local State"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject state = QJsonDocument::fromJson(file.readAll()).object();
    return state.value(QStringLiteral("profile"))
        .toObject()
        .value(QStringLiteral("info_cache"))
        .toObject();
}

struct FirefoxProfile
{
    QString name;
    QString folder;   // absolute
    QString relative; // as profiles.ini gives it, when relative
};

// The profiles of one Firefox folder that hold cookies: those profiles.ini
// lists, else every sub-folder with a cookies.sqlite.
QList<FirefoxProfile> firefoxProfiles(const QString &root)
{
    QList<FirefoxProfile> found;
    QSettings ini(root + QStringLiteral("/profiles.ini"), QSettings::IniFormat);
    for (const QString &group : ini.childGroups()) {
        if (!group.startsWith(QStringLiteral("Profile")))
            continue;
        ini.beginGroup(group);
        const QString path = ini.value(QStringLiteral("Path")).toString();
        const bool relative = ini.value(QStringLiteral("IsRelative"), 1).toInt() != 0;
        const QString name = ini.value(QStringLiteral("Name"), path).toString();
        ini.endGroup();
        const QString folder = relative ? root + QLatin1Char('/') + path : path;
        if (!path.isEmpty() && QFileInfo::exists(folder + QStringLiteral("/cookies.sqlite")))
            found << FirefoxProfile{name, QDir::cleanPath(folder), relative ? path : QString()};
    }
    if (!found.isEmpty())
        return found;
    for (const QFileInfo &sub : QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo::exists(sub.filePath() + QStringLiteral("/cookies.sqlite")))
            found << FirefoxProfile{sub.fileName(), sub.filePath(), sub.fileName()};
    }
    return found;
}

} // namespace

BrowserFinder::BrowserFinder(PlatformProfile::Kind system, const QString &home,
                             const QString &configHome)
    : m_system(system), m_home(home),
      m_configHome(configHome.isEmpty() ? home + QStringLiteral("/.config") : configHome)
{}

BrowserFinder BrowserFinder::forThisSystem()
{
    return BrowserFinder(PlatformProfile::current().kind, QDir::homePath(),
                         qEnvironmentVariable("XDG_CONFIG_HOME"));
}

QList<FoundBrowser> BrowserFinder::find() const
{
    QList<FoundBrowser> found;
    for (const bool libreWolf : {false, true}) {
        if (auto browser = findFirefox(libreWolf))
            found << *browser;
    }
    for (const char *name : {"chrome", "chromium", "brave", "edge", "opera", "vivaldi"}) {
        if (auto browser = findChromium(QLatin1String(name)))
            found << *browser;
    }
    if (auto safari = findSafari())
        found << *safari;
    return found;
}

QStringList BrowserFinder::firefoxFolders(bool libreWolf) const
{
    const QString support = m_home + QStringLiteral("/Library/Application Support/");
    if (m_system == PlatformProfile::Kind::MacOS)
        return {support + (libreWolf ? QStringLiteral("librewolf") : QStringLiteral("Firefox"))};
    if (libreWolf)
        return {m_home + QStringLiteral("/.librewolf"),
                m_home + QStringLiteral("/.var/app/io.gitlab.librewolf-community/.librewolf")};
    // The first is where every yt-dlp looks; newer ones look in the others too.
    return {m_home + QStringLiteral("/.mozilla/firefox"),
            m_configHome + QStringLiteral("/mozilla/firefox"),
            m_home + QStringLiteral("/.var/app/org.mozilla.firefox/config/mozilla/firefox"),
            m_home + QStringLiteral("/.var/app/org.mozilla.firefox/.mozilla/firefox"),
            m_home + QStringLiteral("/snap/firefox/common/.mozilla/firefox")};
}

std::optional<FoundBrowser> BrowserFinder::findFirefox(bool libreWolf) const
{
    const QString id = libreWolf ? QStringLiteral("librewolf") : QStringLiteral("firefox");
    const QStringList folders = firefoxFolders(libreWolf);
    for (const QString &root : folders) {
        const QList<FirefoxProfile> profiles = firefoxProfiles(root);
        if (profiles.isEmpty())
            continue;
        // Only the usual folder may go unnamed: an older yt-dlp looks nowhere else.
        const bool usual = !libreWolf && root == folders.first();
        FoundBrowser browser{CookieSource::browserDisplayName(id),
                             CookieSource::fromBrowser(id, usual ? QString() : root),
                             {}};
        if (profiles.size() > 1) {
            for (const FirefoxProfile &p : profiles) {
                const QString profile = usual && !p.relative.isEmpty() ? p.relative : p.folder;
                browser.profiles << FoundBrowser::Profile{p.name,
                                                          CookieSource::fromBrowser(id, profile)};
            }
        }
        return browser;
    }
    return std::nullopt;
}

QString BrowserFinder::chromiumFolder(const QString &browser) const
{
    if (m_system == PlatformProfile::Kind::MacOS) {
        static const QHash<QString, QString> mac{
            {QStringLiteral("brave"), QStringLiteral("BraveSoftware/Brave-Browser")},
            {QStringLiteral("chrome"), QStringLiteral("Google/Chrome")},
            {QStringLiteral("chromium"), QStringLiteral("Chromium")},
            {QStringLiteral("edge"), QStringLiteral("Microsoft Edge")},
            {QStringLiteral("opera"), QStringLiteral("com.operasoftware.Opera")},
            {QStringLiteral("vivaldi"), QStringLiteral("Vivaldi")}};
        return m_home + QStringLiteral("/Library/Application Support/") + mac.value(browser);
    }
    static const QHash<QString, QString> linux{
        {QStringLiteral("brave"), QStringLiteral("BraveSoftware/Brave-Browser")},
        {QStringLiteral("chrome"), QStringLiteral("google-chrome")},
        {QStringLiteral("chromium"), QStringLiteral("chromium")},
        {QStringLiteral("edge"), QStringLiteral("microsoft-edge")},
        {QStringLiteral("opera"), QStringLiteral("opera")},
        {QStringLiteral("vivaldi"), QStringLiteral("vivaldi")}};
    return m_configHome + QLatin1Char('/') + linux.value(browser);
}

std::optional<FoundBrowser> BrowserFinder::findChromium(const QString &id) const
{
    const QString root = chromiumFolder(id);
    FoundBrowser browser{CookieSource::browserDisplayName(id), CookieSource::fromBrowser(id), {}};
    // Opera keeps one profile, in the folder itself.
    if (id == QStringLiteral("opera"))
        return hasChromiumCookies(root) ? std::optional(browser) : std::nullopt;
    const QJsonObject names = chromiumProfileNames(root);
    QList<FoundBrowser::Profile> profiles;
    for (const QFileInfo &sub :
         QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!hasChromiumCookies(sub.filePath()))
            continue;
        const QString shown = names.value(sub.fileName())
                                  .toObject()
                                  .value(QStringLiteral("name"))
                                  .toString(sub.fileName());
        profiles << FoundBrowser::Profile{shown, CookieSource::fromBrowser(id, sub.fileName())};
    }
    if (profiles.isEmpty())
        return std::nullopt;
    if (profiles.size() > 1)
        browser.profiles = profiles;
    return browser;
}

std::optional<FoundBrowser> BrowserFinder::findSafari() const
{
    if (m_system != PlatformProfile::Kind::MacOS)
        return std::nullopt;
    for (const QString &path :
         {m_home + QStringLiteral("/Library/Cookies/Cookies.binarycookies"),
          m_home + QStringLiteral("/Library/Containers/com.apple.Safari/Data/Library/Cookies/"
                                  "Cookies.binarycookies")}) {
        if (QFileInfo::exists(path))
            return FoundBrowser{
                QStringLiteral("Safari"), CookieSource::fromBrowser(QStringLiteral("safari")), {}};
    }
    return std::nullopt;
}

namespace {

// The most recently written cookies.sqlite under `root`, as yt-dlp picks it.
QString newestFirefoxDatabase(const QString &root)
{
    QString newest;
    QDateTime newestTime;
    for (const FirefoxProfile &p : firefoxProfiles(root)) {
        const QFileInfo file(p.folder + QStringLiteral("/cookies.sqlite"));
        if (newest.isEmpty() || file.lastModified() > newestTime) {
            newest = file.filePath();
            newestTime = file.lastModified();
        }
    }
    return newest;
}

} // namespace

QString BrowserFinder::cookieDatabase(const CookieSource &source) const
{
    if (source.kind != CookieSource::Kind::Browser)
        return {};
    const bool libreWolf = source.browser == QStringLiteral("librewolf");
    if (libreWolf || source.browser == QStringLiteral("firefox")) {
        const QString &profile = source.profile;
        if (QDir::isAbsolutePath(profile)) {
            const QString direct = profile + QStringLiteral("/cookies.sqlite");
            return QFileInfo::exists(direct) ? direct : newestFirefoxDatabase(profile);
        }
        for (const QString &root : firefoxFolders(libreWolf)) {
            const QString file = profile.isEmpty() ? newestFirefoxDatabase(root)
                                                   : root + QLatin1Char('/') + profile +
                                                         QStringLiteral("/cookies.sqlite");
            if (!file.isEmpty() && QFileInfo::exists(file))
                return file;
        }
        return {};
    }
    if (source.browser == QStringLiteral("safari"))
        return {};
    const QString root = chromiumFolder(source.browser);
    const QString folder = source.browser == QStringLiteral("opera") ? root
                           : source.profile.isEmpty() ? root + QStringLiteral("/Default")
                                                      : root + QLatin1Char('/') + source.profile;
    for (const QString &name : {QStringLiteral("/Network/Cookies"), QStringLiteral("/Cookies")}) {
        if (QFileInfo::exists(folder + name))
            return folder + name;
    }
    return {};
}
