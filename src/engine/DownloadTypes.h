#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace Download {
Q_NAMESPACE

// Video: yt-dlp merges video and audio into MP4. Audio: extracted to MP3.
enum class DownloadFormat
{
    Video,
    Audio
};
Q_ENUM_NS(DownloadFormat)

enum class DownloadStatus
{
    Waiting,
    Fetching,
    Ready,
    Downloading,
    Converting,
    Done,
    Cancelled,
    Error
};
Q_ENUM_NS(DownloadStatus)

} // namespace Download

using Download::DownloadFormat;
using Download::DownloadStatus;

// "waiting", "fetching", … as scripts and logs name the cases.
QString statusName(DownloadStatus status);

// One resolution a page offers.
struct VideoFormat
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString label MEMBER label)
    Q_PROPERTY(int height MEMBER height)
public:
    QString id;    // yt-dlp's format_id; may be empty
    QString label; // "1080p"
    int height = 0;

    friend bool operator==(const VideoFormat &, const VideoFormat &) = default;
};
Q_DECLARE_METATYPE(VideoFormat)
