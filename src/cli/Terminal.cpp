#include "Terminal.h"

#include "platform/PlainText.h"

#include <unistd.h>

Terminal::Terminal(FILE *stream) : m_stream(stream), m_interactive(::isatty(::fileno(stream)) == 1)
{}

void Terminal::show(const QStringList &lines, const QStringList &keys)
{
    if (m_interactive) {
        if (!m_shown.isEmpty())
            std::fprintf(m_stream, "\x1b[%dF",
                         int(m_shown.size())); // back to the block's first line
        for (const QString &line : lines)
            std::fprintf(m_stream, "\x1b[2K%s\n", printable(line).toLocal8Bit().constData());
    } else {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i >= m_keys.size() || m_keys.at(i) != keys.value(i))
                std::fprintf(m_stream, "%s\n", printable(lines.at(i)).toLocal8Bit().constData());
        }
        m_keys = keys;
    }
    std::fflush(m_stream);
    m_shown = lines;
}

void Terminal::print(const QString &line)
{
    std::fprintf(m_stream, "%s\n", printable(line).toLocal8Bit().constData());
    std::fflush(m_stream);
    m_shown.clear();
    m_keys.clear();
}

QString Terminal::progressBar(double fraction, int width)
{
    const int filled = qBound(0, int(fraction * width + 0.5), width);
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
           QString(width - filled, QLatin1Char('-')) + QLatin1Char(']');
}

QString Terminal::printable(QString text)
{
    return PlainText::withoutHidden(std::move(text));
}
