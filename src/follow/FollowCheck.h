#pragma once

#include "FeedListing.h"
#include "Follow.h"
#include "MediaServerFiles.h"

#include "platform/LockClaim.h"

#include <QCoro/QCoroTask>

#include <chrono>
#include <functional>
#include <memory>

// What one check found for one follow.
struct FollowFinding
{
    enum class State
    {
        Read,    // the list was read; `fresh` holds what is new
        Failed,  // the list could not be read; `error` says why
        Waiting, // the site asked to be left alone for now (HTTP 429)
        Busy,    // another check (perhaps another process) has it in hand
        Paused   // the user paused it
    };
    Follow follow; // as saved after this check
    State state = State::Read;
    QList<PlaylistEntry> fresh;
    int listed = 0; // entries the list showed, those left out counted
    // For a follow that writes media servers' files: each fresh entry's
    // episode by its address, and the list's own picture.
    QHash<QString, MediaServerFiles::Episode> episodes;
    QString poster;
    QString error;
    // Held while the new entries download, so that no other check starts
    // runs of the same source meanwhile.
    std::shared_ptr<LockClaim> claim;
};

// A check of every follow: each list is visited once, requests to one site
// spaced out by a pause, a site that answers "too many requests" left alone
// until the time it asked for (or an hour), and the results saved in
// FollowList as each list is read.
namespace FollowCheck {

using Fetch = std::function<QCoro::Task<FeedListing>(QString address)>;

struct Settings
{
    std::chrono::milliseconds pause{2000}; // between two requests to one site
    // The follows to check (their addresses); empty: every one.
    QStringList only;
    Fetch fetch = FeedListing::fetch;
};

// The pause between requests to one site, as set in preferences.
std::chrono::milliseconds pauseSetting();
// A site that answers 429 without a Retry-After is left alone this long.
constexpr std::chrono::seconds defaultBackOff{3600};

// The entries of `listing` that `follow` has not seen: on its first check
// the newest `firstNewest` (lists put the newest first), nothing when 0.
QList<PlaylistEntry> freshEntries(const Follow &follow, const PlaylistListing &listing);
// What media servers read about the fresh entries of `finding`, from the list's JSON.
void describeEpisodes(FollowFinding &finding, const QJsonObject &list);
// `follow` after a visit that gave `result` at `now`.
void record(Follow &follow, const FeedListing &result, const QDateTime &now);

QCoro::Task<QList<FollowFinding>> run(Settings settings);

} // namespace FollowCheck
