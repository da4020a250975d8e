#include "ProgressText.h"

#include "SizeText.h"

#include <QStringList>

#include <cmath>

namespace ProgressText {

namespace {

// Two digits, as a clock shows minutes and seconds after a larger unit.
QString twoDigits(qint64 value, const QLocale &locale)
{
    return locale.toString(value).rightJustified(2, locale.zeroDigit().at(0));
}

// The downloaded and total sizes as far as they are known.
QString amountPart(const ProgressFigures &f, const QLocale &locale)
{
    std::optional<qint64> done = f.doneBytes;
    if (!done && f.percent && f.totalBytes)
        done = std::llround(*f.percent / 100.0 * double(*f.totalBytes));
    if (done && f.totalBytes) {
        const QString doneText = sizeText(*done, locale);
        const QString totalText = sizeText(*f.totalBytes, locale);
        //% "%1 of ~%2"
        return f.totalEstimated ? qtTrId("progress.of_estimate").arg(doneText, totalText)
                                //% "%1 of %2"
                                : qtTrId("progress.of_total").arg(doneText, totalText);
    }
    if (f.totalBytes)
        return (f.totalEstimated ? QStringLiteral("~") : QString()) +
               sizeText(*f.totalBytes, locale);
    return done ? sizeText(*done, locale) : QString();
}

} // namespace

QString duration(qint64 seconds, const QLocale &locale)
{
    seconds = std::max<qint64>(seconds, 0);
    if (seconds < 60)
        //% "%1 s"
        return qtTrId("duration.seconds").arg(locale.toString(seconds));
    if (seconds < 3600)
        //% "%1 min %2 s"
        return qtTrId("duration.minutes")
            .arg(locale.toString(seconds / 60), twoDigits(seconds % 60, locale));
    //% "%1 h %2 min"
    return qtTrId("duration.hours")
        .arg(locale.toString(seconds / 3600), twoDigits(seconds % 3600 / 60, locale));
}

QString line(const ProgressFigures &f, const QLocale &locale)
{
    QStringList parts;
    if (f.percent)
        //% "%1%"
        parts << qtTrId("progress.percent")
                     .arg(locale.toString(int(std::floor(std::clamp(*f.percent, 0.0, 100.0)))));
    if (const QString amount = amountPart(f, locale); !amount.isEmpty())
        parts << amount;
    if (f.bytesPerSecond)
        //% "%1/s"
        parts << qtTrId("progress.speed").arg(sizeText(std::llround(*f.bytesPerSecond), locale));
    if (f.secondsLeft)
        //% "%1 left"
        parts << qtTrId("progress.left").arg(duration(*f.secondsLeft, locale));
    return parts.join(QStringLiteral(" · "));
}

} // namespace ProgressText
