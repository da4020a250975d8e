#include "YtDlpRun.h"

#include "DownloadItem.h"
#include "DownloadRun.h"
#include "RetryLadder.h"
#include "SignInErrors.h"
#include "ToolEnvironment.h"
#include "ToolSandbox.h"
#include "certs/CertificateStore.h"
#include "cookies/CookieFile.h"
#include "log/Logger.h"

#include <QPointer>
#include <QProcess>

namespace YtDlpRun {

namespace {

QCoro::Task<ProcessRunResult> runOnce(DownloadItem *target, const Request &request,
                                      const Attempt &attempt, QString site)
{
    QPointer<DownloadItem> item(target);
    const QStringList arguments = request.arguments(attempt);
    Logger::shared().logCommand(site, arguments);
    QProcess process;
    process.setProgram(request.ytdlp);
    process.setArguments(arguments);
    ToolEnvironment::configureEnvironment(process, attempt.bundlePath);
    RunOptions options{request.timeLimit, site, request.onLine, {}};
    QStringList readable = request.readable;
    if (attempt.bundlePath)
        readable << *attempt.bundlePath;
    options.sandbox = ToolSandbox::forYtDlp(request.writable, readable, attempt.cookies);
    ProcessRunResult result = co_await runForItem(process, item, std::move(options));
    // Nothing of a cookie reaches the log or the row.
    if (!attempt.cookies.isNone())
        result.stderrText = CookieFile::withoutCookieValues(result.stderrText);
    co_return result;
}

// Logs the run's standard error and exit; returns the lines the ladder reads.
QStringList logRun(const ProcessRunResult &result, StderrLog style, const QString &site)
{
    QStringList lines;
    if (style == StderrLog::Block) {
        Logger::shared().logStderr(result.stderrText, site);
        lines = result.stderrText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    } else {
        for (const QString &piece : result.stderrText.split(QLatin1Char('\n'))) {
            const QString line = piece.trimmed();
            if (line.isEmpty())
                continue;
            lines << line;
            Logger::shared().log(QStringLiteral("  stderr: ") + line, LogLevel::Debug);
        }
    }
    Logger::shared().logExit(site, result.status);
    return lines;
}

Result<QString> findYtDlp(const CookieSource &cookies)
{
    const auto ytdlp = ToolEnvironment::findTool(QStringLiteral("yt-dlp"));
    if (!ytdlp)
        //% "yt-dlp is not installed. Open Tools ▸ Check for updates to install it."
        return Failure{Failure::Kind::Launch, qtTrId("error.ytdlp_not_found")};
    if (cookies.kind != CookieSource::Kind::File)
        return *ytdlp;
    const CookieFile::Problem problem = CookieFile::problem(cookies.file);
    if (problem != CookieFile::Problem::None)
        return SignInErrors::fileFailure(cookies, problem);
    return *ytdlp;
}

// With cookies "when a site asks", a run that met a sign-in wall without
// cookies goes again, once, with them; the row says so.
bool signInWithCookies(DownloadItem &item, const Request &request, CookieSource &cookies,
                       const RunRecord &outcome)
{
    if (!request.cookies.onlyWhenAsked || !cookies.isNone() || outcome.last.status == 0 ||
        !SignInErrors::isSignInWall(outcome.stderrLines))
        return false;
    cookies = request.cookies;
    Logger::shared().log(QStringLiteral("  Sign-in wall: trying again with the cookies of ") +
                             cookies.displayName(),
                         LogLevel::Warning);
    //% "This site asks you to sign in: trying again with the cookies of %1. "
    //% "What you download with them is tied to your account."
    item.setStatusMessage(qtTrId("status.sign_in_retry").arg(cookies.displayName()));
    return true;
}

} // namespace

Result<QString> ytdlpFor(DownloadItem &item, const CookieSource &cookies)
{
    Result<QString> ytdlp = findYtDlp(cookies);
    if (!ytdlp) {
        item.setFailure(ytdlp.failure());
        item.setStatus(DownloadStatus::Error);
    }
    return ytdlp;
}

QCoro::Task<std::optional<RunRecord>> runWithRetries(DownloadItem *target, Request request)
{
    QPointer<DownloadItem> item(target);
    const QString site = DownloadRun::siteName(item->url());
    const bool youTube = ToolEnvironment::isYouTubeURL(item->url());
    RetryLadder ladder(youTube);
    ladder.bundlePath = co_await CertificateStore::bundlePath(false);
    RunRecord outcome;
    CookieSource cookies = request.cookies.onlyWhenAsked ? CookieSource::none() : request.cookies;
    for (;;) {
        if (!item)
            co_return std::nullopt;
        // A stop pressed between two runs (while the bundle is rebuilt) still counts.
        if (item->run()->cancelled())
            break;
        const Attempt attempt{ladder.allowMissingPOT(), ladder.bundlePath, cookies};
        if (attempt.allowMissingPOT) {
            Logger::shared().log(
                QStringLiteral("  YouTube retry with missing PO-token formats enabled"),
                LogLevel::Warning);
            if (!request.fallbackMessage.isEmpty())
                item->setStatusMessage(request.fallbackMessage);
        }
        outcome.last = co_await runOnce(item, request, attempt, site);
        if (!item)
            co_return std::nullopt;
        outcome.stderrLines = logRun(outcome.last, request.stderrLog, site);
        if (item->run()->cancelled() || item->run()->interrupted() || !outcome.last.started())
            break;
        RetryLadder::Next next = RetryLadder::Next::Finish;
        if (outcome.last.status != 0)
            next = co_await ladder.afterFailure(outcome.stderrLines, youTube);
        else if (request.acceptSuccess &&
                 !co_await request.acceptSuccess(outcome.last, outcome.stderrLines, attempt))
            next = RetryLadder::Next::NextAttempt;
        if (next == RetryLadder::Next::Finish && outcome.last.status != 0 &&
            request.anotherSource && request.anotherSource(outcome))
            next = RetryLadder::Next::SameAttempt;
        if (next == RetryLadder::Next::Finish &&
            signInWithCookies(*item, request, cookies, outcome))
            next = RetryLadder::Next::SameAttempt;
        if (!ladder.advance(next))
            break;
    }
    co_return outcome;
}

} // namespace YtDlpRun
