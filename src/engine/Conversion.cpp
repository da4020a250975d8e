#include "Conversion.h"

#include "DownloadItem.h"
#include "DownloadManager.h"
#include "DownloadRun.h"
#include "Probe.h"
#include "ProcessRunner.h"
#include "ToolEnvironment.h"
#include "WorkFolder.h"
#include "log/Logger.h"
#include "platform/ToolPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

namespace Conversion {

QString outputPath(const QString &source)
{
    const QFileInfo info(source);
    QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return info.path() + QLatin1Char('/') + name + QStringLiteral("_qt.mp4");
}

QStringList conversionArguments(const QString &source, const QString &output)
{
    // What the system player plays whatever the source: the first video and
    // audio streams only (either may be missing; subtitles, data and
    // attachments do not fit in MP4), 8-bit 4:2:0, even dimensions (at most
    // one pixel less). The output is named by the caller, so its format is given.
    return {QStringLiteral("-y"),
            QStringLiteral("-i"),
            source,
            QStringLiteral("-map"),
            QStringLiteral("0:v:0?"),
            QStringLiteral("-map"),
            QStringLiteral("0:a:0?"),
            QStringLiteral("-vcodec"),
            QStringLiteral("libx264"),
            QStringLiteral("-preset"),
            QStringLiteral("fast"),
            QStringLiteral("-crf"),
            QStringLiteral("18"),
            QStringLiteral("-vf"),
            QStringLiteral("scale=trunc(iw/2)*2:trunc(ih/2)*2"),
            QStringLiteral("-pix_fmt"),
            QStringLiteral("yuv420p"),
            QStringLiteral("-acodec"),
            QStringLiteral("aac"),
            QStringLiteral("-b:a"),
            QStringLiteral("192k"),
            QStringLiteral("-movflags"),
            QStringLiteral("+faststart"),
            QStringLiteral("-progress"),
            QStringLiteral("pipe:1"),
            QStringLiteral("-f"),
            QStringLiteral("mp4"),
            output};
}

double parseDuration(const QString &stderrText)
{
    static const QRegularExpression pattern(QStringLiteral(R"(Duration: (\d+):(\d+):(\d+\.?\d*))"));
    const QRegularExpressionMatch match = pattern.match(stderrText);
    if (!match.hasMatch())
        return 0;
    const QStringList pieces = match.captured()
                                   .remove(QStringLiteral("Duration: "))
                                   .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (pieces.size() != 3)
        return 0;
    bool okH = false, okM = false, okS = false;
    const double h = pieces[0].toDouble(&okH);
    const double m = pieces[1].toDouble(&okM);
    const double s = pieces[2].toDouble(&okS);
    if (!okH || !okM || !okS)
        return 0;
    return h * 3600 + m * 60 + s;
}

QCoro::Task<double> mediaDuration(QString source, QString ffmpegPath, DownloadItem *item)
{
    const QString ffprobe = QFileInfo(ffmpegPath).path() + QStringLiteral("/ffprobe");
    const bool viaProbe = ToolPaths::isExecutableFile(ffprobe);
    QProcess process;
    if (viaProbe) {
        const QStringList args{QStringLiteral("-v"),
                               QStringLiteral("error"),
                               QStringLiteral("-show_entries"),
                               QStringLiteral("format=duration"),
                               QStringLiteral("-of"),
                               QStringLiteral("default=nw=1:nk=1"),
                               source};
        process.setProgram(ffprobe);
        process.setArguments(args);
    } else {
        // Without an output ffmpeg prints the input header and stops: no decoding.
        const QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-i"), source};
        process.setProgram(ffmpegPath);
        process.setArguments(args);
    }
    const ProcessRunResult result = co_await runForItem(process, item);
    if (!viaProbe)
        co_return parseDuration(result.stderrText);
    bool ok = false;
    const double seconds =
        QLocale::c().toDouble(QString::fromUtf8(result.stdoutData).trimmed(), &ok);
    co_return (ok && seconds > 0) ? seconds : 0.0;
}

std::optional<double> progressFraction(const QString &line, double durationSeconds)
{
    if (!line.contains(QStringLiteral("out_time_ms=")))
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(line.split(QLatin1Char('=')).last().trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    if (durationSeconds <= 0)
        return 0.0;
    return std::min(value / 1000000.0 / durationSeconds, 1.0);
}

void handleConversionProgressLine(const QString &line, double durationSeconds, DownloadItem &item)
{
    const auto fraction = progressFraction(line, durationSeconds);
    if (!fraction)
        return;
    item.setProgress(*fraction);
    item.setStatusMessage(qtTrId("status.converting_progress").arg(int(*fraction * 100)));
}

} // namespace Conversion

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
        item.setErrorMessage(qtTrId("error.folder_not_writable").arg(folder));
        return;
    }
    const QStringList lines = result->stderrText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (const auto full = DownloadRun::diskFull(lines, folder))
        item.setFailure(*full);
    else
        item.setErrorMessage(lines.isEmpty() ? QStringLiteral("Conversion failed") : lines.last());
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
