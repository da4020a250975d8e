#pragma once

#include "engine/Playlist.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <QCoro/QCoroTask>

#include <optional>

// One visit to a followed list: yt-dlp lists its entries flat (the page
// once, no entry visited), with its HTTP traffic printed so that a "429 Too
// Many Requests" and its Retry-After can be honoured.
struct FeedListing
{
    std::optional<PlaylistListing> listing; // set when the list was read
    QJsonObject info;                       // yt-dlp's JSON of the list, when read
    int httpStatus = 0;                     // the last answer's status; 0 when none came
    QDateTime retryAt;                      // from a 429's Retry-After; invalid when none
    QString error;                          // why there is no listing, in one sentence
    QString errorDetail;                    // yt-dlp's own line about it; may be empty

    bool tooManyRequests() const { return httpStatus == 429; }

    // yt-dlp's arguments for a listing of `address`.
    static QStringList arguments(const QString &address);
    // The listing from a run's standard output (traffic lines, then the
    // JSON) and standard error; `now` dates a Retry-After in seconds.
    static FeedListing read(const QByteArray &out, const QString &err, const QDateTime &now);
    // A Retry-After value (seconds or an HTTP date) as a time; invalid when unreadable.
    static QDateTime retryAfter(const QString &value, const QDateTime &now);

    // Runs yt-dlp on the address.
    static QCoro::Task<FeedListing> fetch(QString address);
};
