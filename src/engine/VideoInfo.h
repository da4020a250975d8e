#pragma once

#include "DownloadTypes.h"
#include "Playlist.h"
#include "SignInErrors.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <optional>

// What the information run's JSON tells about a page.
struct ParsedVideoInfo
{
    QString title;
    QString thumbnail;
    QList<VideoFormat> formats; // one per height, highest first
    QString vcodec;             // lower-cased codec of the highest-bitrate video stream
    // Set when the page is a list of videos (the information run lists it flat).
    std::shared_ptr<const PlaylistListing> playlist;
};

std::optional<ParsedVideoInfo> parseVideoInfo(const QByteArray &json);
QString dominantVideoCodec(const QJsonObject &info);

// Recognisers over yt-dlp's standard-error lines.
namespace YtDlpErrors {
bool isUnknownOption(const QStringList &lines);
bool isCertificateFailure(const QStringList &lines);
bool isYouTubeJavaScriptRuntime(const QStringList &lines);
bool isDrmProtected(const QStringList &lines);
// The last line containing "ERROR", else the last line, else nothing.
std::optional<QString> lastErrorLine(const QStringList &lines);
// The item's message after a failed run, the most telling cause first; the
// download run also recognises protected content. `cookies`: where the run
// took its cookies from.
RunFailure failure(const QStringList &lines, bool youTube, bool checkDrm,
                   const CookieSource &cookies);
} // namespace YtDlpErrors
