#include "DownloadManager.h"
#include "InfoFetch.h"
#include "ToolEnvironment.h"
#include "VideoInfo.h"
#include "YtDlpErrors.h"

#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

using namespace std::chrono_literals;

namespace {

// Parses a successful run off the GUI thread, and saves its JSON there for
// the download run. A YouTube video page that gives no formats because the
// JavaScript challenge failed goes on to the fallback attempt (false).
QCoro::Task<bool> parseSuccess(QByteArray json, QStringList stderrLines, bool videoOnYouTube,
                               bool fallback, QString savePath,
                               std::optional<ParsedVideoInfo> &parsed)
{
    auto parsing = QtConcurrent::run([json, savePath] {
        auto info = parseVideoInfo(json);
        if (info && !info->playlist) // a list's entries have their own runs
            SavedInfo::write(savePath, json);
        return info;
    });
    parsed = co_await parsing;
    if (parsed && parsed->audioManifest)
        parsed->audioTracks =
            co_await AudioManifest::refine(*parsed->audioManifest, parsed->audioTracks);
    co_return !(videoOnYouTube && (!parsed || (parsed->formats.isEmpty() && !parsed->playlist)) &&
                !fallback && YtDlpErrors::isYouTubeJavaScriptRuntime(stderrLines));
}

void applyInfo(DownloadItem &item, const YtDlpRun::RunRecord &outcome,
               const std::optional<ParsedVideoInfo> &parsed, bool videoOnYouTube,
               const CookieSource &cookies)
{
    const ProcessRunResult &run = outcome.last;
    if (item.run()->cancelled()) {
        item.setStatus(DownloadStatus::Cancelled);
        return;
    }
    if (run.launchError)
        item.setFailure(YtDlpErrors::launchFailure(*run.launchError, QStringLiteral("yt-dlp")));
    else if (run.status != 0) {
        item.setFailure(YtDlpErrors::failure(
            outcome.stderrLines, ToolEnvironment::isYouTubeURL(item.url()), false, cookies));
    } else if (!parsed)
        //% "The video's information could not be read."
        item.setErrorMessage(qtTrId("error.info_unreadable"));
    else if (parsed->playlist && (item.isGroupEntry() || parsed->playlist->entries.isEmpty())) {
        //% "This address lists no videos"
        const QString empty = qtTrId("playlist.empty");
        //% "This entry is a list itself: add its address on its own"
        const QString nested = qtTrId("playlist.nested");
        item.setErrorMessage(parsed->playlist->entries.isEmpty() ? empty : nested);
    } else if (videoOnYouTube && parsed->formats.isEmpty() && !parsed->playlist)
        item.setErrorMessage(qtTrId("error.youtube_js_runtime"));
    else {
        // An entry keeps the title its list gave it.
        if (!item.isGroupEntry() || item.title().isEmpty())
            item.setTitle(parsed->title);
        item.setThumbnailURL(parsed->thumbnail);
        item.setFormats(parsed->formats, parsed->vcodec);
        item.setTracks(parsed->audioTracks, parsed->subtitles);
        item.setChapters(parsed->chapters);
        if (parsed->duration > 0) // an entry's listing may have told it already
            item.setDuration(parsed->duration);
        item.setStatus(DownloadStatus::Ready);
        return;
    }
    item.setStatus(DownloadStatus::Error);
}

} // namespace

QCoro::Task<> DownloadManager::fetchInfo(DownloadItem *target)
{
    RunQueue::Place place(m_infoQueue, this);
    QPointer<DownloadItem> item(target);
    QPointer<DownloadManager> self(this);
    if (item->isRunning())
        co_return;
    const CookieSource cookies = m_settings.cookieSource();
    const Result<QString> ytdlp = YtDlpRun::ytdlpFor(*item, cookies);
    if (ytdlp) {
        ItemRun::begin(*item);
        item->setStatus(DownloadStatus::Fetching);
        const QString url = item->url();
        const bool youTube = ToolEnvironment::isYouTubeURL(url);
        const bool videoOnYouTube = youTube && item->format() == DownloadFormat::Video;
        std::optional<ParsedVideoInfo> parsed;
        const QString savePath = item->savedInfo().renew();
        YtDlpRun::Request request;
        request.ytdlp = *ytdlp;
        request.cookies = cookies;
        request.arguments = [url](const YtDlpRun::Attempt &a) {
            return InfoFetch::arguments(url, a);
        };
        request.timeLimit = InfoFetch::timeLimit(youTube);
        request.stderrLog = YtDlpRun::StderrLog::Lines;
        request.acceptSuccess = [&parsed, videoOnYouTube,
                                 savePath](const ProcessRunResult &run, const QStringList &lines,
                                           const YtDlpRun::Attempt &attempt) {
            return parseSuccess(run.stdoutData, lines, videoOnYouTube, attempt.allowMissingPOT,
                                savePath, parsed);
        };
        const auto outcome = co_await YtDlpRun::runWithRetries(item, std::move(request));
        if (!outcome)
            co_return;
        applyInfo(*item, *outcome, parsed, videoOnYouTube, cookies);
        if (item->status() != DownloadStatus::Ready || (parsed && parsed->playlist))
            item->savedInfo().drop();
        if (item->status() == DownloadStatus::Ready && parsed && parsed->playlist)
            listGroup(item, *parsed->playlist);
        item->run()->end(); // before the item settles, which may start the next run
    }
    if (self)
        settle(item);
}

void DownloadManager::takeListing(DownloadItem *item, const YtDlpRun::RunRecord &outcome,
                                  const std::optional<ParsedVideoInfo> &listing)
{
    applyInfo(*item, outcome, listing, false, m_settings.cookieSource());
    item->savedInfo().drop();
    if (item->status() == DownloadStatus::Ready && listing && listing->playlist)
        listGroup(item, *listing->playlist);
}
