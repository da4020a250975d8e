#pragma once

#include <QString>

#include <optional>

// What is known of the yt-dlp the downloads run: its version, the newest
// published one and whose copy it is. The front ends fill it when they learn
// it (no download asks the network for it); a page yt-dlp could not read is
// then blamed on an old yt-dlp when it is one.
namespace YtDlpAge {

// Sites change faster than this: a yt-dlp further behind its newest release
// may no longer read some of them.
constexpr int staleDays = 42;

struct Known
{
    QString version;      // yt-dlp's versions are release dates, "2023.03.04"
    QString newest;       // the newest published version; empty: not known
    bool ownCopy = false; // Reelix's own copy, which Reelix updates

    friend bool operator==(const Known &, const Known &) = default;
};

void set(const Known &known);
Known current();

// The days from one version to the other; nothing unless both are dates.
std::optional<int> daysBetween(const QString &olderVersion, const QString &newerVersion);
// More than `staleDays` behind the newest; unknown versions are not.
bool isStale(const Known &known);

} // namespace YtDlpAge
