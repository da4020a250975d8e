#include "DownloadManager.h"
#include "DownloadRun.h"
#include "ProcessRunner.h"
#include "RetryLadder.h"
#include "ToolEnvironment.h"
#include "VideoInfo.h"
#include "YtDlpRun.h"
#include "certs/CertificateStore.h"
#include "log/Logger.h"

#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

using namespace ToolEnvironment;

namespace {

QStringList trimmedLines(const QString &text)
{
    QStringList lines;
    for (const QString &piece : text.split(QLatin1Char('\n'))) {
        const QString line = piece.trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

QCoro::Task<> DownloadManager::fetchInfo(DownloadItem *target)
{
    QPointer<DownloadItem> item(target);
    QPointer<DownloadManager> self(this);
    const auto ytdlp = YtDlpRun::findOrFail(*item);
    if (!ytdlp) {
        emit itemSettled(item);
        co_return;
    }
    item->setStatus(DownloadStatus::Fetching);
    item->wasCancelled = false;
    const QString url = item->url();
    const QString site = DownloadRun::siteName(url);
    const bool youTube = isYouTubeURL(url);
    const bool video = item->format() == DownloadFormat::Video;

    RetryLadder ladder;
    ladder.bundlePath = co_await CertificateStore::bundlePath(false);
    const QList<bool> attempts = RetryLadder::attempts(youTube);
    qsizetype attempt = 0;
    ProcessRunResult result;
    QStringList lines;
    std::optional<ParsedVideoInfo> parsed;
    for (;;) {
        if (!item)
            co_return;
        // A stop pressed between two runs (while the bundle is rebuilt) still counts.
        if (item->wasCancelled)
            break;
        const bool allowMissingPOT = attempts.at(attempt);
        if (allowMissingPOT)
            YtDlpRun::logRetryWithMissingToken();
        QStringList args{QStringLiteral("--no-playlist"), QStringLiteral("-j"),
                         QStringLiteral("--socket-timeout"), QStringLiteral("15")};
        args << tlsArguments(ladder.bundlePath) << javaScriptRuntimeArguments(url, allowMissingPOT)
             << ffmpegLocationArguments();
        // "--" ends the options: an address that starts with "-" stays an address.
        args << QStringLiteral("--") << url;
        const LineCallback noLineHandler;
        result = co_await YtDlpRun::run(item, *ytdlp, args, ladder.bundlePath,
                                        youTube ? 300.0 : 45.0, site, noLineHandler);
        if (!item)
            co_return;

        lines = trimmedLines(result.stderrText);
        for (const QString &line : std::as_const(lines))
            Logger::shared().log(QStringLiteral("  stderr: ") + line, LogLevel::Debug);
        Logger::shared().logExit(site, result.status);

        if (item->wasCancelled || result.launchError)
            break;
        const bool hasNextAttempt = attempt + 1 < attempts.size();
        if (result.status == 0) {
            auto parsing = QtConcurrent::run(parseVideoInfo, result.stdoutData);
            parsed = co_await parsing;
            if (!item)
                co_return;
            if (video && youTube && (!parsed || parsed->formats.isEmpty()) && !allowMissingPOT &&
                YtDlpErrors::isYouTubeJavaScriptRuntime(lines) && hasNextAttempt) {
                ++attempt;
                continue;
            }
            break;
        }
        const RetryLadder::Next next =
            co_await ladder.afterFailure(lines, allowMissingPOT, youTube);
        if (next == RetryLadder::Next::SameAttempt)
            continue;
        if (next == RetryLadder::Next::NextAttempt && hasNextAttempt) {
            ++attempt;
            continue;
        }
        break;
    }
    if (!item)
        co_return;

    if (item->wasCancelled) {
        item->setStatus(DownloadStatus::Cancelled);
    } else if (result.launchError) {
        item->setErrorMessage(*result.launchError);
        item->setStatus(DownloadStatus::Error);
    } else if (result.status == 0) {
        if (!parsed) {
            item->setErrorMessage(QStringLiteral("Failed to parse video info"));
            item->setStatus(DownloadStatus::Error);
        } else if (video && youTube && parsed->formats.isEmpty()) {
            item->setErrorMessage(qtTrId("error.youtube_js_runtime"));
            item->setStatus(DownloadStatus::Error);
        } else {
            item->setTitle(parsed->title);
            item->setThumbnailURL(parsed->thumbnail);
            item->setFormats(parsed->formats);
            item->vcodec = parsed->vcodec;
            item->setStatus(DownloadStatus::Ready);
        }
    } else {
        QString message;
        if (YtDlpErrors::isCertificateFailure(lines))
            message = qtTrId("error.ssl_certificate");
        else if (youTube && YtDlpErrors::isYouTubeJavaScriptRuntime(lines))
            message = qtTrId("error.youtube_js_runtime");
        else
            message = YtDlpErrors::lastErrorLine(lines).value_or(qtTrId("status.error"));
        item->setErrorMessage(message);
        item->setStatus(DownloadStatus::Error);
    }
    if (self)
        emit itemSettled(item);
}
