#include "AutoStart.h"
#include "Clips.h"
#include "DownloadManager.h"
#include "DownloadRun.h"
#include "MediaArguments.h"
#include "Playlist.h"
#include "PrintedInfo.h"
#include "Probe.h"
#include "Retag.h"
#include "RunLimits.h"
#include "SubtitleFiles.h"
#include "SubtitleTracks.h"
#include "ToolEnvironment.h"
#include "WorkFolder.h"
#include "YtDlpErrors.h"
#include "YtDlpRun.h"
#include "log/Logger.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <memory>
#include <utility>

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The file yt-dlp reported, else the newest one of the expected kind; only
// ever one in the run's working folder.
std::optional<QString> locateFile(const DownloadItem &item, const WorkFolder &work)
{
    const std::optional<QString> reported = item.run()->reportedFilePath();
    if (reported && work.holds(*reported))
        return reported;
    const auto path = DownloadRun::findLatestFile(
        work.path(), MediaArguments::extension(item.format(), item.choices()));
    if (path)
        //% "yt-dlp did not say where it put the file — taking the newest file in the folder"
        Logger::shared().log(QStringLiteral("  ") + qtTrId("log.fallback_latest_file"),
                             LogLevel::Warning);
    return path;
}

// Probes a finished video (audio is not probed) and rewrites an hev1 tag.
// Each child is held in the item, so that a stop reaches it.
QCoro::Task<std::pair<QString, ProbeResult>> postProcess(QString path, DownloadItem *item)
{
    const bool audio = item->format() == DownloadFormat::Audio;
    const auto ffmpeg = ToolEnvironment::findTool(QStringLiteral("ffmpeg"));
    ProbeResult probe;
    if (!audio)
        probe = co_await probeFile(path, ffmpeg, item);
    // An MKV or WebM is what the user chose over the MP4 every player takes:
    // it is probed for the row, never offered a conversion or a retag.
    if (item->choices().container != Media::Container::Mp4) {
        probe.quickTimeOK = true;
        probe.needsRetag = false;
    }
    Logger::shared().log(QStringLiteral("  probe result: quickTimeOK=") +
                             boolText(probe.quickTimeOK) + QStringLiteral(" needsRetag=") +
                             boolText(probe.needsRetag) + QStringLiteral(" info=") +
                             probe.codecInfo,
                         LogLevel::Debug);
    if (probe.needsRetag && ffmpeg) {
        Logger::shared().log(
            QStringLiteral("  hev1 detected — auto-retagging to hvc1 (no re-encode)"),
            LogLevel::Info);
        if (const Outcome retag = co_await retagHvc1(path, *ffmpeg, item); !retag)
            probe = co_await probeFile(path, ffmpeg, item);
    }
    co_return std::make_pair(path, probe);
}

// Says so when the file is not of the height the user chose (yt-dlp fell
// back to another format); empty otherwise.
QString heightNotice(const DownloadItem &item, int height)
{
    if (item.selectedFormatID().isEmpty() || height <= 0)
        return {};
    for (const VideoFormat &f : item.formats()) {
        if (f.id == item.selectedFormatID() && f.height > 0 && f.height != height)
            //% "Downloaded at %1p: %2p was not available"
            return qtTrId("status.height_fallback").arg(height).arg(f.height);
    }
    return {};
}

void markDone(DownloadItem &item, const std::optional<std::pair<QString, ProbeResult>> &file)
{
    item.setStatus(DownloadStatus::Done);
    if (file)
        item.setFile({file->first, DownloadRun::formattedFileSize(file->first),
                      !file->second.quickTimeOK, file->second.codecInfo});
    item.setProgress(1);
    item.setStatusMessage(file ? heightNotice(item, file->second.videoHeight) : QString());
}

// Whether a download run from the saved information that failed may succeed
// from the page: not after a stop, a tool that did not start, a full disk, a
// DRM refusal, a certificate failure (the ladder already rebuilt the bundle)
// or a want of file handles (the run waits for another's end instead).
bool mayDoBetterFromPage(const DownloadItem &item, const YtDlpRun::RunRecord &outcome,
                         const QString &workFolder)
{
    const ProcessRunResult &run = outcome.last;
    return !item.run()->cancelled() && !run.launchError && run.status != 0 &&
           !DownloadRun::diskFull(outcome.stderrLines, workFolder) &&
           !YtDlpErrors::isDrmProtected(outcome.stderrLines) &&
           !YtDlpErrors::isCertificateFailure(outcome.stderrLines) &&
           !DownloadRun::outOfFileHandles(run, outcome.stderrLines);
}

// The highest height a run from the page takes when no format is chosen:
// its list's, the automatic start's, or none (yt-dlp's usual choice).
int heightCapFor(const DownloadItem &item, const RunSettings &settings)
{
    if (item.isGroupEntry())
        return item.group()->qualityCap();
    if (settings.autoStart && AutoStart::enabled())
        return AutoStart::qualityCap(AutoStart::choice());
    return 0;
}

} // namespace

