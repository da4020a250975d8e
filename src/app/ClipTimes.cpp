#include "ClipTimes.h"

#include "engine/Clips.h"
#include "engine/Playlist.h"

#include <QVariantMap>

double ClipTimes::seconds(const QString &text) const
{
    return Clips::parseTime(text).value_or(-1);
}

QString ClipTimes::text(double seconds) const
{
    return Clips::timeText(seconds);
}

QString ClipTimes::range(double start, double end) const
{
    return Clips::rangeText({start, end});
}

QString ClipTimes::shown(const QString &range) const
{
    const auto parsed = Clips::parseRange(range);
    return parsed ? Clips::timeText(parsed->start) + QChar(0x2013) + Clips::timeText(parsed->end)
                  : QString();
}

QString ClipTimes::fileName(const QString &title, double start, double end,
                            const QString &extension) const
{
    // As the engine names the file.
    const QString name = Playlist::safeName(title, 50, QStringLiteral("video"));
    return name + QStringLiteral(" (") + Clips::label({start, end}) + QStringLiteral(").") +
           extension;
}

QStringList ClipTimes::chapterRanges(const QVariantList &chapters) const
{
    QList<Clips::Range> ranges;
    for (const QVariant &entry : chapters) {
        const QVariantMap chapter = entry.toMap();
        const Clips::Range range{chapter.value(QStringLiteral("start")).toDouble(),
                                 chapter.value(QStringLiteral("end")).toDouble()};
        if (range.end <= range.start)
            continue;
        if (!ranges.isEmpty() && qAbs(ranges.last().end - range.start) < 0.01)
            ranges.last().end = range.end;
        else
            ranges << range;
    }
    QStringList texts;
    for (const Clips::Range &range : std::as_const(ranges))
        texts << Clips::rangeText(range);
    return texts;
}
