#pragma once

#include "HistoryModel.h"
#include "QueueDatabase.h"

#include "platform/LockClaim.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class DownloadItem;
class DownloadManager;

// The download list kept on disk: what an earlier run left is read when the
// store is made, put back into a download list, and every change of that
// list is written from then on. Writes go to a thread of their own, batched:
// a change of state within a tenth of a second, progress at most once a second
// per item. Nothing here waits for the disk on the GUI thread except the
// first read and the last write.
class QueueStore : public QObject
{
    Q_OBJECT
    // Why the list starts empty when the saved one could not be read; else empty.
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)
    Q_PROPERTY(HistoryModel *history READ history CONSTANT)

public:
    // Takes the list at `path` for this process and reads it (made when
    // absent). The working folders of items to resume are claimed at once,
    // before any list tidies its folder. When another process holds the
    // list, nothing is read or written.
    explicit QueueStore(const QString &path = defaultPath(), QObject *parent = nullptr);
    ~QueueStore() override;

    // Whether this process holds the list: one list, one Reelix at a time.
    // The claim is a kernel lock, so a crashed holder never keeps it.
    // A claim that cannot be made at all (a read-only folder, a full disk)
    // leaves the list to this process, unclaimed.
    bool holdsList() const { return !m_heldElsewhere; }

    static QString defaultPath();
    QString notice() const { return m_notice; }
    Q_INVOKABLE void dismissNotice();
    HistoryModel *history() { return &m_history; }

    // Puts the saved items into `manager`, starts again what was going, and
    // follows it from now on. An item with a path outside the manager's
    // download folder and Reelix's data folder stays on disk but not in the list.
    void restoreInto(DownloadManager &manager);
    // Writes what is pending and stops following: when the program ends,
    // the runs it stops stay saved as they were going.
    void finish();
    // Waits until everything handed over so far is written.
    void flush();

    // The history as saved in the file at `path`, read without changing it
    // (another Reelix may be writing it); nothing when there is none.
    static QList<HistoryRecord> readHistory(const QString &path = defaultPath());
    // Claims the working folders of the items saved in the file at `path`
    // without taking the list: another front end leaves them to the app.
    static void claimSavedWork(const QString &path = defaultPath());

signals:
    void noticeChanged();

private:
    void readSaved();
    void dropDatabase();
    void tellNotSaved();
    QList<ItemRecord> trusted(const QString &downloadFolder);
    void follow(DownloadItem *item);
    void added(int first, int last);
    // An item left the list for good: its row goes from the file.
    void forget(DownloadItem *item);
    void settled(DownloadItem *item);
    void markDirty(DownloadItem *item, bool soon);
    void write();
    void run(std::function<void(QueueDatabase &)> job);
    void runAndWait(const std::function<void(QueueDatabase &)> &job);

    QString m_path;
    bool m_heldElsewhere = false;          // set as m_listLock is taken
    std::unique_ptr<LockClaim> m_listLock; // released last, after the connection
    QThreadPool m_pool;                    // one thread: the database's connection lives there
    std::shared_ptr<QueueDatabase> m_db;
    QPointer<DownloadManager> m_manager;
    QList<ItemRecord> m_saved;
    QHash<QString, qint64> m_positions;
    qint64 m_nextPosition = 0;
    QHash<QString, QPointer<DownloadItem>> m_dirty;
    StoreBatch m_pending;
    QTimer m_soon;
    QTimer m_later;
    HistoryModel m_history;
    QString m_notice;
    bool m_toldNotSaved = false;
};
