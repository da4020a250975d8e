#include "DownloadManager.h"

#include "AutoStart.h"
#include "MediaPresets.h"
#include "Playlist.h"
#include "RunLimits.h"
#include "WorkFolder.h"

#include <QDir>
#include <QTimer>

DownloadManager::DownloadManager(QObject *parent)
    : QAbstractListModel(parent), m_infoQueue(RunLimits::maxConcurrentInfoRuns,
                                              [this](DownloadItem *item) { fetchInfo(item); }),
      m_downloadQueue(RunLimits::maxConcurrentDownloads,
                      [this](DownloadItem *item) { startDownload(item); })
{
    setDownloadFolder(RunSettings::rememberedFolder());
}

// The engine's steps after a run come first and in this order: a list's
// entry goes on (its download follows its details, its row gets its note)
// before the automatic start looks, which would otherwise start the entry a
// second time. Then the listeners outside the engine (the app's
// notification, the command line, the saved list): they read the item as
// the engine left it and none depends on another, so they stay signal
// listeners in any order.
void DownloadManager::settle(DownloadItem *item)
{
    continueGroup(item);
    autoStart(item);
    emit itemSettled(item);
}

void DownloadManager::autoStart(DownloadItem *item)
{
    if (!m_settings.autoStart || !AutoStart::enabled() || item->status() != DownloadStatus::Ready)
        return;
    if (item->format() == DownloadFormat::Video)
        item->setSelectedFormatID(
            Playlist::pickFormat(item->formats(), AutoStart::qualityCap(AutoStart::choice())).id);
    start(item);
}

DownloadManager::~DownloadManager()
{
    // Runs that end while the list goes start nothing new.
    m_infoQueue.clear();
    m_downloadQueue.clear();
    m_downloads = allItems(); // the entries of collapsed lists go too
    // Every tool still running for an item is stopped with it, and a file
    // already downloaded (its probe or retag cut short) is kept: it leaves the
    // run's working folder for the download folder.
    for (DownloadItem *item : std::as_const(m_downloads)) {
        item->cancelRun();
        if (const ItemRun *run = item->run(); run && run->reportedFilePath())
            WorkFolder::rescue(*run->reportedFilePath());
    }
    qDeleteAll(m_downloads);
}

int DownloadManager::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_downloads.size());
}

QVariant DownloadManager::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    DownloadItem *item = m_downloads.at(index.row());
    switch (role) {
    case ItemRole:
        return QVariant::fromValue(item);
    case Qt::DisplayRole:
        return item->title();
    }
    return {};
}

QHash<int, QByteArray> DownloadManager::roleNames() const
{
    return {{ItemRole, "item"}};
}

DownloadItem *DownloadManager::itemAt(int row) const
{
    return row >= 0 && row < m_downloads.size() ? m_downloads.at(row) : nullptr;
}

void DownloadManager::append(DownloadItem *item)
{
    const int row = int(m_downloads.size());
    beginInsertRows(QModelIndex(), row, row);
    m_downloads.append(item);
    endInsertRows();
    watch(item);
    emit countChanged();
}

void DownloadManager::watch(DownloadItem *item)
{
    connect(item, &DownloadItem::changed, this, [this, item] { itemChanged(item); });
    connect(item, &DownloadItem::stopRequested, this, [this, item] { withdraw(item); });
}

void DownloadManager::letGo(DownloadItem *item)
{
    disconnect(item, nullptr, this, nullptr);
    m_entryPlans.remove(item);
    // What a stopped run kept for its retry goes with the item; a run still
    // going removes its own folder as it ends.
    if (!item->isRunning() && !item->resumeFolder().isEmpty())
        WorkFolder::discard(item->resumeFolder(), item->idText());
    emit itemRemoved(item);
    // A run still suspended on this item finishes against it; a view may
    // still show the row while it fades out. Neither holds it for long, and
    // should the list go first, the item goes with it.
    item->setParent(this);
    QTimer::singleShot(1000, item, &QObject::deleteLater);
}

void DownloadManager::removeRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    DownloadItem *item = m_downloads.takeAt(row);
    endRemoveRows();
    letGo(item);
    emit countChanged();
    updateHasCompleted();
}

void DownloadManager::updateHasCompleted()
{
    const bool any =
        std::any_of(m_downloads.cbegin(), m_downloads.cend(), [](const DownloadItem *item) {
            return item->status() == DownloadStatus::Done;
        });
    if (any == m_hasCompleted)
        return;
    m_hasCompleted = any;
    emit hasCompletedChanged();
}

void DownloadManager::itemChanged(DownloadItem *item)
{
    const int row = int(m_downloads.indexOf(item));
    if (row < 0)
        return;
    const QModelIndex at = index(row);
    emit dataChanged(at, at);
    updateHasCompleted();
}

bool DownloadManager::isListed(const QString &url) const
{
    return std::any_of(m_downloads.cbegin(), m_downloads.cend(),
                       [&](const DownloadItem *item) { return item->url() == url; });
}

void DownloadManager::addDownload(const QString &url, Download::DownloadFormat format)
{
    if (isListed(url)) {
        const auto listed =
            std::find_if(m_downloads.cbegin(), m_downloads.cend(),
                         [&](const DownloadItem *item) { return item->url() == url; });
        emit alreadyListed(int(listed - m_downloads.cbegin()));
        return;
    }
    addNew(url, format);
}

