// The member names of a downloaded tool archive, one a line.
#include "FuzzInput.h"

#include "deps/ToolInstall.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)ToolInstall::ffmpegNameIn(fuzzText(data, size).split(QLatin1Char('\n')));
    return 0;
}
