// yt-dlp's progress lines and ffmpeg's progress and duration lines.
#include "FuzzInput.h"

#include "engine/Conversion.h"
#include "engine/DownloadRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    (void)DownloadRun::parseProgressLine(text);
    (void)Conversion::parseDuration(text);
    (void)Conversion::progressFraction(text, 60.0);
    return 0;
}
