#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where yt-dlp takes the cookies of a run from: nothing, a browser's profile
// (yt-dlp reads its cookie database itself) or a cookies.txt file. Only the
// browser and profile names or the file's path are kept, never a cookie.
struct CookieSource
{
    enum class Kind
    {
        None,
        Browser,
        File
    };

    Kind kind = Kind::None;
    // yt-dlp's browser name ("firefox", "chrome", …), or "librewolf", which
    // yt-dlp reads as Firefox from the profile folder.
    QString browser;
    // Empty: the browser's most recently used profile. A profile's folder
    // name, or an absolute folder.
    QString profile;
    QString file; // the cookies.txt
    // Runs go without cookies and take these only after a site asked for a
    // signed-in visitor; false: every run takes them.
    bool onlyWhenAsked = false;

    static CookieSource none() { return {}; }
    static CookieSource fromBrowser(const QString &browser, const QString &profile = {});
    static CookieSource fromFile(const QString &path);

    bool isNone() const { return kind == Kind::None; }
    // yt-dlp's options: "--cookies-from-browser BROWSER[:PROFILE]" or "--cookies FILE".
    QStringList arguments() const;
    // "Firefox", "Google Chrome"; the file's name for a file.
    QString displayName() const;

    // The setting the desktop app saves, shared with reelix-cli.
    static CookieSource fromSettings();
    void save() const;

    // A "--cookies-from-browser" value as yt-dlp takes it
    // (BROWSER[+KEYRING][:PROFILE]); nothing for an unknown browser.
    static std::optional<CookieSource> fromBrowserArgument(const QString &choice);
    // The browsers yt-dlp reads, by their yt-dlp names, and their display names.
    static QStringList browserNames();
    static QString browserDisplayName(const QString &browser);

    friend bool operator==(const CookieSource &, const CookieSource &) = default;
};