QCoro::Task<> DownloadManager::startDownload(DownloadItem *target)
{
    RunQueue::Place place(m_downloadQueue, this);
    QPointer<DownloadItem> item(target);
    QPointer<DownloadManager> self(this);
    if (!ItemRun::begin(*item))
        co_return;
    // A run stopped, or cut short when the program ended, resumes its partial file.
    const QString resumeFolder = item->resumeFolder();
    item->setResumeFolder(QString());
    const auto folder =
        item->run()->openWorkFolder(resumeFolder.isEmpty() ? folderFor(*item) : resumeFolder);
    WorkFolder &work = *folder;
    if (!work.isReady()) {
        item->setErrorMessage(qtTrId("error.folder_not_writable").arg(work.parent()));
        item->setStatus(DownloadStatus::Error);
    }
    // Without saved information the one run tells and fetches.
    std::shared_ptr<PrintedInfo> printed;
    if (work.isReady() && item->savedInfo().usablePath().isEmpty()) {
        printed = std::make_shared<PrintedInfo>(*item, item->savedInfo().renew());
        item->run()->setPrintedInfo(printed);
    }
    std::optional<YtDlpRun::RunRecord> outcome;
    if (work.isReady())
        outcome = co_await runDownload(item, work.path(), place);
    std::optional<ParsedVideoInfo> listing;
    if (item && printed)
        listing = co_await printed->settled();
    if (!item)
        co_return;
    // yt-dlp ended its work: the file is kept, even when a stop came just then.
    const bool finished = outcome && outcome->last.started() && outcome->last.status == 0;
    const bool pageOfVideos = !finished && printed && outcome && printed->handedOver(outcome->last);
    if (finished && listing)
        takeListing(item, *outcome, listing);
    else if (finished)
        co_await finishDownload(item, work, outcome->stderrLines);
    if (!item)
        co_return;
    item->run()->end(); // before the item settles, which may start the next run
    const bool waiting = self && m_downloadQueue.holds(item);
    if (!finished && (waiting || (item->status() == DownloadStatus::Cancelled && self &&
                                  allItems().contains(item)))) {
        // Its next run, a retry or its turn after a shortage, resumes the part.
        work.leave();
        item->setResumeFolder(work.parent());
    }
    work.remove();
    if (self && pageOfVideos)
        m_infoQueue.submit(item);
    else if (self && !waiting)
        settle(item);
}

// Probes and retags the file in the working folder, then moves it into the
// download folder; a stop meanwhile keeps the file all the same.
QCoro::Task<> DownloadManager::finishDownload(DownloadItem *target, WorkFolder &work,
                                              QStringList toolLines)
{
    QPointer<DownloadItem> item(target);
    const MediaChoices choices = item->choices();
    QStringList subtitlesBeside;
    if (item->isGroupEntry())
        noteEntryChoice(item);
    else if (const int cap = heightCapFor(*item, m_settings);
             cap > 0 && item->format() == DownloadFormat::Video &&
             item->selectedFormatID().isEmpty())
        item->setSelectedFormatID(Playlist::pickFormat(item->formats(), cap).id);
    std::optional<std::pair<QString, ProbeResult>> file;
    // One file per chapter: their folder goes out as it is, the whole video with the work folder.
    const auto chapter =
        choices.splitChapters ? Clips::placeChapters(work.path(), work.parent()) : std::nullopt;
    if (const auto path = chapter ? chapter : locateFile(*item, work))
        file = co_await postProcess(*path, item);
    if (file && !chapter) {
        const Result<QString> placed = work.place(file->first);
        if (!placed && item) {
            Logger::shared().log(QStringLiteral("  ") + placed.failure().message, LogLevel::Error);
            // The finished file stays where it is, and the row says where.
            const QString kept = work.keep(file->first);
            //% "The download could not be moved into %1: it is kept at %2"
            item->setErrorMessage(qtTrId("error.file_kept").arg(work.parent(), kept));
            item->setStatus(DownloadStatus::Error);
            co_return;
        }
        if (placed)
            subtitlesBeside =
                SubtitleFiles::placeBeside(file->first, *placed, choices.subtitleLanguages);
        file->first = placed ? *placed : QString();
        Logger::shared().log(QStringLiteral("  file placed in the download folder"),
                             LogLevel::Debug);
    }
    if (!item)
        co_return;
    if (item->run()->cancelled()) {
        item->setStatus(DownloadStatus::Cancelled);
        item->setStatusMessage(QString());
        if (file) {
            ItemFile kept = item->file();
            kept.path = file->first;
            item->setFile(kept);
        }
    } else {
        markDone(*item, file);
        item->setMissingSubtitles(SubtitleFiles::missing(
            choices, item->format(), SubtitleTracks::refusedLanguages(toolLines), subtitlesBeside));
    }
}

