#pragma once

#include <QString>

// A cookies.txt checked before yt-dlp reads it, and cookie values kept out
// of what Reelix shows or logs of yt-dlp's output.
namespace CookieFile {

enum class Problem
{
    None,
    Missing,
    Unreadable,
    NotNetscape, // not the Netscape format yt-dlp reads
    TooLarge     // far beyond any browser's cookies: not read at all
};

// A cookies.txt larger than this is refused before anyone reads it.
constexpr qint64 kLargest = 32'000'000;

// Checks the file the way yt-dlp loads it. yt-dlp repeats each line it
// cannot take, value and all, on its standard error: such a file is refused
// before it gets there.
Problem problem(const QString &path);

// `text` with what looks like a cookie line or a Cookie header's value hidden.
QString withoutCookieValues(const QString &text);

} // namespace CookieFile
