#include "HistoryModel.h"

#include <QFileInfo>
#include <QLocale>

HistoryModel::HistoryModel(QObject *parent) : QAbstractListModel(parent) {}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const HistoryRecord &e = m_all.at(m_shown.at(index.row()));
    switch (role) {
    case IdRole:
        return e.id;
    case UrlRole:
        return e.url;
    case FormatRole:
        return QVariant::fromValue(e.format);
    case Qt::DisplayRole:
    case TitleRole:
        return e.title;
    case SiteRole:
        return e.site;
    case SizeRole:
        return e.fileBytes > 0
                   ? QLocale().formattedDataSize(e.fileBytes, 1, QLocale::DataSizeSIFormat)
                   : QString();
    case DateRole:
        return QLocale().toString(e.finished.toLocalTime(), QLocale::ShortFormat);
    case FilePathRole:
        return e.filePath;
    case FileExistsRole:
        return !e.filePath.isEmpty() && QFileInfo::exists(e.filePath);
    }
    return {};
}

QHash<int, QByteArray> HistoryModel::roleNames() const
{
    return {{IdRole, "entryId"},  {UrlRole, "url"},           {FormatRole, "format"},
            {TitleRole, "title"}, {SiteRole, "site"},         {SizeRole, "size"},
            {DateRole, "date"},   {FilePathRole, "filePath"}, {FileExistsRole, "fileExists"}};
}

bool HistoryModel::matches(const HistoryRecord &entry) const
{
    return m_search.isEmpty() || entry.title.contains(m_search, Qt::CaseInsensitive);
}

void HistoryModel::refilter()
{
    beginResetModel();
    m_shown.clear();
    for (int i = 0; i < m_all.size(); ++i) {
        if (matches(m_all.at(i)))
            m_shown.append(i);
    }
    endResetModel();
    emit countChanged();
}

void HistoryModel::setSearch(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_search)
        return;
    m_search = trimmed;
    refilter();
    emit searchChanged();
}

void HistoryModel::reset(const QList<HistoryRecord> &entries)
{
    m_all = entries;
    refilter();
}

void HistoryModel::record(const HistoryRecord &entry)
{
    for (int i = 0; i < m_all.size(); ++i) {
        if (m_all.at(i).id == entry.id) {
            m_all.removeAt(i);
            break;
        }
    }
    m_all.prepend(entry);
    refilter();
}

void HistoryModel::remove(int row)
{
    if (row < 0 || row >= m_shown.size())
        return;
    const QString id = m_all.at(m_shown.at(row)).id;
    m_all.removeAt(m_shown.at(row));
    refilter();
    emit removed(id);
}

void HistoryModel::clearAll()
{
    m_all.clear();
    refilter();
    emit cleared();
}
