// yt-dlp's information JSON: a video's, or a list's (a feed, a channel).
#include "FuzzInput.h"

#include "engine/Playlist.h"
#include "engine/VideoInfo.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json = fuzzBytes(data, size);
    (void)parseVideoInfo(json);
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (document.isObject()) {
        (void)Playlist::parse(document.object());
        (void)dominantVideoCodec(document.object());
    }
    return 0;
}
