#include "DownloadManager.h"
#include "DownloadRun.h"
#include "Probe.h"
#include "Retag.h"
#include "ToolEnvironment.h"
#include "VideoInfo.h"
#include "YtDlpRun.h"
#include "log/Logger.h"

#include <QFileInfo>
#include <QPointer>

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The file yt-dlp reported, else the newest one of the expected kind.
std::optional<QString> locateFile(const DownloadItem &item, const QString &folder)
{
    if (item.reportedFilePath && QFileInfo(*item.reportedFilePath).isFile())
        return item.reportedFilePath;
    const bool audio = item.format() == DownloadFormat::Audio;
    const auto path =
        DownloadRun::findLatestFile(folder, audio ? QStringLiteral("mp3") : QStringLiteral("mp4"));
    if (path)
        Logger::shared().log(
            QStringLiteral("  after_move:filepath absent — fallback sur findLatestFile"),
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
    Logger::shared().log(QStringLiteral("  probe result: quickTimeOK=") +
                             boolText(probe.quickTimeOK) + QStringLiteral(" needsRetag=") +
                             boolText(probe.needsRetag) + QStringLiteral(" info=") +
                             probe.codecInfo,
                         LogLevel::Debug);
    if (probe.needsRetag && ffmpeg) {
        Logger::shared().log(
            QStringLiteral("  hev1 detected — auto-retagging to hvc1 (no re-encode)"),
            LogLevel::Info);
        if (const auto retagged = co_await retagHvc1(path, *ffmpeg, item)) {
            path = *retagged;
            probe = co_await probeFile(path, ffmpeg, item);
        }
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
            return QStringLiteral("Downloaded at %1p: %2p was not available")
                .arg(height)
                .arg(f.height);
    }
    return {};
}

void markDone(DownloadItem &item, const std::optional<std::pair<QString, ProbeResult>> &file)
{
    item.setStatus(DownloadStatus::Done);
    if (file) {
        item.setFilePath(file->first);
        item.setFileSize(DownloadRun::formattedFileSize(file->first));
    }
    item.setProgress(1);
    if (file) {
        item.setNeedsConversion(!file->second.quickTimeOK);
        item.setCodecInfo(file->second.codecInfo);
    }
    item.setStatusMessage(file ? heightNotice(item, file->second.videoHeight) : QString());
}

} // namespace

QCoro::Task<> DownloadManager::startDownload(DownloadItem *target)
{
    QPointer<DownloadItem> item(target);
    QPointer<DownloadManager> self(this);
    if (item->runActive)
        co_return;
    item->runActive = true;
    const auto outcome = co_await runDownload(item);
    if (!item)
        co_return;
    if (outcome && !item->wasCancelled && outcome->last.started() && outcome->last.status == 0) {
        std::optional<std::pair<QString, ProbeResult>> file;
        if (const auto path = locateFile(*item, downloadFolder()))
            file = co_await postProcess(*path, item);
        if (!item)
            co_return;
        if (item->wasCancelled) {
            // Stopped while probing or retagging: the downloaded file stays.
            item->setStatus(DownloadStatus::Cancelled);
            item->setStatusMessage(QString());
        } else {
            markDone(*item, file);
        }
    }
    item->runActive = false; // before the settled signal, which may start the next run
    if (self)
        emit itemSettled(item);
}

// The yt-dlp run with its ladder; a failed or stopped run is reported on the
// item, a successful one is left to the caller. Nothing when yt-dlp is missing.
QCoro::Task<std::optional<YtDlpRun::Outcome>> DownloadManager::runDownload(DownloadItem *target)
{
    QPointer<DownloadItem> item(target);
    const auto ytdlp = YtDlpRun::findOrFail(*item);
    if (!ytdlp)
        co_return std::nullopt;
    const QString outputTemplatePath = DownloadRun::literalTemplateText(ensureDownloadFolder()) +
                                       QLatin1Char('/') + DownloadRun::outputTemplate;
    item->setStatus(DownloadStatus::Downloading);
    item->setStatusMessage(QStringLiteral("Starting…"));
    item->setProgress(0);
    item->reportedFilePath.reset();
    item->wasCancelled = false;

    YtDlpRun::Request request;
    request.ytdlp = *ytdlp;
    request.arguments = [item, outputTemplatePath](const YtDlpRun::Attempt &attempt) {
        return DownloadRun::downloadArguments(*item, attempt.allowMissingPOT, attempt.bundlePath,
                                              outputTemplatePath);
    };
    request.onLine = [item](const QString &line) {
        if (item)
            DownloadRun::handleProgressLine(line, *item);
    };
    request.fallbackMessage = QStringLiteral("Retrying YouTube fallback...");
    auto outcome = co_await YtDlpRun::runWithRetries(item, std::move(request));
    if (!item || !outcome)
        co_return outcome;
    const ProcessRunResult &run = outcome->last;
    if (item->wasCancelled) {
        item->setStatus(DownloadStatus::Cancelled);
        item->setStatusMessage(QString());
    } else if (run.launchError) {
        item->setErrorMessage(run.launchError->message);
        item->setStatus(DownloadStatus::Error);
    } else if (run.status != 0) {
        item->setErrorMessage(YtDlpErrors::failureMessage(
            outcome->stderrLines, ToolEnvironment::isYouTubeURL(item->url()), true));
        item->setStatus(DownloadStatus::Error);
    }
    co_return outcome;
}
