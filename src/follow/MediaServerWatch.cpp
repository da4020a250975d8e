#include "MediaServerWatch.h"

#include "engine/DownloadManager.h"

MediaServerWatch::MediaServerWatch(DownloadManager &manager, QObject *parent) : QObject(parent)
{
    connect(&manager, &DownloadManager::itemSettled, this, &MediaServerWatch::onSettled);
}

void MediaServerWatch::add(const FollowFinding &finding)
{
    for (auto it = finding.episodes.cbegin(); it != finding.episodes.cend(); ++it)
        m_planned.insert(it.key(), {it.value(), finding.poster});
}

void MediaServerWatch::onSettled(DownloadItem *item)
{
    if (item->status() != DownloadStatus::Done || !item->filePath())
        return;
    const auto planned = m_planned.constFind(item->url());
    if (planned == m_planned.cend())
        return;
    Planned plan = *planned;
    m_planned.erase(planned);
    // The entry's own information run knows what a flat listing may not.
    if (plan.episode.seconds == 0)
        plan.episode.seconds = item->property("duration").toInt();
    if (plan.episode.thumbnail.isEmpty())
        plan.episode.thumbnail = item->thumbnailURL();
    write(*item->filePath(), plan);
}

QCoro::Task<> MediaServerWatch::write(QString file, Planned planned)
{
    ++m_writing;
    co_await MediaServerFiles::write(file, planned.episode, planned.poster);
    if (--m_writing == 0)
        emit idle();
}
