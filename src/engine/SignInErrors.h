#pragma once

#include "cookies/CookieFile.h"
#include "cookies/CookieSource.h"
#include "platform/Failure.h"

#include <QStringList>

#include <optional>

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

// Why a run failed when a sign-in wall or the cookies explain it (kind
// NeedsSignIn or CookiesUnreadable), given where that run took its cookies
// from; nothing otherwise.
std::optional<Failure> classify(const QStringList &lines, const CookieSource &cookies);
// Why Reelix refused a cookies file before the run.
Failure fileFailure(const CookieSource &cookies, CookieFile::Problem problem);

} // namespace SignInErrors
