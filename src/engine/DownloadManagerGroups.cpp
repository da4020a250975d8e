// The download list's side of lists of videos: listing the entries under
// their header, "Download all" a few at a time, collapsing, removing, and
// where the entries' files go.
#include "Clips.h"
#include "DownloadManager.h"
#include "DownloadRun.h"
#include "Playlist.h"
#include "RunLimits.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <sys/stat.h>

namespace {

// Entries of one list started by "Download all" at once: enough to keep the
// line busy, few enough that the files arrive in the list's order.
int groupInFlight()
{
    const int limit = RunLimits::maxConcurrentDownloads();
    return limit > 0 ? limit : 3;
}

// The list's quality for one entry whose formats are known, unless the
// entry's own menu chose one; what to say when the entry is done.
QString applyChoice(DownloadItem &entry, const DownloadGroup &group)
{
    if (entry.format() == DownloadFormat::Audio || !entry.selectedFormatID().isEmpty())
        return {};
    const FormatPick pick = Playlist::pickFormat(entry.formats(), group.qualityCap());
    entry.setSelectedFormatID(pick.id);
    if (!pick.fellBack)
        return {};
    return qtTrId("playlist.quality_fallback").arg(group.qualityCap()).arg(pick.height);
}

// The list's file choices, as its header row has them when the entry starts.
void takeListChoices(DownloadItem &entry, const DownloadGroup &group)
{
    if (const auto *header = qobject_cast<const DownloadItem *>(group.parent()))
        entry.setChoices(header->choices());
}

} // namespace

QList<DownloadItem *> DownloadManager::allItems() const
{
    QList<DownloadItem *> all;
    all.reserve(m_downloads.size());
    for (DownloadItem *item : m_downloads) {
        all << item;
        if (item->isGroupHeader() && !item->group()->expanded())
            all << item->group()->entries();
    }
    return all;
}

DownloadItem *DownloadManager::addListing(const QString &url, DownloadFormat format,
                                          const PlaylistListing &listing)
{
    auto *header = new DownloadItem(url, format);
    header->setTitle(listing.title);
    header->setStatus(DownloadStatus::Ready);
    append(header);
    listGroup(header, listing);
    return header;
}

void DownloadManager::listGroup(DownloadItem *header, const PlaylistListing &listing)
{
    auto *group = new DownloadGroup(listing.title, DownloadRun::siteName(header->url()),
                                    listing.count, header->format(), header);
    group->setSkipDownloaded(m_settings.archive);
    QSet<int> wanted;
    if (!m_settings.items.isEmpty()) {
        const QList<int> picked = Playlist::pickItems(m_settings.items, listing.count);
        wanted = QSet<int>(picked.cbegin(), picked.cend());
    }
    QList<DownloadItem *> entries;
    entries.reserve(listing.entries.size());
    for (const PlaylistEntry &e : listing.entries) {
        if (!m_settings.items.isEmpty() && !wanted.contains(e.index))
            continue;
        auto *entry = new DownloadItem(e.address, header->format());
        entry->setChoices(header->choices());
        entry->setTitle(e.title);
        entry->setChoices(header->choices()); // the list's choice is each entry's
        entry->setGroup(group, e.index, e.duration);
        entry->setStatus(DownloadStatus::Ready); // listed: its details come when it starts
        group->addEntry(entry);
        entries << entry;
    }
    header->setGroup(group, 0);
    // A choice made on the list's row reaches the entries that have not started.
    connect(header, &DownloadItem::choicesChanged, group, [group, header] {
        for (DownloadItem *entry : group->entries())
            if (entry->status() == DownloadStatus::Ready)
                entry->setChoices(header->choices());
    });
    const int row = int(m_downloads.indexOf(header)) + 1;
    if (row <= 0 || entries.isEmpty())
        return;
    // One insertion for the whole list: the view makes the rows it shows.
    beginInsertRows(QModelIndex(), row, row + int(entries.size()) - 1);
    for (qsizetype i = 0; i < entries.size(); ++i)
        m_downloads.insert(row + i, entries.at(i));
    endInsertRows();
    for (DownloadItem *entry : std::as_const(entries))
        watch(entry);
    emit countChanged();
}

