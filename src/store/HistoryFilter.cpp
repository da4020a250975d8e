#include "HistoryFilter.h"

#include "HistoryModel.h"

HistoryFilter::HistoryFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    // A title that changes is matched again.
    setFilterRole(HistoryModel::TitleRole);
    connect(this, &QAbstractItemModel::rowsInserted, this, &HistoryFilter::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &HistoryFilter::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &HistoryFilter::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &HistoryFilter::countChanged);
}

void HistoryFilter::setSearch(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_search)
        return;
    m_search = trimmed;
    invalidateFilter();
    emit searchChanged();
}

void HistoryFilter::remove(int row)
{
    auto *history = qobject_cast<HistoryModel *>(sourceModel());
    const QModelIndex shown = index(row, 0);
    if (history && shown.isValid())
        history->remove(mapToSource(shown).row());
}

bool HistoryFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_search.isEmpty())
        return true;
    const QModelIndex entry = sourceModel()->index(sourceRow, 0, sourceParent);
    return entry.data(HistoryModel::TitleRole).toString().contains(m_search, Qt::CaseInsensitive);
}
