#include "HistoryModel.h"

#include "engine/SizeText.h"

#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

namespace {

// Runs on a pool thread: a folder on a slow or gone disk must not hold the view.
QHash<QString, bool> existing(const QStringList &paths)
{
    QHash<QString, bool> found;
    for (const QString &path : paths)
        found.insert(path, QFileInfo::exists(path));
    return found;
}

} // namespace

HistoryModel::HistoryModel(QObject *parent) : QAbstractListModel(parent) {}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry &entry = m_entries.at(index.row());
    const HistoryRecord &e = entry.record;
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
        return e.fileBytes > 0 ? sizeText(e.fileBytes) : QString();
    case DateRole:
        return QLocale().toString(e.finished.toLocalTime(), QLocale::ShortFormat);
    case FilePathRole:
        return e.filePath;
    case FileExistsRole:
        return entry.fileExists;
    }
    return {};
}

QHash<int, QByteArray> HistoryModel::roleNames() const
{
    return {{IdRole, "entryId"},  {UrlRole, "url"},           {FormatRole, "format"},
            {TitleRole, "title"}, {SiteRole, "site"},         {SizeRole, "size"},
            {DateRole, "date"},   {FilePathRole, "filePath"}, {FileExistsRole, "fileExists"}};
}

int HistoryModel::rowOf(const QString &id) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).record.id == id)
            return row;
    }
    return -1;
}

void HistoryModel::reset(const QList<HistoryRecord> &entries)
{
    beginResetModel();
    m_entries.clear();
    QStringList paths;
    for (const HistoryRecord &record : entries) {
        m_entries.append({record, !record.filePath.isEmpty()});
        paths << record.filePath;
    }
    endResetModel();
    emit countChanged();
    checkFiles(paths);
}

void HistoryModel::record(const HistoryRecord &entry)
{
    const Entry fresh{entry, !entry.filePath.isEmpty()};
    const int row = rowOf(entry.id);
    if (row < 0) {
        beginInsertRows(QModelIndex(), 0, 0);
        m_entries.prepend(fresh);
        endInsertRows();
        emit countChanged();
    } else {
        if (row > 0) {
            beginMoveRows(QModelIndex(), row, row, QModelIndex(), 0);
            m_entries.move(row, 0);
            endMoveRows();
        }
        m_entries[0] = fresh;
        emit dataChanged(index(0), index(0));
    }
    checkFiles({entry.filePath});
}

void HistoryModel::remove(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    const QString id = m_entries.takeAt(row).record.id;
    endRemoveRows();
    emit countChanged();
    emit removed(id);
}

void HistoryModel::clearAll()
{
    if (!m_entries.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, int(m_entries.size()) - 1);
        m_entries.clear();
        endRemoveRows();
        emit countChanged();
    }
    emit cleared();
}

void HistoryModel::refreshFiles()
{
    QStringList paths;
    for (const Entry &entry : std::as_const(m_entries))
        paths << entry.record.filePath;
    checkFiles(paths);
}

void HistoryModel::checkFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!path.isEmpty())
            m_unchecked.insert(path);
    }
    if (!m_checking && !m_unchecked.isEmpty())
        lookAtFiles();
}

// One look at a time; paths asked for meanwhile wait for the next one.
QCoro::Task<> HistoryModel::lookAtFiles()
{
    QPointer<HistoryModel> self(this);
    m_checking = true;
    while (!m_unchecked.isEmpty()) {
        const QStringList paths(m_unchecked.cbegin(), m_unchecked.cend());
        m_unchecked.clear();
        auto looking = QtConcurrent::run(existing, paths);
        const QHash<QString, bool> found = co_await looking;
        if (!self)
            co_return;
        publish(found);
    }
    m_checking = false;
    emit filesChecked();
}

void HistoryModel::publish(const QHash<QString, bool> &found)
{
    for (int row = 0; row < m_entries.size(); ++row) {
        Entry &entry = m_entries[row];
        const auto it = found.constFind(entry.record.filePath);
        if (it == found.cend() || *it == entry.fileExists)
            continue;
        entry.fileExists = *it;
        emit dataChanged(index(row), index(row), {FileExistsRole});
    }
}
