#pragma once

#include "DownloadTypes.h"

#include "cookies/CookieFile.h"
#include "cookies/CookieSource.h"

#include <QStringList>

#include <optional>

// A failed run as the row shows it: what to say, and what it can offer.
struct RunFailure
{
    ErrorKind kind = ErrorKind::Other;
    QString message;
};

// Sign-in walls and cookie reading failures in yt-dlp's standard error,
// turned into messages that say what to do.
namespace SignInErrors {

enum class CookieTrouble
{
    None,
    NotFound, // no such browser or profile
    Locked,   // the browser holds its database
    Keyring,  // the key that decrypts the cookies is out of reach
    BadFile,  // the cookies file is not in the Netscape format
    Other
};

// The site wants a signed-in visitor: YouTube's "Sign in to confirm…",
// members-only and registered-users-only videos, private videos, a page
// answered with HTTP 401 or 403.
bool isSignInWall(const QStringList &lines);
CookieTrouble cookieTrouble(const QStringList &lines);

// The message for a failed run that a sign-in wall or the cookies explain,
// given where that run took its cookies from; nothing otherwise.
std::optional<RunFailure> classify(const QStringList &lines, const CookieSource &cookies);
// The message for a cookies file Reelix refused before the run.
RunFailure fileFailure(const CookieSource &cookies, CookieFile::Problem problem);

} // namespace SignInErrors
