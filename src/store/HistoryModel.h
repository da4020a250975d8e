#pragma once

#include "ItemRecord.h"

#include <QAbstractListModel>

// Finished downloads, newest first; they stay after the list is cleared.
// `search` keeps the entries whose title holds it (case ignored).
class HistoryModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    // Entries in the history, whatever the search shows.
    Q_PROPERTY(int total READ total NOTIFY countChanged)

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

    QString search() const { return m_search; }
    void setSearch(const QString &text);
    int total() const { return int(m_all.size()); }
    const QList<HistoryRecord> &entries() const { return m_all; }

    // Entries read from the saved file, newest first.
    void reset(const QList<HistoryRecord> &entries);
    // A download finished (again, or its conversion did): it goes first.
    void record(const HistoryRecord &entry);
    Q_INVOKABLE void remove(int row);
    Q_INVOKABLE void clearAll();

signals:
    void searchChanged();
    void countChanged();
    void removed(const QString &id);
    void cleared();

private:
    bool matches(const HistoryRecord &entry) const;
    void refilter();

    QList<HistoryRecord> m_all;
    QList<int> m_shown; // indices into m_all
    QString m_search;
};
