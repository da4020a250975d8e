#include "DownloadTypes.h"

QString statusName(DownloadStatus status)
{
    switch (status) {
    case DownloadStatus::Waiting:
        return QStringLiteral("waiting");
    case DownloadStatus::Fetching:
        return QStringLiteral("fetching");
    case DownloadStatus::Ready:
        return QStringLiteral("ready");
    case DownloadStatus::Downloading:
        return QStringLiteral("downloading");
    case DownloadStatus::Converting:
        return QStringLiteral("converting");
    case DownloadStatus::Done:
        return QStringLiteral("done");
    case DownloadStatus::Cancelled:
        return QStringLiteral("cancelled");
    case DownloadStatus::Error:
        return QStringLiteral("error");
    }
    return QString();
}