void DownloadManager::downloadAll(DownloadItem *header)
{
    if (!header || !header->isGroupHeader())
        return;
    DownloadGroup *group = header->group();
    QList<DownloadItem *> waiting;
    for (DownloadItem *entry : group->entries()) {
        const DownloadStatus s = entry->status();
        if (s == DownloadStatus::Ready || s == DownloadStatus::Cancelled ||
            s == DownloadStatus::Error)
            waiting << entry;
    }
    group->clearQueue();
    group->queue(waiting);
    pumpGroup(group);
}

void DownloadManager::stopGroup(DownloadItem *header)
{
    if (!header || !header->isGroupHeader())
        return;
    header->group()->clearQueue();
    for (DownloadItem *entry : header->group()->entries()) {
        m_entryPlans[entry].downloadWhenReady = false;
        if (entry->isRunning() || m_infoQueue.holds(entry) || m_downloadQueue.holds(entry))
            entry->cancelRun();
    }
}

void DownloadManager::pumpGroup(DownloadGroup *group)
{
    while (DownloadItem *entry = group->takeNext(groupInFlight())) {
        if (!startEntry(entry)) {
            m_entryPlans[entry].downloadWhenReady = false;
            group->entryEnded(entry);
        }
    }
}

// An entry whose details are not known yet has its information run first
// (through the information queue), then its download with the list's choice.
bool DownloadManager::startEntry(DownloadItem *entry)
{
    if (entry->isRunning() || m_infoQueue.holds(entry) || m_downloadQueue.holds(entry))
        return false;
    DownloadGroup *group = entry->group();
    entry->setFormat(group->format());
    takeListChoices(*entry, *group);
    if (entry->status() == DownloadStatus::Ready && !entry->savedInfo().usablePath().isEmpty()) {
        if (refuseUnsafeArchive(*entry))
            return false;
        m_entryPlans[entry].choiceNote = applyChoice(*entry, *group);
        m_downloadQueue.submit(entry);
        return true;
    }
    if (refuseUnsafeArchive(*entry))
        return false;
    // Its details and its file come from one run.
    entry->setStatus(DownloadStatus::Waiting);
    entry->setErrorMessage(QString());
    entry->setStatusMessage(QString());
    entry->setProgress(0);
    m_downloadQueue.submit(entry);
    return true;
}

void DownloadManager::noteEntryChoice(DownloadItem *entry)
{
    // An entry whose choice was made before its run keeps its note.
    if (const QString note = applyChoice(*entry, *entry->group()); !note.isEmpty())
        m_entryPlans[entry].choiceNote = note;
}

void DownloadManager::fetchDetails(DownloadItem *entry)
{
    if (entry && entry->isGroupEntry() && entry->status() == DownloadStatus::Ready &&
        entry->savedInfo().usablePath().isEmpty())
        retry(entry);
}

void DownloadManager::continueGroup(DownloadItem *item)
{
    if (!item || !item->isGroupEntry())
        return;
    DownloadGroup *group = item->group();
    EntryPlan &plan = m_entryPlans[item];
    if (item->status() == DownloadStatus::Ready && plan.downloadWhenReady) {
        plan.downloadWhenReady = false;
        if (!refuseUnsafeArchive(*item)) {
            plan.choiceNote = applyChoice(*item, *group);
            m_downloadQueue.submit(item);
            return;
        }
    }
    if (item->status() == DownloadStatus::Ready)
        return; // details for the quality menu
    plan.downloadWhenReady = false;
    if (item->status() == DownloadStatus::Done && item->statusMessage().isEmpty()) {
        // A run that left no file while the archive was on found it listed there.
        if (!item->filePath() && !archiveFor(*item).isEmpty())
            //% "Already downloaded to this folder: skipped"
            item->setStatusMessage(qtTrId("playlist.skipped"));
        else
            item->setStatusMessage(plan.choiceNote);
    }
    if (group->entryEnded(item))
        pumpGroup(group);
}

void DownloadManager::setGroupExpanded(DownloadItem *header, bool expanded)
{
    if (!header || !header->isGroupHeader() || header->group()->expanded() == expanded)
        return;
    DownloadGroup *group = header->group();
    const int row = int(m_downloads.indexOf(header)) + 1;
    if (row <= 0)
        return;
    if (!expanded) {
        removeEntryRows(header, false);
    } else if (!group->entries().isEmpty()) {
        const QList<DownloadItem *> &entries = group->entries();
        beginInsertRows(QModelIndex(), row, row + int(entries.size()) - 1);
        for (qsizetype i = 0; i < entries.size(); ++i)
            m_downloads.insert(row + i, entries.at(i));
        endInsertRows();
        emit countChanged();
    }
    group->setExpanded(expanded);
}

