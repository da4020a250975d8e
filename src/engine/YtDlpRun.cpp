#include "YtDlpRun.h"

#include "DownloadItem.h"
#include "ToolEnvironment.h"
#include "log/Logger.h"

#include <QPointer>
#include <QProcess>

namespace YtDlpRun {

std::optional<QString> findOrFail(DownloadItem &item)
{
    const auto ytdlp = ToolEnvironment::findTool(QStringLiteral("yt-dlp"));
    if (!ytdlp) {
        item.setStatus(DownloadStatus::Error);
        item.setErrorMessage(qtTrId("error.ytdlp_not_found"));
    }
    return ytdlp;
}

QCoro::Task<ProcessRunResult> run(DownloadItem *target, QString ytdlp, QStringList arguments,
                                  std::optional<QString> bundlePath,
                                  std::optional<double> timeoutSeconds, QString siteName,
                                  LineCallback onLine)
{
    QPointer<DownloadItem> item(target);
    Logger::shared().logCommand(siteName, arguments);
    QProcess process;
    process.setProgram(ytdlp);
    process.setArguments(arguments);
    ToolEnvironment::configureEnvironment(process, bundlePath);
    item->process = &process;
    ProcessRunResult result = co_await ::run(process, timeoutSeconds, siteName, std::move(onLine));
    if (item)
        item->process = nullptr;
    co_return result;
}

void logRetryWithMissingToken()
{
    Logger::shared().log(QStringLiteral("  YouTube retry with missing PO-token formats enabled"),
                         LogLevel::Warning);
}

} // namespace YtDlpRun
