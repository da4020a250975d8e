#include "Conversion.h"
#include "DownloadItem.h"
#include "DownloadManager.h"
#include "DownloadRun.h"
#include "Probe.h"
#include "ProcessRunner.h"
#include "ToolEnvironment.h"
#include "ToolSandbox.h"
#include "WorkFolder.h"
#include "log/Logger.h"
#include "platform/ToolPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

#include <memory>

namespace {

// ffmpeg's re-encode of `source` into `output`, with progress on the item;
// nothing when the item was stopped before it started.
QCoro::Task<std::optional<ProcessRunResult>> encode(DownloadItem *target, QString ffmpeg,
                                                    QString source, QString output, double duration)
{
    QPointer<DownloadItem> item(target);
    QProcess process;
    process.setProgram(ffmpeg);
    process.setArguments(Conversion::conversionArguments(source, output));
    // Lines arrive while the run is under way; none is handled after it ended.
    auto running = std::make_shared<bool>(true);
    RunOptions options;
    options.sandbox = ToolSandbox::forMedia({source}, QFileInfo(output).absolutePath());
    options.onStdoutLine = [item, duration, running](const QString &line) {
        if (item && *running)
            Conversion::handleConversionProgressLine(line, duration, *item);
    };
    ProcessRunResult result = co_await runForItem(process, item, std::move(options));
    *running = false;
    co_return result;
}

// A conversion that did not end in place: the source is kept as it was.
void applyConversion(DownloadItem &item, const std::optional<ProcessRunResult> &result,
                     const QString &folder)
{
    item.setStatus(DownloadStatus::Done);
    ItemFile kept = item.file();
    kept.needsConversion = true;
    item.setFile(kept);
    item.setStatusMessage(QString());
    if (item.run()->cancelled()) {
        item.setProgress(0);
        return;
    }
    // Nothing ran for want of a working folder, or the whole file could not be put in place.
    if (!result || result->status == 0) {
        //% "Reelix cannot write in %1: check that the folder exists and can be written to."
        item.setErrorMessage(qtTrId("error.folder_not_writable").arg(folder));
        return;
    }
    const QStringList lines = result->stderrText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (const auto full = DownloadRun::diskFull(lines, folder)) {
        item.setFailure(*full);
        return;
    }
    //% "The conversion failed; the downloaded file is kept as it was. "
    //% "Retry, or play it as it is."
    item.setErrorMessage(qtTrId("error.conversion_failed"), Failure::Kind::Tool,
                         lines.isEmpty() ? QString() : lines.last().trimmed());
}

// The converted file's path beside its source; nothing when it could not be moved there.
std::optional<QString> placeConverted(const WorkFolder &work, const QString &temporary)
{
    const Result<QString> placed = work.place(temporary);
    if (placed)
        return *placed;
    Logger::shared().log(QStringLiteral("  ") + placed.failure().message, LogLevel::Error);
    return std::nullopt;
}

} // namespace

QCoro::Task<> DownloadManager::convertToQuickTime(DownloadItem *target)
{
    QPointer<DownloadItem> item(target);
    QPointer<DownloadManager> self(this);
    if (!item || !item->filePath() || item->isRunning())
        co_return;
    const auto ffmpeg = ToolEnvironment::findTool(QStringLiteral("ffmpeg"));
    if (!ffmpeg)
        co_return;
    ItemRun::begin(*item);
    const QString source = *item->filePath();
    // ffmpeg writes in the item's working folder: a failed or stopped run
    // removes nothing but that, and the final name is chosen once the file is whole.
    const auto folder = item->run()->openWorkFolder(QFileInfo(source).path());
    WorkFolder &work = *folder;
    const QString temporary =
        work.path() + QLatin1Char('/') + QFileInfo(Conversion::outputPath(source)).fileName();
    item->setStatus(DownloadStatus::Converting);
    item->setProgress(0);
    item->setStatusMessage(QString());

    const double duration = co_await Conversion::mediaDuration(source, *ffmpeg, item);
    std::optional<ProcessRunResult> result;
    if (item && !item->run()->cancelled() && work.isReady())
        result = co_await encode(item, *ffmpeg, source, temporary, duration);
    if (!item)
        co_return;
    ProbeResult probe;
    if (!item->run()->cancelled() && result && result->status == 0) {
        probe = co_await probeFile(temporary, ffmpeg, item);
        if (!item)
            co_return;
    }
    std::optional<QString> output;
    if (!item->run()->cancelled() && result && result->status == 0)
        output = placeConverted(work, temporary);
    work.remove();
    if (!output) {
        applyConversion(*item, result, work.parent());
    } else {
        // Only now that the converted file is in place under its name.
        QFile::remove(source);
        item->setFile({output, DownloadRun::formattedFileSize(*output), false, probe.codecInfo});
        item->setErrorMessage(QString()); // an earlier failed attempt no longer applies
        item->setStatus(DownloadStatus::Done);
        item->setProgress(1);
        item->setStatusMessage(QString());
    }
    item->run()->end(); // before the item settles, which may start the next run
    if (self)
        settle(item);
}
