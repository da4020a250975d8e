#pragma once

#include "FollowCheck.h"

#include <QHash>
#include <QObject>

class DownloadItem;
class DownloadManager;

// Writes what media servers read beside each file a follow's check
// downloads, as the download list finishes it.
class MediaServerWatch : public QObject
{
    Q_OBJECT
public:
    explicit MediaServerWatch(DownloadManager &manager, QObject *parent = nullptr);

    // The fresh entries of `finding` get their files once downloaded.
    void add(const FollowFinding &finding);
    // Files are being written.
    bool busy() const { return m_writing > 0; }

signals:
    // The last file under way was written.
    void idle();

private:
    struct Planned
    {
        MediaServerFiles::Episode episode;
        QString poster;
    };
    void onSettled(DownloadItem *item);
    QCoro::Task<> write(QString file, Planned planned);

    QHash<QString, Planned> m_planned; // by entry address
    int m_writing = 0;
};
