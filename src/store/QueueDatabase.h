#pragma once

#include "ItemRecord.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Changes to write together, in one transaction.
struct StoreBatch
{
    QList<ItemRecord> items;      // inserted or replaced
    QStringList removedItems;     // ids
    QList<HistoryRecord> history; // inserted or replaced
    QStringList removedHistory;   // ids
    bool clearHistory = false;    // before the rest

    bool isEmpty() const
    {
        return items.isEmpty() && removedItems.isEmpty() && history.isEmpty() &&
               removedHistory.isEmpty() && !clearHistory;
    }
};

// The SQLite file of the saved list and the history. One object per thread
// that uses it: a connection belongs to the thread that opened it.
class QueueDatabase
{
public:
    // The schema this program writes; older files are migrated step by step.
    static constexpr int schemaVersion = 4;

    explicit QueueDatabase(QString path);
    ~QueueDatabase();
    QueueDatabase(const QueueDatabase &) = delete;
    QueueDatabase &operator=(const QueueDatabase &) = delete;

    // Opens the file, creating or migrating it. A file that is not a
    // readable database of ours, or one from a newer version, is renamed
    // aside (never deleted) and a new one made; `setAside()` then names it.
    // A file another program keeps locked is waited for a while, then left
    // as it is: false, and `leftAsItIs()` says so.
    bool open();
    QString setAside() const { return m_setAside; }
    bool leftAsItIs() const { return m_leftAsItIs; }
    // Opens an existing file for reading only; false when it is absent or unreadable.
    bool openReadOnly();

    QList<ItemRecord> items();
    QList<HistoryRecord> history();
    // Writes the batch, waiting while another program holds the file. After
    // one failed batch nothing more is written: the list lives on in memory.
    bool apply(const StoreBatch &batch);

private:
    enum class Check
    {
        Usable,
        Busy,        // another program holds a lock on it
        Unavailable, // it cannot be read now, for a reason not in the file
        Unreadable,  // damaged, or not a database
        Newer
    };
    Check check();
    Check checkWaiting();
    enum class Written
    {
        Done,
        Busy,
        Failed
    };
    Written writeBatch(const StoreBatch &batch);
    bool exec(QSqlQuery &query, const QString &what);
    bool migrate();
    void putAside(const QString &why);
    bool writeItem(const ItemRecord &r);
    bool writeHistory(const HistoryRecord &r);

    QString m_path;
    QString m_connection;
    QString m_setAside;
    bool m_leftAsItIs = false;
    bool m_writesFailed = false;
    int m_lastError = 0; // SQLite's code for the last statement that failed
    QSqlDatabase m_db;
};
