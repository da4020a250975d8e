// A published sums file: the first line names the asset, the rest is the file.
#include "FuzzInput.h"

#include "deps/DownloadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [asset, body] = fuzzArgumentAndBody(data, size);
    (void)DownloadCheck::digestFor(body, asset);
    return 0;
}
