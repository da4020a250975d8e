#include "Conversion.h"

#include "DownloadItem.h"
#include "ProcessRunner.h"
#include "ToolEnvironment.h"
#include "ToolSandbox.h"
#include "platform/PlatformProfile.h"
#include "platform/ToolPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>

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
    // attachments do not fit in MP4; "V" passes over a cover picture, which
    // may come first), 8-bit 4:2:0, even dimensions (at most
    // one pixel less). The output is named by the caller, so its format is given.
    return {QStringLiteral("-y"),
            QStringLiteral("-i"),
            source,
            QStringLiteral("-map"),
            QStringLiteral("0:V:0?"),
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
    RunOptions options;
    options.sandbox = ToolSandbox::forMedia({source});
    const ProcessRunResult result = co_await runForItem(process, item, std::move(options));
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
    // Named for what it does; on a Mac, for the player it is for.
    const int percent = int(*fraction * 100);
    //% "QuickTime conversion — %1%"
    const QString quickTime = qtTrId("status.converting_progress");
    item.setStatusMessage(
        PlatformProfile::current().isMacOS()
            ? quickTime.arg(QLocale().toString(percent))
            //% "Making playable everywhere — %1%"
            : qtTrId("status.converting_playable").arg(QLocale().toString(percent)));
}

} // namespace Conversion
