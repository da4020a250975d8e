#pragma once

#include "MediaChoices.h"
#include "cookies/CookieSource.h"

#include <QString>

#include <optional>

// What one download list runs with where it differs from the user's
// settings, handed to the manager in one go (the command line fills it from
// its options); the remembered settings are left as they are. Also where the
// download folder is remembered between runs of the program.
struct RunSettings
{
    // The download folder; empty: the remembered one.
    QString folder = {};
    // Fragments in flight (1–16); unset: the setting.
    std::optional<int> fragments = {};
    // Where the runs take their cookies from; unset: the setting.
    std::optional<CookieSource> cookies = {};
    // Only these entries of each list ("1-5,8", as yt-dlp's --playlist-items).
    QString items = {};
    // New lists skip what their folder's archive holds.
    bool archive = true;
    // Items that become ready start by themselves while the "autoStart"
    // setting is on (the app does so; the command line starts its own).
    bool autoStart = false;
    // The file choices new items start from; unset: the defaults in preferences.
    std::optional<MediaChoices> choices = {};
    // New items download at once with the usual choice (the command line's
    // download without a format of its own).
    bool startAtOnce = false;

    // The cookies a run takes: these, else the setting.
    CookieSource cookieSource() const { return cookies.value_or(CookieSource::fromSettings()); }

    // The folder chosen in an earlier run while it is still there, else the default one.
    static QString rememberedFolder();
    static void rememberFolder(const QString &path);
    // The platform's folder for downloads, made when missing.
    static QString defaultFolder();
};
