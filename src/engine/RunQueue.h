#pragma once

#include <QPointer>

#include <deque>
#include <functional>

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
        ~Place()
        {
            if (m_owner)
                m_queue->release();
        }
        Place(const Place &) = delete;
        Place &operator=(const Place &) = delete;

    private:
        RunQueue *m_queue;
        QPointer<QObject> m_owner;
    };

    // Starts the item's run now when there is room, else queues it.
    void submit(DownloadItem *item);
    bool holds(const DownloadItem *item) const;
    // Takes a waiting item out; true when it was waiting.
    bool withdraw(const DownloadItem *item);
    void clear() { m_waiting.clear(); }

private:
    bool hasRoom() const;
    void release();
    void startWaiting();

    std::function<int()> m_limit;
    std::function<void(DownloadItem *)> m_start;
    std::deque<QPointer<DownloadItem>> m_waiting;
    int m_running = 0;
};
