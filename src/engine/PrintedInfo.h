#pragma once

#include "ProcessRunner.h"
#include "VideoInfo.h"

#include <QByteArray>
#include <QFuture>
#include <QFutureWatcher>
#include <QPointer>

#include <QCoro/QCoroTask>

#include <optional>

class DownloadItem;

// The information a download run from the page prints as it goes: a video's
// before its download starts, a list's entries and then the list itself
// instead of any download (the run lists flat). The video's is parsed off the
// GUI thread, saved for the item's later runs (a resume) and shown on its
// row as soon as it is read, so that one yt-dlp start both tells and fetches.
class PrintedInfo
{
public:
    PrintedInfo(DownloadItem &item, QString savePath);
    PrintedInfo(const PrintedInfo &) = delete;
    PrintedInfo &operator=(const PrintedInfo &) = delete;

    // yt-dlp's print of the information, as the download run asks for it.
    static QStringList printArguments();
    // Takes one line of the run's standard output; false when it is not
    // information (a progress line, the file's path).
    bool take(const QString &line);
    // Resolves once what was printed is read and shown; the list, when the
    // address turned out to be one.
    QCoro::Task<std::optional<ParsedVideoInfo>> settled();
    // Whether the video's information was read and shown.
    bool shown() const { return m_shown; }
    // Whether the run stopped, nothing fetched, at a list whose entries are
    // whole videos (a page of several players): the information run lists it.
    bool stoppedAtList(const ProcessRunResult &run) const;
    // Whether the run was stopped because the choice depends on the page's
    // several audio tracks (every one of them, or the original that only the
    // page's manifest marks): the information run reads them first.
    bool stoppedForTracks() const { return m_stoppedForTracks; }
    // Either of the two: the item goes to the information run instead.
    bool handedOver(const ProcessRunResult &run) const
    {
        return stoppedAtList(run) || m_stoppedForTracks;
    }

private:
    void show();

    QPointer<DownloadItem> m_item;
    QString m_savePath;
    QFuture<std::optional<ParsedVideoInfo>> m_parsing;
    QFutureWatcher<std::optional<ParsedVideoInfo>> m_watcher;
    QByteArray m_last; // the last line printed: a list's own, after its entries
    bool m_list = false;
    bool m_parsed = false; // the first line went to be parsed
    bool m_shown = false;
    bool m_stoppedForTracks = false;
};
