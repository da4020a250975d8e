#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the parsers get them: raw, or decoded as the tools'
// UTF-8 text.
inline QByteArray fuzzBytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString fuzzText(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input split at its first line feed: a short argument, then the text.
inline std::pair<QString, QByteArray> fuzzArgumentAndBody(const std::uint8_t *data,
                                                          std::size_t size)
{
    const QByteArray all = fuzzBytes(data, size);
    const qsizetype lf = all.indexOf('\n');
    if (lf < 0)
        return {QString::fromUtf8(all), {}};
    return {QString::fromUtf8(all.left(lf)), all.mid(lf + 1)};
}
