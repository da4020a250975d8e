#include "DownloadManager.h"
#include "DownloadRun.h"
#include "Probe.h"
#include "ProcessRunner.h"
#include "Retag.h"
#include "RetryLadder.h"
#include "ToolEnvironment.h"
#include "VideoInfo.h"
#include "YtDlpRun.h"
#include "certs/CertificateStore.h"
#include "log/Logger.h"

#include <QFileInfo>
#include <QPointer>

using namespace ToolEnvironment;

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString failureMessage(const QStringList &lines, bool youTube)
{
    if (YtDlpErrors::isDrmProtected(lines))
        return qtTrId("error.drm_protected");
    if (YtDlpErrors::isCertificateFailure(lines))
        return qtTrId("error.ssl_certificate");
    if (youTube && YtDlpErrors::isYouTubeJavaScriptRuntime(lines))
        return qtTrId("error.youtube_js_runtime");
    return YtDlpErrors::lastErrorLine(lines).value_or(qtTrId("status.error"));
}

} // namespace

QCoro::Task<> DownloadManager::startDownload(DownloadItem *target)
{
    QPointer<DownloadItem> item(target);
    QPointer<DownloadManager> self(this);
    const auto ytdlp = YtDlpRun::findOrFail(*item);
    if (!ytdlp) {
        emit itemSettled(item);
        co_return;
    }
    const QString folder = ensureDownloadFolder();
    const QString outputTemplatePath = folder + QLatin1Char('/') + DownloadRun::outputTemplate;
    item->setStatus(DownloadStatus::Downloading);
    item->setStatusMessage(QStringLiteral("Starting…"));
    item->setProgress(0);
    item->reportedFilePath.reset();
    item->wasCancelled = false;

    const QString url = item->url();
    const QString site = DownloadRun::siteName(url);
    const bool youTube = isYouTubeURL(url);
    const bool audio = item->format() == DownloadFormat::Audio;

    RetryLadder ladder;
    ladder.bundlePath = co_await CertificateStore::bundlePath(false);
    const QList<bool> attempts = RetryLadder::attempts(youTube);
    qsizetype attempt = 0;
    ProcessRunResult result;
    QStringList lines;
    for (;;) {
        if (!item)
            co_return;
        if (item->wasCancelled)
            break;
        const bool allowMissingPOT = attempts.at(attempt);
        if (allowMissingPOT) {
            YtDlpRun::logRetryWithMissingToken();
            item->setStatusMessage(QStringLiteral("Retrying YouTube fallback..."));
        }
        const QStringList args = DownloadRun::downloadArguments(
            *item, allowMissingPOT, ladder.bundlePath, outputTemplatePath);
        const LineCallback onLine = [item](const QString &line) {
            if (item)
                DownloadRun::handleProgressLine(line, *item);
        };
        result = co_await YtDlpRun::run(item, *ytdlp, args, ladder.bundlePath, std::nullopt, site,
                                        onLine);
        if (!item)
            co_return;
        Logger::shared().logStderr(result.stderrText, site);
        Logger::shared().logExit(site, result.status);

        if (item->wasCancelled || result.status == 0 || result.launchError)
            break;
        lines = result.stderrText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const RetryLadder::Next next =
            co_await ladder.afterFailure(lines, allowMissingPOT, youTube);
        if (next == RetryLadder::Next::SameAttempt)
            continue;
        if (next == RetryLadder::Next::NextAttempt && attempt + 1 < attempts.size()) {
            ++attempt;
            continue;
        }
        break;
    }
    if (!item)
        co_return;

    if (item->wasCancelled) {
        item->setStatus(DownloadStatus::Cancelled);
        item->setStatusMessage(QString());
    } else if (result.launchError) {
        item->setErrorMessage(*result.launchError);
        item->setStatus(DownloadStatus::Error);
    } else if (result.status != 0) {
        item->setErrorMessage(failureMessage(lines, youTube));
        item->setStatus(DownloadStatus::Error);
    } else {
        std::optional<QString> path;
        if (item->reportedFilePath && QFileInfo(*item->reportedFilePath).isFile()) {
            path = item->reportedFilePath;
        } else {
            path = DownloadRun::findLatestFile(folder, audio ? QStringLiteral("mp3")
                                                             : QStringLiteral("mp4"));
            if (path)
                Logger::shared().log(QStringLiteral("  after_move:filepath absent — fallback sur "
                                                    "findLatestFile"),
                                     LogLevel::Warning);
        }
        if (!path) {
            item->setStatus(DownloadStatus::Done);
            item->setProgress(1);
            item->setStatusMessage(QString());
        } else {
            const auto ffmpeg = findTool(QStringLiteral("ffmpeg"));
            ProbeResult probe;
            if (!audio)
                probe = co_await probeFile(*path, ffmpeg);
            Logger::shared().log(QStringLiteral("  probe result: quickTimeOK=") +
                                     boolText(probe.quickTimeOK) + QStringLiteral(" needsRetag=") +
                                     boolText(probe.needsRetag) + QStringLiteral(" info=") +
                                     probe.codecInfo,
                                 LogLevel::Debug);
            if (probe.needsRetag && ffmpeg) {
                Logger::shared().log(QStringLiteral("  hev1 detected — auto-retagging to hvc1 (no "
                                                    "re-encode)"),
                                     LogLevel::Info);
                const auto retagged = co_await retagHvc1(*path, *ffmpeg);
                if (retagged) {
                    path = retagged;
                    probe = co_await probeFile(*path, ffmpeg);
                }
            }
            if (!item)
                co_return;
            item->setStatus(DownloadStatus::Done);
            item->setFilePath(path);
            item->setFileSize(DownloadRun::formattedFileSize(*path));
            item->setProgress(1);
            item->setNeedsConversion(!probe.quickTimeOK);
            item->setCodecInfo(probe.codecInfo);
            item->setStatusMessage(QString());
        }
    }
    if (self)
        emit itemSettled(item);
}
