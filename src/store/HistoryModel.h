#pragma once

#include "ItemRecord.h"

#include <QAbstractListModel>
#include <QSet>

#include <QCoro/QCoroTask>

// Finished downloads, newest first; they stay after the list is cleared.
// Each change reaches the views as the rows it touches. Whether an entry's
// file is still there is looked up off the GUI thread when entries arrive and
// on refreshFiles(), then published as a change of `fileExists`; until then an
// entry with a path counts as present. Searching is HistoryFilter's.
class HistoryModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Role
    {
        IdRole = Qt::UserRole + 1,
        UrlRole,
        FormatRole,
        TitleRole,
        SiteRole,
        SizeRole,
        DateRole,
        FilePathRole,
        FileExistsRole
    };

    explicit HistoryModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Entries read from the saved file, newest first: the whole history anew.
    void reset(const QList<HistoryRecord> &entries);
    // A download finished (again, or its conversion did): it goes first.
    void record(const HistoryRecord &entry);
    Q_INVOKABLE void remove(int row);
    Q_INVOKABLE void clearAll();
    // Looks again whether the entries' files are there; the view asks when shown.
    Q_INVOKABLE void refreshFiles();
    bool checkingFiles() const { return m_checking; }

signals:
    void countChanged();
    void removed(const QString &id);
    void cleared();
    // Every look at the files asked for so far has been published.
    void filesChecked();

private:
    struct Entry
    {
        HistoryRecord record;
        bool fileExists = false;
    };

    int rowOf(const QString &id) const;
    void checkFiles(const QStringList &paths);
    QCoro::Task<> lookAtFiles();
    void publish(const QHash<QString, bool> &found);

    QList<Entry> m_entries;
    QSet<QString> m_unchecked; // paths waiting for the next look
    bool m_checking = false;
};
