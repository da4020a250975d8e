#pragma once

#include <QString>

#include <QCoro/QCoroTask>

#include <optional>

class DownloadItem;

// Re-encoding to H.264/AAC for files the system player cannot play.
namespace Conversion {

// "Clip.webm" → "Clip_qt.mp4" in the same folder.
QString outputPath(const QString &source);
QStringList conversionArguments(const QString &source, const QString &output);
// Seconds from the "Duration: HH:MM:SS.ss" line of ffmpeg's header; 0 when absent.
double parseDuration(const QString &stderrText);
// ffprobe's format duration when ffprobe lies beside ffmpeg, else ffmpeg's
// header; neither decodes the file. The child is held in the item while it runs.
QCoro::Task<double> mediaDuration(QString source, QString ffmpegPath, DownloadItem *item = nullptr);
// The progress fraction of an "out_time_ms=" line, or nothing for other lines.
std::optional<double> progressFraction(const QString &line, double durationSeconds);
void handleConversionProgressLine(const QString &line, double durationSeconds, DownloadItem &item);

} // namespace Conversion
