#pragma once

#include <QPointer>

#include <deque>
#include <functional>
#include <unordered_map>

class DownloadItem;

// Runs of one kind, at most `limit()` at once (0: no limit); the others wait
// in order of arrival, shown as waiting. A run holds a Place while it goes.
class RunQueue
{
public:
    RunQueue(std::function<int()> limit, std::function<void(DownloadItem *)> start)
        : m_limit(std::move(limit)), m_start(std::move(start))
    {}

    // Taken by a run as it begins, given back when it ends; the next waiting
    // run then starts. Nothing is given back once the queue's owner is gone.
    class Place
    {
    public:
        Place(RunQueue &queue, QObject *owner) : m_queue(&queue), m_owner(owner)
        {
            ++queue.m_running;
        }
        ~Place() { leave(); }
        // Gives the place back before the run's end.
        void leave()
        {
            if (m_owner && !m_left)
                m_queue->release();
            m_left = true;
        }
        // Gives the place back and queues the item to go again once another
        // run ends (see RunQueue::waitForRunEnd); false when none runs.
        bool waitForRunEnd(DownloadItem *item)
        {
            leave();
            return m_owner && m_queue->waitForRunEnd(item);
        }
        Place(const Place &) = delete;
        Place &operator=(const Place &) = delete;

    private:
        RunQueue *m_queue;
        QPointer<QObject> m_owner;
        bool m_left = false;
    };

    // Starts the item's run now when there is room, else queues it.
    void submit(DownloadItem *item);
    // Queues an item whose run found the system short of a resource (file
    // handles) that other runs hold: it waits, first in line, until one of
    // them ends. False when none runs, so there is nothing to wait for, and
    // after a few waits since the item was submitted: runs short for their
    // own reasons would otherwise wake each other without end.
    bool waitForRunEnd(DownloadItem *item);
    bool holds(const DownloadItem *item) const;
    // Takes a waiting item out; true when it was waiting.
    bool withdraw(const DownloadItem *item);
    void clear()
    {
        m_waiting.clear();
        m_afterRunEnd.clear();
    }

private:
    bool hasRoom() const;
    void release();
    void startWaiting();

    std::function<int()> m_limit;
    std::function<void(DownloadItem *)> m_start;
    std::deque<QPointer<DownloadItem>> m_waiting;
    std::deque<QPointer<DownloadItem>> m_afterRunEnd;
    std::unordered_map<const DownloadItem *, int> m_waits; // since each was submitted
    int m_running = 0;
};
