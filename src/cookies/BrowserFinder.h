#pragma once

#include "CookieSource.h"

#include "platform/PlatformProfile.h"

#include <QList>

// One browser whose cookies yt-dlp can read on this machine: the whole browser
// (yt-dlp takes its most recently used profile) and, when it has several,
// each profile.
struct FoundBrowser
{
    struct Profile
    {
        QString name; // as the browser names it ("default-release", "Work")
        CookieSource source;
    };

    QString displayName;
    CookieSource source;
    QList<Profile> profiles; // empty unless there are several
};

// Finds the browsers in the folders where yt-dlp looks for them: Firefox
// (and LibreWolf, read as Firefox) by their profiles.ini and cookies.sqlite,
// the Chromium family by their profile folders' Cookies database, Safari
// (macOS) by its Cookies.binarycookies.
class BrowserFinder
{
public:
    BrowserFinder(PlatformProfile::Kind system, const QString &home, const QString &configHome);
    // The running system, its HOME and XDG_CONFIG_HOME.
    static BrowserFinder forThisSystem();

    // Firefox first, then LibreWolf, Chrome, Chromium, Brave, Edge, Opera,
    // Vivaldi, Safari.
    QList<FoundBrowser> find() const;
    // The cookie database yt-dlp reads for `source` (for a whole browser, its
    // most recently used profile's); empty when there is none or it is not
    // a database of this system's browsers.
    QString cookieDatabase(const CookieSource &source) const;

private:
    QStringList firefoxFolders(bool libreWolf) const;
    QString chromiumFolder(const QString &browser) const;
    std::optional<FoundBrowser> findFirefox(bool libreWolf) const;
    std::optional<FoundBrowser> findChromium(const QString &browser) const;
    std::optional<FoundBrowser> findSafari() const;

    PlatformProfile::Kind m_system;
    QString m_home;
    QString m_configHome;
};
