#include "RunQueue.h"

#include "DownloadItem.h"

#include <algorithm>

bool RunQueue::hasRoom() const
{
    const int limit = m_limit();
    return limit <= 0 || m_running < limit;
}

namespace {
constexpr int kMostWaits = 3;
}

void RunQueue::submit(DownloadItem *item)
{
    m_waits.erase(item);
    if (m_waiting.empty() && hasRoom()) {
        m_start(item);
        return;
    }
    item->setStatus(DownloadStatus::Waiting);
    item->setStatusMessage(QString());
    m_waiting.emplace_back(item);
    startWaiting(); // the limit may have been raised meanwhile
}

bool RunQueue::waitForRunEnd(DownloadItem *item)
{
    int &waits = m_waits[item];
    if (m_running <= 0 || waits >= kMostWaits) {
        m_waits.erase(item);
        return false;
    }
    ++waits;
    item->setStatus(DownloadStatus::Waiting);
    item->setStatusMessage(QString());
    m_afterRunEnd.emplace_back(item);
    return true;
}

bool RunQueue::holds(const DownloadItem *item) const
{
    return std::find(m_waiting.cbegin(), m_waiting.cend(), item) != m_waiting.cend() ||
           std::find(m_afterRunEnd.cbegin(), m_afterRunEnd.cend(), item) != m_afterRunEnd.cend();
}

bool RunQueue::withdraw(const DownloadItem *item)
{
    for (auto *queue : {&m_waiting, &m_afterRunEnd}) {
        const auto at = std::find(queue->begin(), queue->end(), item);
        if (at != queue->end()) {
            queue->erase(at);
            return true;
        }
    }
    return false;
}

void RunQueue::release()
{
    --m_running;
    m_waiting.insert(m_waiting.begin(), m_afterRunEnd.cbegin(), m_afterRunEnd.cend());
    m_afterRunEnd.clear();
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
