#include "RunQueue.h"

#include "DownloadItem.h"

#include <algorithm>

bool RunQueue::hasRoom() const
{
    const int limit = m_limit();
    return limit <= 0 || m_running < limit;
}

void RunQueue::submit(DownloadItem *item)
{
    if (m_waiting.empty() && hasRoom()) {
        m_start(item);
        return;
    }
    item->setStatus(DownloadStatus::Waiting);
    item->setStatusMessage(QString());
    m_waiting.emplace_back(item);
    startWaiting(); // the limit may have been raised meanwhile
}

bool RunQueue::holds(const DownloadItem *item) const
{
    return std::find(m_waiting.cbegin(), m_waiting.cend(), item) != m_waiting.cend();
}

bool RunQueue::withdraw(const DownloadItem *item)
{
    const auto at = std::find(m_waiting.begin(), m_waiting.end(), item);
    if (at == m_waiting.end())
        return false;
    m_waiting.erase(at);
    return true;
}

void RunQueue::release()
{
    --m_running;
    startWaiting();
}

void RunQueue::startWaiting()
{
    while (!m_waiting.empty() && hasRoom()) {
        const QPointer<DownloadItem> item = m_waiting.front();
        m_waiting.pop_front();
        if (item)
            m_start(item);
    }
}
