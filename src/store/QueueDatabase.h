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
    static constexpr int schemaVersion = 2;

    explicit QueueDatabase(QString path);
    ~QueueDatabase();
    QueueDatabase(const QueueDatabase &) = delete;
    QueueDatabase &operator=(const QueueDatabase &) = delete;

    // Opens the file, creating or migrating it. A file that is not a
    // readable database of ours, or one from a newer version, is renamed
    // aside (never deleted) and a new one made; `setAside()` then names it.
    bool open();
    QString setAside() const { return m_setAside; }
    // Opens an existing file for reading only; false when it is absent or unreadable.
    bool openReadOnly();

    QList<ItemRecord> items();
    QList<HistoryRecord> history();
    bool apply(const StoreBatch &batch);

private:
    enum class Check
    {
        Usable,
        Unreadable,
        Newer
    };
    Check check();
    bool migrate();
    void putAside(const QString &why);
    bool writeItem(const ItemRecord &r);
    bool writeHistory(const HistoryRecord &r);

    QString m_path;
    QString m_connection;
    QString m_setAside;
    QSqlDatabase m_db;
};
