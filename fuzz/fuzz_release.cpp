// The release lookups' answers and the tools' version output.
#include "FuzzInput.h"

#include "deps/ToolVersions.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body = fuzzBytes(data, size);
    (void)ToolVersions::releaseTagFrom(body);
    (void)ToolVersions::nodeLTSFrom(body, 22);
    const QString text = QString::fromUtf8(body);
    const Result<QString> published = QStringLiteral("2025.01.01");
    (void)ToolVersions::ytdlpStatus(text, published);
    (void)ToolVersions::ffmpegStatus(text, published);
    (void)ToolVersions::nodeStatus(text, published);
    (void)ToolVersions::shownVersion(QStringLiteral("ffmpeg"), text);
    (void)ToolVersions::ytdlpTooOld(text, QDate(2026, 1, 1));
    return 0;
}
