#include "DownloadGroup.h"

#include "DownloadItem.h"
#include "Playlist.h"

DownloadGroup::DownloadGroup(const QString &title, const QString &site, int listed,
                             DownloadFormat format, QObject *parent)
    : QObject(parent), m_title(title), m_site(site), m_listed(listed), m_format(format)
{}

QString DownloadGroup::folderName() const
{
    return Playlist::safeName(m_title, 80, QStringLiteral("Playlist"));
}

void DownloadGroup::setFormat(DownloadFormat value)
{
    if (value == m_format)
        return;
    m_format = value;
    for (DownloadItem *entry : std::as_const(m_entries)) {
        if (!entry->isRunning())
            entry->setFormat(value);
    }
    emit choiceChanged();
}

void DownloadGroup::setQualityCap(int value)
{
    if (value == m_qualityCap)
        return;
    m_qualityCap = value;
    emit choiceChanged();
}

void DownloadGroup::setSkipDownloaded(bool value)
{
    if (value == m_skipDownloaded)
        return;
    m_skipDownloaded = value;
    emit choiceChanged();
}

void DownloadGroup::setExpanded(bool value)
{
    if (value == m_expanded)
        return;
    m_expanded = value;
    emit expandedChanged();
}

void DownloadGroup::addEntry(DownloadItem *entry)
{
    m_entries.append(entry);
    connect(entry, &QObject::destroyed, this, [this](QObject *gone) {
        m_entries.removeOne(static_cast<DownloadItem *>(gone));
        m_taken.remove(static_cast<DownloadItem *>(gone));
    });
    // A thousand entries finishing one after another make one count each
    // time the event loop comes round, not a thousand walks of the list.
    connect(entry, &DownloadItem::statusChanged, this, &DownloadGroup::scheduleRecount);
    connect(entry, &DownloadItem::progressChanged, this, &DownloadGroup::scheduleRecount);
    scheduleRecount();
}

void DownloadGroup::forget(DownloadItem *entry)
{
    m_entries.removeOne(entry);
    m_taken.remove(entry);
    disconnect(entry, nullptr, this, nullptr);
    scheduleRecount();
}

void DownloadGroup::queue(const QList<DownloadItem *> &entries)
{
    const bool was = running();
    for (DownloadItem *entry : entries)
        m_pending.emplace_back(entry);
    if (was != running())
        emit runningChanged();
}

DownloadItem *DownloadGroup::takeNext(int inFlightLimit)
{
    while (!m_pending.empty() && m_taken.size() < inFlightLimit) {
        const QPointer<DownloadItem> next = m_pending.front();
        m_pending.pop_front();
        if (next && m_entries.contains(next.data())) {
            m_taken.insert(next);
            return next;
        }
    }
    if (!running())
        emit runningChanged();
    return nullptr;
}

bool DownloadGroup::entryEnded(DownloadItem *entry)
{
    if (!m_taken.remove(entry))
        return false;
    if (!running())
        emit runningChanged();
    return true;
}

void DownloadGroup::clearQueue()
{
    const bool was = running();
    m_pending.clear();
    m_taken.clear();
    if (was)
        emit runningChanged();
}

void DownloadGroup::scheduleRecount()
{
    if (m_recountPending)
        return;
    m_recountPending = true;
    QMetaObject::invokeMethod(this, &DownloadGroup::recount, Qt::QueuedConnection);
}

void DownloadGroup::recount()
{
    m_recountPending = false;
    int done = 0, failed = 0;
    double downloading = 0;
    for (const DownloadItem *entry : std::as_const(m_entries)) {
        done += entry->status() == DownloadStatus::Done;
        failed += entry->status() == DownloadStatus::Error;
        if (entry->status() == DownloadStatus::Downloading)
            downloading += entry->progress();
    }
    const double progress = m_entries.isEmpty() ? 0 : (done + failed + downloading) / count();
    if (done != m_done || failed != m_failed || count() != m_counted) {
        m_done = done;
        m_failed = failed;
        m_counted = count();
        emit countsChanged();
    }
    if (!qFuzzyCompare(1 + progress, 1 + m_progress)) {
        m_progress = progress;
        emit progressChanged();
    }
}
