#pragma once

#include "ProcessRunner.h"

#include "cookies/CookieSource.h"
#include "platform/Failure.h"

#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

class DownloadItem;

// A yt-dlp run for an item with its retry ladder, shared by the information
// and download runs: each attempt's command is logged, the child gets the
// tool environment and is held in the item (so that stop can end it) while
// it runs. The callers build their arguments and read the outcome.
namespace YtDlpRun {

// What one attempt runs with.
struct Attempt
{
    bool allowMissingPOT = false;      // YouTube's fallback for formats without a token
    std::optional<QString> bundlePath; // the certificate bundle in use, if any
    CookieSource cookies;              // every attempt of a run takes the same
};

enum class StderrLog
{
    Lines, // each trimmed line at debug level (the information run)
    Block  // the whole text in one entry, its level by its content (the download run)
};

// How the ladder's last run ended.
struct RunRecord
{
    ProcessRunResult last;   // the last run
    QStringList stderrLines; // its standard error, as the request's log style splits it
};

struct Request
{
    QString ytdlp; // the program
    // What the run may write besides its cache and the temporary folder, and
    // read besides the system and the tools (ToolSandbox).
    QStringList writable;
    QStringList readable;
    CookieSource cookies;
    std::function<QStringList(const Attempt &)> arguments;
    std::optional<std::chrono::milliseconds> timeLimit;
    LineCallback onLine;
    QString fallbackMessage; // shown on the item when the fallback attempt starts
    StderrLog stderrLog = StderrLog::Block;
    // After a run that exited 0: resolves to false to go on to the fallback
    // attempt instead of finishing.
    std::function<QCoro::Task<bool>(const ProcessRunResult &, const QStringList &stderrLines,
                                    const Attempt &)>
        acceptSuccess;
    // After a failed run that ends the ladder: true when the caller moved the
    // next run to another source (the download run from the saved information
    // to the page), which then runs within this same ladder.
    std::function<bool(const RunRecord &)> anotherSource;
};

// yt-dlp's path for a run with `cookies`, or why it cannot run: yt-dlp is
// missing, or the cookies file cannot be used as it is (yt-dlp would print
// its lines, values and all). A failure also puts the item in error.
Result<QString> ytdlpFor(DownloadItem &item, const CookieSource &cookies);
// Nothing when the item went away during the runs.
QCoro::Task<std::optional<RunRecord>> runWithRetries(DownloadItem *item, Request request);

} // namespace YtDlpRun