void DownloadManager::addNew(const QString &url, Download::DownloadFormat format)
{
    auto *item = new DownloadItem(url, format);
    item->setChoices(m_settings.choices.value_or(MediaPresets::defaultChoices()));
    append(item);
    // Where nothing waits for the user's choice, one run tells and fetches;
    // a clip's or a chapter folder's name needs the title before the run.
    const MediaChoices &choices = item->choices();
    const bool namedFirst =
        !choices.sections.isEmpty() || !choices.sectionChapters.isEmpty() || choices.splitChapters;
    if (!namedFirst && (m_settings.startAtOnce || (m_settings.autoStart && AutoStart::enabled())))
        m_downloadQueue.submit(item);
    else
        m_infoQueue.submit(item);
}

void DownloadManager::addDownloads(const QStringList &urls, Download::DownloadFormat format)
{
    QHash<QString, int> rowOf;
    rowOf.reserve(m_downloads.size() + urls.size());
    for (int row = int(m_downloads.size()) - 1; row >= 0; --row)
        rowOf.insert(m_downloads.at(row)->url(), row); // the first row wins
    int firstRepeat = -1;
    for (const QString &url : urls) {
        if (const auto listed = rowOf.constFind(url); listed != rowOf.cend()) {
            if (firstRepeat < 0)
                firstRepeat = *listed;
            continue;
        }
        rowOf.insert(url, int(m_downloads.size()));
        addNew(url, format);
    }
    // One row is pointed at: a list pasted twice is not told row by row.
    if (firstRepeat >= 0)
        emit alreadyListed(firstRepeat);
}

void DownloadManager::insertItem(DownloadItem *item)
{
    item->setParent(nullptr);
    append(item);
    updateHasCompleted();
}

void DownloadManager::start(DownloadItem *item)
{
    // A list's own address is never downloaded: its entries are.
    if (!item || item->isGroupHeader())
        return;
    // An entry starts with its list's choices, or not at all (its archive
    // refused, or a run already going).
    if (item->isGroupEntry()) {
        startEntry(item);
        return;
    }
    if (!item->isRunning() && !m_downloadQueue.holds(item) && !m_infoQueue.holds(item))
        m_downloadQueue.submit(item);
}

void DownloadManager::retry(DownloadItem *item)
{
    if (!item || item->isRunning() || m_downloadQueue.holds(item) || m_infoQueue.holds(item))
        return;
    item->setStatus(DownloadStatus::Waiting);
    item->setErrorMessage(QString());
    item->setStatusMessage(QString());
    item->setProgress(0);
    m_infoQueue.submit(item);
}

// A stop pressed while the run waits for its turn ends it there.
void DownloadManager::withdraw(DownloadItem *item)
{
    if (!m_infoQueue.withdraw(item) && !m_downloadQueue.withdraw(item))
        return;
    item->setStatus(DownloadStatus::Cancelled);
    settle(item);
}

void DownloadManager::remove(DownloadItem *item)
{
    if (!item)
        return;
    if (item->isGroupHeader()) {
        removeGroup(item);
        return;
    }
    if (item->isGroupEntry())
        item->group()->forget(item);
    item->cancelRun();
    for (int row = int(m_downloads.size()) - 1; row >= 0; --row) {
        if (m_downloads.at(row)->id() == item->id())
            removeRow(row);
    }
}

void DownloadManager::clearCompleted()
{
    clearCompletedGroups();
    for (int row = int(m_downloads.size()) - 1; row >= 0; --row) {
        // A list's finished entries go with their list, when all are done.
        if (m_downloads.at(row)->status() == DownloadStatus::Done &&
            !m_downloads.at(row)->isGroupEntry())
            removeRow(row);
    }
}

void DownloadManager::convert(DownloadItem *item)
{
    if (item && !item->isRunning())
        convertToQuickTime(item);
}

void DownloadManager::chooseFolder(const QUrl &folder)
{
    if (!folder.isValid() || !folder.isLocalFile())
        return;
    const QString path = QDir::cleanPath(folder.toLocalFile());
    RunSettings::rememberFolder(path);
    QDir().mkpath(path);
    setDownloadFolder(path);
}

void DownloadManager::useSettings(const RunSettings &settings)
{
    m_settings = settings;
    if (m_settings.fragments)
        m_settings.fragments = RunLimits::clampedFragments(*m_settings.fragments);
    if (m_settings.folder.isEmpty())
        return;
    const QString folder = QDir::cleanPath(QDir(m_settings.folder).absolutePath());
    QDir().mkpath(folder);
    setDownloadFolder(folder);
}

void DownloadManager::setDownloadFolder(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (url == m_downloadFolderURL)
        return;
    m_downloadFolderURL = url;
    // What a run cut short by a crash left in the folder goes before any new run.
    QStringList owned;
    for (const DownloadItem *item : allItems())
        owned << item->idText();
    WorkFolder::removeLeftovers(path, owned);
    emit downloadFolderURLChanged();
}

QString DownloadManager::ensureDownloadFolder() const
{
    const QString folder = downloadFolder();
    QDir().mkpath(folder);
    return folder;
}
