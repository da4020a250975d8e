#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// What the trim dialog asks of the engine's clip rules: times read as the
// command line reads them, shown as the file names show them.
class ClipTimes : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // "10:00", "1:02:03", "45" as seconds; -1 for text that is no time.
    Q_INVOKABLE double seconds(const QString &text) const;
    // Seconds as "m:ss" or "h:mm:ss".
    Q_INVOKABLE QString text(double seconds) const;
    // The saved form of a range ("600-750"), as addClips takes it.
    Q_INVOKABLE QString range(double start, double end) const;
    // A saved range as the row shows it: "10:00–12:30"; empty for other text.
    Q_INVOKABLE QString shown(const QString &range) const;
    // The file a clip of `title` becomes: "Title (10.00–12.30).mp4".
    Q_INVOKABLE QString fileName(const QString &title, double start, double end,
                                 const QString &extension) const;
    // Chosen chapters (maps with start and end) as the saved ranges of their
    // clips: chapters that follow each other become one clip.
    Q_INVOKABLE QStringList chapterRanges(const QVariantList &chapters) const;
};
