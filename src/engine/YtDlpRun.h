#pragma once

#include "ProcessRunner.h"

#include <QStringList>

#include <optional>

class DownloadItem;

// One yt-dlp run for an item, shared by the information and download runs:
// the command is logged, the child gets the tool environment and is held in
// the item (so that stop can end it) while it runs.
namespace YtDlpRun {

// yt-dlp's path, or nothing after putting the item in error.
std::optional<QString> findOrFail(DownloadItem &item);
QCoro::Task<ProcessRunResult> run(DownloadItem *item, QString ytdlp, QStringList arguments,
                                  std::optional<QString> bundlePath,
                                  std::optional<double> timeoutSeconds, QString siteName,
                                  LineCallback onLine);
void logRetryWithMissingToken();

} // namespace YtDlpRun
