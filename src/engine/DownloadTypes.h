#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

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
    Q_PROPERTY(qint64 size MEMBER size)
public:
    QString id;    // yt-dlp's format_id; may be empty
    QString label; // "1080p"
    int height = 0;
    // Bytes of the file it makes, as yt-dlp knows or estimates them (with the
    // best sound for a picture without one); 0 when unknown.
    qint64 size = 0;

    friend bool operator==(const VideoFormat &, const VideoFormat &) = default;
};
Q_DECLARE_METATYPE(VideoFormat)

// The file a download left, as its row shows it; set as a whole, so that a
// finished download changes its row once.
struct ItemFile
{
    std::optional<QString> path = {};
    std::optional<QString> size = {}; // as shown: "12.3 MB"
    bool needsConversion = false;     // the system player cannot play it as it is
    QString codecInfo = {};

    friend bool operator==(const ItemFile &, const ItemFile &) = default;
};
