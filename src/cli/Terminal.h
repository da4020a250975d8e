#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// Lines for people: redrawn in place on a terminal, appended otherwise.
class Terminal
{
public:
    explicit Terminal(FILE *stream);

    // Replaces the block of live lines on a terminal. Elsewhere a line is
    // appended when its key changed, so a log file gets one line per step
    // rather than one per progress tick.
    void show(const QStringList &lines, const QStringList &keys);
    void print(const QString &line);

    static QString progressBar(double fraction, int width = 20);
    // Text with every control character and direction override taken out: a
    // title or a message from a page must not move the cursor, retitle the
    // window, clear the screen or show its words reversed.
    static QString printable(QString text);

private:
    FILE *m_stream;
    bool m_interactive;
    QStringList m_shown;
    QStringList m_keys;
};
