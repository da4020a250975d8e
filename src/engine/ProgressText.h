#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// What a download tool says of a running download; each figure it did not
// know is left empty.
struct ProgressFigures
{
    std::optional<double> percent; // 0 to 100
    std::optional<qint64> doneBytes;
    std::optional<qint64> totalBytes;
    bool totalEstimated = false; // the total is the tool's guess
    std::optional<double> bytesPerSecond;
    std::optional<qint64> secondsLeft;

    friend bool operator==(const ProgressFigures &, const ProgressFigures &) = default;
};

// The progress line of a running row in the user's language:
// "42% · 340 MB of 812 MB · 11.5 MB/s · 41 s left". Unknown parts are left out.
namespace ProgressText {
QString line(const ProgressFigures &figures, const QLocale &locale = QLocale());
// "41 s", "3 min 05 s", "1 h 02 min".
QString duration(qint64 seconds, const QLocale &locale = QLocale());
} // namespace ProgressText
