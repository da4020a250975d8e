// ffprobe's JSON and ffmpeg's stream lines.
#include "FuzzInput.h"

#include "engine/Probe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (const auto facts = streamFactsFromJson(fuzzBytes(data, size)))
        (void)classifyCodecs(facts->videoCodec, facts->codecTag, facts->audioCodec,
                             facts->audioProfile, facts->audioBits);
    const StreamFacts facts = streamFactsFromFfmpegText(fuzzText(data, size));
    (void)videoCodecLabel(facts.videoCodec, facts.codecTag);
    return 0;
}
