#include "SignInErrors.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

namespace SignInErrors {

namespace {

bool anyLineContains(const QStringList &lines, std::initializer_list<const char *> markers)
{
    return std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) {
        return std::any_of(markers.begin(), markers.end(), [&](const char *marker) {
            return line.contains(QLatin1String(marker), Qt::CaseInsensitive);
        });
    });
}

bool anyLineMatches(const QStringList &lines, const QRegularExpression &pattern)
{
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&](const QString &line) { return pattern.match(line).hasMatch(); });
}

// The browser or the file, as the messages name it.
QString sourceName(const CookieSource &cookies)
{
    return cookies.kind == CookieSource::Kind::File ? QDir::toNativeSeparators(cookies.file)
                                                    : cookies.displayName();
}

Failure troubleFailure(CookieTrouble trouble, const CookieSource &cookies)
{
    if (cookies.kind == CookieSource::Kind::File)
        return fileFailure(cookies, CookieFile::Problem::NotNetscape);
    const QString name = sourceName(cookies);
    switch (trouble) {
    case CookieTrouble::NotFound:
        //% "No %1 cookies were found: the browser or its profile is gone. Choose another one in"
        //% " Tools ▸ Cookies…, then retry."
        return {Failure::Kind::CookiesUnreadable, qtTrId("error.cookies_not_found").arg(name)};
    case CookieTrouble::Locked:
        //% "%1 keeps its cookies locked while it runs. Close %1, then retry."
        return {Failure::Kind::CookiesUnreadable, qtTrId("error.cookies_locked").arg(name)};
    case CookieTrouble::Keyring:
        //% "%1's cookies could not be decrypted: the system keyring is not available. Unlock it"
        //% " (sign in to your desktop session) or use a cookies.txt file, then retry."
        return {Failure::Kind::CookiesUnreadable, qtTrId("error.cookies_keyring").arg(name)};
    case CookieTrouble::BadFile:
    case CookieTrouble::Other:
    case CookieTrouble::None:
        break;
    }
    //% "Reelix could not read %1's cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose"
    //% " another source."
    return {Failure::Kind::CookiesUnreadable, qtTrId("error.cookies_unreadable").arg(name)};
}

} // namespace

bool isSignInWall(const QStringList &lines)
{
    // The address of the page itself refused (not a media file's expired address).
    static const QRegularExpression pageRefused(QStringLiteral(
        R"(Unable to download (?:webpage|[\w ]*(?:page|metadata))\b.*HTTP Error 40[13]\b)"));
    return anyLineContains(
               lines, {"Sign in to confirm", "members-only", "Join this channel to get access",
                       "available to this channel's members", "only available for registered users",
                       "Private video", "This video is private",
                       "Use --cookies-from-browser or --cookies for the authentication"}) ||
           anyLineMatches(lines, pageRefused);
}

CookieTrouble cookieTrouble(const QStringList &lines)
{
    static const QRegularExpression notFound(
        QStringLiteral(R"(could not find \w+ cookies database|safari cookies database not found)"));
    if (anyLineMatches(lines, notFound))
        return CookieTrouble::NotFound;
    if (anyLineContains(lines, {"database is locked", "Could not copy Chrome cookie database"}))
        return CookieTrouble::Locked;
    if (anyLineContains(lines, {"cookies: no key found", "failed to read from keyring",
                                "secretstorage not available", "kwallet-query",
                                "failed to read NetworkWallet", "Failed to decrypt with DPAPI",
                                "find-generic-password failed", "could not be decrypted",
                                "Possibly the key is wrong"}))
        return CookieTrouble::Keyring;
    if (anyLineContains(lines,
                        {"does not look like a Netscape format cookies file",
                         "Cookies file must be Netscape formatted", "skipping cookie file entry"}))
        return CookieTrouble::BadFile;
    if (anyLineContains(lines, {"failed to load cookies", "yt_dlp/cookies.py", "load_cookies",
                                "cookiejar.LoadError"}))
        return CookieTrouble::Other;
    return CookieTrouble::None;
}

std::optional<Failure> classify(const QStringList &lines, const CookieSource &cookies)
{
    if (!cookies.isNone()) {
        const CookieTrouble trouble = cookieTrouble(lines);
        if (trouble != CookieTrouble::None)
            return troubleFailure(trouble, cookies);
    }
    if (!isSignInWall(lines))
        return std::nullopt;
    switch (cookies.kind) {
    case CookieSource::Kind::None:
        return Failure{Failure::Kind::NeedsSignIn, qtTrId("error.sign_in_required")};
    case CookieSource::Kind::Browser:
        return Failure{
            Failure::Kind::NeedsSignIn,
            //% "Your %1 session may have expired — open the site in %1, sign in, then retry."
            qtTrId("error.sign_in_expired").arg(cookies.displayName())};
    case CookieSource::Kind::File:
        break;
    }
    return Failure{Failure::Kind::NeedsSignIn,
                   //% "The cookies in %1 may have expired — sign in to the site in your browser,"
                   //% " export the cookies again, then retry."
                   qtTrId("error.sign_in_file_expired").arg(sourceName(cookies))};
}

Failure fileFailure(const CookieSource &cookies, CookieFile::Problem problem)
{
    const QString name = sourceName(cookies);
    if (problem == CookieFile::Problem::TooLarge)
        return {Failure::Kind::CookiesUnreadable,
                //% "The cookies file %1 is larger than %2, far more than a browser keeps: export"
                //% " your browser’s cookies again in the Netscape cookies.txt format, then retry."
                qtTrId("error.cookies_file_too_large")
                    .arg(name, QLocale().formattedDataSize(CookieFile::kLargest, 0,
                                                           QLocale::DataSizeSIFormat))};
    if (problem == CookieFile::Problem::Missing)
        return {Failure::Kind::CookiesUnreadable,
                //% "The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…,"
                //% " then retry."
                qtTrId("error.cookies_file_missing").arg(name)};
    return {Failure::Kind::CookiesUnreadable,
            //% "The cookies file %1 cannot be read: export it again from your browser in the"
            //% " Netscape cookies.txt format, then retry."
            qtTrId("error.cookies_file_unreadable").arg(name)};
}

} // namespace SignInErrors