// The rows of a header's entries, which follow it, leave the list in one
// step; `forget` ends them too (the list is removed), else they stay the
// group's (collapsed).
void DownloadManager::removeEntryRows(DownloadItem *header, bool forget)
{
    const int first = int(m_downloads.indexOf(header)) + 1;
    int last = first - 1;
    while (last + 1 < m_downloads.size() && m_downloads.at(last + 1)->group() == header->group() &&
           m_downloads.at(last + 1)->isGroupEntry())
        ++last;
    if (first <= 0 || last < first)
        return;
    beginRemoveRows(QModelIndex(), first, last);
    const QList<DownloadItem *> rows = m_downloads.mid(first, last - first + 1);
    m_downloads.remove(first, last - first + 1);
    endRemoveRows();
    emit countChanged();
    if (!forget)
        return;
    for (DownloadItem *entry : rows)
        disconnect(entry, nullptr, this, nullptr);
}

void DownloadManager::removeGroup(DownloadItem *header)
{
    DownloadGroup *group = header->group();
    group->clearQueue();
    const QList<DownloadItem *> entries = group->entries();
    for (DownloadItem *entry : entries) {
        m_infoQueue.withdraw(entry);
        m_downloadQueue.withdraw(entry);
        entry->cancelRun();
    }
    removeEntryRows(header, true);
    for (DownloadItem *entry : entries)
        letGo(entry);
    header->cancelRun();
    const int row = int(m_downloads.indexOf(header));
    if (row >= 0)
        removeRow(row);
}

// A list whose every entry is done goes as a whole.
void DownloadManager::clearCompletedGroups()
{
    const QList<DownloadItem *> rows = m_downloads;
    for (DownloadItem *item : rows) {
        if (!item->isGroupHeader())
            continue;
        const QList<DownloadItem *> &entries = item->group()->entries();
        if (std::all_of(entries.cbegin(), entries.cend(),
                        [](const DownloadItem *e) { return e->status() == DownloadStatus::Done; }))
            removeGroup(item);
    }
}

QString DownloadManager::folderFor(const DownloadItem &item) const
{
    if (!item.isGroupEntry())
        return ensureDownloadFolder();
    const QString base = item.group()->baseFolder();
    const QString folder =
        (base.isEmpty() ? downloadFolder() : base) + QLatin1Char('/') + item.group()->folderName();
    QDir().mkpath(folder);
    return folder;
}

QString DownloadManager::outputNameFor(const DownloadItem &item) const
{
    if (const QString clip = Clips::outputName(item.choices(), item.title()); !clip.isEmpty())
        return clip;
    if (!item.isGroupEntry())
        return DownloadRun::outputTemplate;
    const QString title = Playlist::safeName(item.title(), 60, QString());
    const QString stem =
        Playlist::entryFileStem(item.playlistIndex(), item.group()->listed(), QString());
    return DownloadRun::literalTemplateText(stem) +
           (title.isEmpty() ? QStringLiteral("%(title).50s")
                            : DownloadRun::literalTemplateText(title)) +
           QStringLiteral(".%(ext)s");
}

QString DownloadManager::archiveFor(const DownloadItem &item) const
{
    if (!item.isGroupEntry() || !item.group()->skipDownloaded())
        return {};
    const QString base = item.group()->baseFolder();
    return (base.isEmpty() ? downloadFolder() : base) + QLatin1Char('/') +
           item.group()->folderName() + QStringLiteral("/.reelix-archive");
}

// yt-dlp appends to whatever the archive's name leads to: a link (or a second
// name of another file) would have it write into a file of the user's.
bool DownloadManager::refuseUnsafeArchive(DownloadItem &entry) const
{
    const QString archive = archiveFor(entry);
    struct stat info = {};
    if (archive.isEmpty() || ::lstat(QFile::encodeName(archive).constData(), &info) != 0)
        return false; // none yet: the run makes it
    if (S_ISREG(info.st_mode) && info.st_nlink == 1)
        return false;
    //% "%1 is a link or not a plain file: Reelix does not write the list’s archive through it."
    //% " Remove it, then try again."
    entry.setErrorMessage(qtTrId("playlist.archive_unsafe").arg(archive));
    entry.setStatus(DownloadStatus::Error);
    return true;
}
