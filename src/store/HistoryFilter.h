#pragma once

#include <QSortFilterProxyModel>

// The history as a view shows it: the entries whose title holds `search`
// (case ignored), in the history's order. Changes pass through row by row.
class HistoryFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit HistoryFilter(QObject *parent = nullptr);

    QString search() const { return m_search; }
    void setSearch(const QString &text);
    int count() const { return rowCount(); }
    // Removes the entry shown at `row` from the history.
    Q_INVOKABLE void remove(int row);

signals:
    void searchChanged();
    void countChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_search;
};
