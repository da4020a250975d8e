#pragma once

#include "engine/DownloadTypes.h"
#include "engine/MediaChoices.h"

#include <QDateTime>
#include <QList>
#include <QString>

class DownloadItem;

// What the saved list keeps of one item: enough to show it and to resume its
// run without visiting the page again. Plain data, safe to hand between threads.
struct ItemRecord
{
    QString id;
    QString url;
    DownloadFormat format = DownloadFormat::Video;
    QString title;
    QString site;
    QString thumbnailURL;
    QList<VideoFormat> formats;
    QString selectedFormatID;
    ItemMedia media; // the file's choices and the tracks the page offers
    DownloadStatus status = DownloadStatus::Waiting;
    double progress = 0;
    QString statusMessage;
    QString errorMessage;
    QString errorDetail; // the tool's own text behind errorMessage
    QString filePath;
    QString fileSize;
    qint64 fileBytes = 0;
    bool needsConversion = false;
    QString codecInfo;
    QString vcodec;
    QString workFolder; // the run's working folder while one goes, else empty
    QString infoPath;   // the information run's saved JSON, else empty
    qint64 position = 0;
    QDateTime added;
    QDateTime updated;

    // `downloadFolder` is where a download run of the item writes.
    static ItemRecord of(const DownloadItem &item, const QString &downloadFolder);
    // The formats as JSON text and back.
    static QString formatsText(const QList<VideoFormat> &formats);
    static QList<VideoFormat> formatsFrom(const QString &text);
};

// One finished download in the history.
struct HistoryRecord
{
    QString id;
    QString url;
    DownloadFormat format = DownloadFormat::Video;
    QString title;
    QString site;
    QString filePath;
    qint64 fileBytes = 0;
    QDateTime finished;

    static HistoryRecord of(const DownloadItem &item);
};

// How a saved item comes back: the item as it was, and what its run does now.
struct RestoredItem
{
    enum class Next
    {
        Nothing,   // shown as it was
        FetchInfo, // its information run had not ended: it runs again
        Download,  // its download resumes from its partial file
        Convert    // its conversion starts again
    };
    DownloadItem *item = nullptr;
    Next next = Next::Nothing;

    static RestoredItem from(const ItemRecord &record);
};
