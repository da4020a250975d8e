#include "CookieSource.h"

#include "platform/UserDefaults.h"

#include <QFileInfo>

namespace {

const QString kBrowserKey = QStringLiteral("cookiesBrowser");
const QString kProfileKey = QStringLiteral("cookiesProfile");
const QString kFileKey = QStringLiteral("cookiesFile");
// "asked" for cookies only when a site asks; absent (older settings): always.
const QString kWhenKey = QStringLiteral("cookiesWhen");
const QString kWhenAsked = QStringLiteral("asked");

struct BrowserName
{
    const char *id;
    const char *display;
};

const BrowserName kBrowsers[] = {
    {"firefox", "Firefox"},   {"librewolf", "LibreWolf"}, {"chrome", "Google Chrome"},
    {"chromium", "Chromium"}, {"brave", "Brave"},         {"edge", "Microsoft Edge"},
    {"opera", "Opera"},       {"vivaldi", "Vivaldi"},     {"safari", "Safari"},
};

} // namespace

CookieSource CookieSource::fromBrowser(const QString &browser, const QString &profile)
{
    CookieSource source;
    source.kind = Kind::Browser;
    source.browser = browser;
    source.profile = profile;
    return source;
}

CookieSource CookieSource::fromFile(const QString &path)
{
    CookieSource source;
    source.kind = Kind::File;
    source.file = path;
    return source;
}

QStringList CookieSource::arguments() const
{
    switch (kind) {
    case Kind::Browser: {
        // yt-dlp knows LibreWolf only as Firefox reading LibreWolf's folder.
        const bool libreWolf = browser == QStringLiteral("librewolf");
        QString choice = libreWolf ? QStringLiteral("firefox") : browser;
        if (!profile.isEmpty())
            choice += QLatin1Char(':') + profile;
        return {QStringLiteral("--cookies-from-browser"), choice};
    }
    case Kind::File:
        return {QStringLiteral("--cookies"), file};
    case Kind::None:
        break;
    }
    return {};
}

QString CookieSource::displayName() const
{
    if (kind == Kind::File)
        return QFileInfo(file).fileName();
    return kind == Kind::Browser ? browserDisplayName(browser) : QString();
}

CookieSource CookieSource::fromSettings()
{
    const QString file = UserDefaults::value(kFileKey).toString();
    const QString browser = UserDefaults::value(kBrowserKey).toString();
    CookieSource source = !file.isEmpty() ? fromFile(file)
                          : browser.isEmpty()
                              ? none()
                              : fromBrowser(browser, UserDefaults::value(kProfileKey).toString());
    source.onlyWhenAsked =
        !source.isNone() && UserDefaults::value(kWhenKey).toString() == kWhenAsked;
    return source;
}

void CookieSource::save() const
{
    for (const QString &key : {kBrowserKey, kProfileKey, kFileKey, kWhenKey})
        UserDefaults::remove(key);
    if (!isNone() && onlyWhenAsked)
        UserDefaults::setValue(kWhenKey, kWhenAsked);
    if (kind == Kind::Browser) {
        UserDefaults::setValue(kBrowserKey, browser);
        if (!profile.isEmpty())
            UserDefaults::setValue(kProfileKey, profile);
    } else if (kind == Kind::File) {
        UserDefaults::setValue(kFileKey, file);
    }
}

std::optional<CookieSource> CookieSource::fromBrowserArgument(const QString &choice)
{
    const qsizetype colon = choice.indexOf(QLatin1Char(':'));
    const QString head = colon < 0 ? choice : choice.left(colon);
    // A keyring ("chrome+gnomekeyring") stays part of the name yt-dlp gets.
    const QString name = head.section(QLatin1Char('+'), 0, 0).toLower();
    if (name.isEmpty() || name == QStringLiteral("librewolf") || !browserNames().contains(name))
        return std::nullopt;
    return fromBrowser(head.toLower(), colon < 0 ? QString() : choice.mid(colon + 1));
}

QStringList CookieSource::browserNames()
{
    QStringList names;
    for (const BrowserName &b : kBrowsers)
        names << QLatin1String(b.id);
    return names;
}

QString CookieSource::browserDisplayName(const QString &browser)
{
    const QString name = browser.section(QLatin1Char('+'), 0, 0);
    for (const BrowserName &b : kBrowsers) {
        if (name == QLatin1String(b.id))
            return QLatin1String(b.display);
    }
    return browser;
}
