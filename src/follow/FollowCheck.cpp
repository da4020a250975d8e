#include "FollowCheck.h"

#include "FollowList.h"

#include "log/Logger.h"
#include "platform/PlatformProfile.h"
#include "platform/UserDefaults.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <QCoro/QCoroTimer>

using namespace std::chrono;

namespace FollowCheck {

namespace {

// Entries remembered per follow: more than any list shows at once.
constexpr qsizetype seenLimit = 5000;

QString lockPath(const QString &address)
{
    const QByteArray key = QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Sha1);
    const QString folder = PlatformProfile::current().dataDirectory + QStringLiteral("/follows");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + QString::fromLatin1(key.toHex()) + QStringLiteral(".lock");
}

void save(const Follow &follow)
{
    const Outcome saved = FollowList::modify([&](QList<Follow> &follows) {
        // A follow removed while its list was read stays removed.
        if (Follow *f = FollowList::find(follows, follow.address)) {
            const bool paused = f->paused;
            *f = follow;
            f->paused = paused;
        }
    });
    if (saved)
        Logger::shared().log(saved->message + QLatin1Char(' ') + saved->detail, LogLevel::Warning);
}

// Waits out the pause since the last request to `host`.
QCoro::Task<> spaceOut(QHash<QString, steady_clock::time_point> &lastRequest, const QString &host,
                       milliseconds pause)
{
    const auto last = lastRequest.constFind(host);
    if (last != lastRequest.cend()) {
        const auto wait = duration_cast<milliseconds>(*last + pause - steady_clock::now());
        if (wait > 0ms)
            co_await QCoro::sleepFor(wait);
    }
    lastRequest.insert(host, steady_clock::now());
}

// The address an earlier Reelix gave a page's player, known by its place on
// the page then: a follow saved by it still knows the entries it has seen.
QString formerAddress(const PlaylistEntry &entry)
{
    static const QString mark = QStringLiteral("#__youtubedl_smuggle=");
    static const QRegularExpression hashed(QStringLiteral("^(.+)-[0-9a-f]{12}$"));
    const qsizetype at = entry.address.indexOf(mark);
    if (at < 0)
        return {};
    const QJsonObject smuggled =
        QJsonDocument::fromJson(
            QUrl::fromPercentEncoding(entry.address.mid(at + mark.size()).toLatin1()).toUtf8())
            .object();
    const auto m = hashed.match(smuggled.value(QStringLiteral("force_videoid")).toString());
    if (!m.hasMatch())
        return {};
    return Playlist::withVideoId(entry.address.left(at),
                                 m.captured(1) + QLatin1Char('-') + QString::number(entry.index));
}

} // namespace

milliseconds pauseSetting()
{
    const QVariant set = UserDefaults::value(QStringLiteral("followPauseSeconds"));
    const int seconds = set.isValid() ? set.toInt() : 2;
    return milliseconds(qBound(0, seconds, 600) * 1000);
}

QList<PlaylistEntry> freshEntries(const Follow &follow, const PlaylistListing &listing)
{
    const QSet<QString> seen(follow.seen.cbegin(), follow.seen.cend());
    QList<PlaylistEntry> fresh;
    for (const PlaylistEntry &entry : listing.entries) {
        if (!seen.contains(entry.address) && !seen.contains(formerAddress(entry)))
            fresh << entry;
    }
    if (!follow.checkedOnce())
        fresh = fresh.mid(0, follow.firstNewest);
    return fresh;
}

void describeEpisodes(FollowFinding &finding, const QJsonObject &list)
{
    // Entries keep their place in the JSON's list even when the listing leaves them out.
    const QJsonArray entries = list.value(QStringLiteral("entries")).toArray();
    const QString show = finding.follow.title;
    for (const PlaylistEntry &entry : std::as_const(finding.fresh)) {
        MediaServerFiles::Episode episode =
            MediaServerFiles::episodeOf(entries.at(entry.index - 1).toObject(), show);
        if (episode.title.isEmpty())
            episode.title = entry.title;
        finding.episodes.insert(entry.address, episode);
    }
    finding.poster = MediaServerFiles::listPicture(list);
}

void record(Follow &follow, const FeedListing &result, const QDateTime &now)
{
    if (result.tooManyRequests()) {
        // Not a failure: the list keeps its place and is read at a later check.
        follow.notBefore = result.retryAt.isValid()
                               ? result.retryAt
                               : now.addSecs(duration_cast<seconds>(defaultBackOff).count());
        return;
    }
    if (!result.listing) {
        follow.lastError = result.error;
        follow.lastErrorDetail = result.errorDetail;
        return;
    }
    follow.newCount = int(freshEntries(follow, *result.listing).size());
    follow.title = result.listing->title;
    follow.lastError.clear();
    follow.lastErrorDetail.clear();
    follow.lastCheck = now;
    follow.notBefore = {};
    for (const PlaylistEntry &entry : result.listing->entries) {
        if (!follow.seen.contains(entry.address))
            follow.seen << entry.address;
    }
    if (follow.seen.size() > seenLimit)
        follow.seen = follow.seen.mid(follow.seen.size() - seenLimit);
}

QCoro::Task<QList<FollowFinding>> run(Settings settings)
{
    QList<FollowFinding> findings;
    QHash<QString, steady_clock::time_point> lastRequest;
    const QList<Follow> follows = FollowList::load();
    // A site that asked one of its lists to wait is left alone for all of them.
    QHash<QString, QDateTime> waitingHosts;
    for (const Follow &follow : follows) {
        if (follow.notBefore.isValid() && follow.notBefore > waitingHosts.value(follow.host()))
            waitingHosts.insert(follow.host(), follow.notBefore);
    }
    for (const Follow &follow : follows) {
        if (!settings.only.isEmpty() && !settings.only.contains(follow.address))
            continue;
        FollowFinding finding;
        finding.follow = follow;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        bool elsewhere = false;
        if (follow.paused) {
            finding.state = FollowFinding::State::Paused;
        } else if (waitingHosts.value(follow.host()) > now) {
            finding.state = FollowFinding::State::Waiting;
            finding.follow.notBefore = waitingHosts.value(follow.host());
        } else if (finding.claim = LockClaim::take(lockPath(follow.address), &elsewhere);
                   !finding.claim) {
            finding.state = FollowFinding::State::Busy;
        } else {
            co_await spaceOut(lastRequest, follow.host(), settings.pause);
            const FeedListing result = co_await settings.fetch(follow.address);
            record(finding.follow, result, QDateTime::currentDateTimeUtc());
            if (result.tooManyRequests()) {
                finding.state = FollowFinding::State::Waiting;
                waitingHosts.insert(follow.host(), finding.follow.notBefore);
            } else if (result.listing) {
                finding.fresh = freshEntries(follow, *result.listing);
                finding.listed = result.listing->count;
                if (follow.mediaServer)
                    describeEpisodes(finding, result.info);
            } else {
                finding.state = FollowFinding::State::Failed;
                finding.error = result.error;
            }
            save(finding.follow);
        }
        findings << finding;
    }
    co_return findings;
}

} // namespace FollowCheck