// The yt-dlp run with its one ladder, from the saved information when there
// is some, moving to the page within that ladder when a run from it fails
// (the saved media addresses expired, the saved result is unusable); a failed
// or stopped run is reported on the item, a successful one is left to the
// caller. A run short of file handles waits for another run's end instead.
// Nothing when yt-dlp is missing.
QCoro::Task<std::optional<YtDlpRun::RunRecord>>
DownloadManager::runDownload(DownloadItem *target, QString workFolder, RunQueue::Place &place)
{
    QPointer<DownloadItem> item(target);
    const CookieSource cookies = m_settings.cookieSource();
    const Result<QString> ytdlp = YtDlpRun::ytdlpFor(*item, cookies);
    if (!ytdlp)
        co_return std::nullopt;
    const QString outputTemplatePath =
        DownloadRun::literalTemplateText(workFolder) + QLatin1Char('/') + outputNameFor(*item);
    auto outcome =
        co_await runDownloadLadder(item, *ytdlp, outputTemplatePath, workFolder, cookies);
    // A finished run is the caller's, even when a stop came as it ended.
    if (!item || !outcome || (outcome->last.started() && outcome->last.status == 0))
        co_return outcome;
    if (!item->run()->cancelled() &&
        DownloadRun::outOfFileHandles(outcome->last, outcome->stderrLines) &&
        place.waitForRunEnd(item)) {
        Logger::shared().log(QStringLiteral("  out of file handles — waits for a run to end"),
                             LogLevel::Warning);
        co_return outcome;
    }
    // A page of several videos, or of several audio tracks none marked as the
    // original, is no failure: the information run takes it.
    if (const PrintedInfo *printed = item->run()->printedInfo();
        printed && printed->handedOver(outcome->last))
        co_return outcome;
    reportDownloadFailure(*item, *outcome, workFolder, cookies);
    co_return outcome;
}

QCoro::Task<std::optional<YtDlpRun::RunRecord>>
DownloadManager::runDownloadLadder(DownloadItem *target, QString ytdlp, QString outputTemplatePath,
                                   QString workFolder, CookieSource cookies)
{
    QPointer<DownloadItem> item(target);
    item->setStatus(DownloadStatus::Downloading);
    //% "Starting…"
    item->setStatusMessage(qtTrId("status.starting"));
    item->setProgress(0);

    const auto source = std::make_shared<DownloadRun::Source>(
        DownloadRun::Source{m_settings.fragments.value_or(RunLimits::concurrentFragments()),
                            item->savedInfo().usablePath(), archiveFor(*item)});
    source->printInfo = item->run()->printedInfo() != nullptr;
    source->heightCap = source->printInfo ? heightCapFor(*item, m_settings) : 0;
    // A part fetched from another address is not resumed from the page's.
    if (source->infoJson.isEmpty())
        WorkFolder::clearContents(workFolder);
    YtDlpRun::Request request;
    request.ytdlp = ytdlp;
    request.cookies = cookies;
    request.writable = {workFolder};
    if (!source->archive.isEmpty()) {
        // yt-dlp appends to the archive: it gets that one file, made
        // beforehand, and not the folder around it.
        QFile archive(source->archive);
        if (archive.open(QIODevice::Append))
            archive.close();
        request.writable << source->archive;
    }
    request.readable = {source->infoJson};
    request.arguments = [item, outputTemplatePath, source](const YtDlpRun::Attempt &attempt) {
        return DownloadRun::downloadArguments(*item, attempt, outputTemplatePath, *source);
    };
    request.anotherSource = [item, source, workFolder](const YtDlpRun::RunRecord &outcome) {
        if (source->infoJson.isEmpty() || !item || !mayDoBetterFromPage(*item, outcome, workFolder))
            return false;
        Logger::shared().log(QStringLiteral("  saved information unusable — extracting anew"),
                             LogLevel::Warning);
        item->savedInfo().drop(); // stale: a later run goes to the page too
        WorkFolder::clearContents(workFolder);
        source->infoJson.clear();
        return true;
    };
    request.onLine = [item](const QString &line) {
        if (item)
            DownloadRun::handleProgressLine(line, *item);
    };
    //% "Trying again another way…"
    request.fallbackMessage = qtTrId("status.retry_fallback");
    co_return co_await YtDlpRun::runWithRetries(item, std::move(request));
}

void DownloadManager::reportDownloadFailure(DownloadItem &item, const YtDlpRun::RunRecord &outcome,
                                            const QString &workFolder, const CookieSource &cookies)
{
    const ProcessRunResult &run = outcome.last;
    if (item.run()->cancelled()) {
        item.setStatus(DownloadStatus::Cancelled);
        item.setStatusMessage(QString());
    } else if (run.launchError) {
        item.setFailure(YtDlpErrors::launchFailure(*run.launchError, QStringLiteral("yt-dlp")));
        item.setStatus(DownloadStatus::Error);
    } else if (run.status != 0) {
        const auto full = DownloadRun::diskFull(outcome.stderrLines, QFileInfo(workFolder).path());
        item.setFailure(full ? *full
                             : YtDlpErrors::failure(outcome.stderrLines,
                                                    ToolEnvironment::isYouTubeURL(item.url()), true,
                                                    cookies));
        item.setStatus(DownloadStatus::Error);
    }
}
