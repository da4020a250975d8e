#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// One followed channel, playlist or feed: its address, how its new entries
// are downloaded, and what its checks found. Plain data, kept in FollowList.
struct Follow
{
    QString address;
    QString title; // the list's title as its last check read it; empty until then
    // How new entries download: reelix-cli download's options (file choices,
    // --audio, --format, --folder...), a list of arguments, never shell text.
    QStringList options;
    // The first check takes the newest `firstNewest` entries; 0: only what
    // comes after it.
    int firstNewest = 0;
    bool paused = false;
    // Each new file gets what media servers read beside it (MediaServerFiles).
    bool mediaServer = false;

    QDateTime lastCheck;     // when a check last read the list
    int newCount = 0;        // entries the last check found new
    QString lastError;       // why the last check failed; empty when it did not
    QString lastErrorDetail; // the tool's own line about it
    QStringList seen;        // entry addresses already listed by a check
    QDateTime notBefore;     // the site asked to be left alone until then

    bool checkedOnce() const { return lastCheck.isValid(); }
    // The host the list is on: requests to one host are spaced out.
    QString host() const;

    QJsonObject toJson() const;
    static Follow fromJson(const QJsonObject &json);
};
