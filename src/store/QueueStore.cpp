#include "QueueStore.h"

#include "SavedPaths.h"
#include "engine/DownloadItem.h"
#include "engine/DownloadManager.h"

#include "engine/WorkFolder.h"
#include "log/Logger.h"
#include "platform/PlatformProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSemaphore>

namespace {

// A change of state is written within this; progress at most this often.
constexpr int kSoonMs = 100;
constexpr int kLaterMs = 1000;

std::unique_ptr<LockClaim> claimList(const QString &path, bool &heldElsewhere)
{
    QDir().mkpath(QFileInfo(path).path());
    auto claim = LockClaim::take(path + QStringLiteral(".lock"), &heldElsewhere);
    if (!claim && !heldElsewhere)
        Logger::shared().log(QStringLiteral("  store: the list's claim cannot be made; ") +
                                 QStringLiteral("going on without it"),
                             LogLevel::Warning);
    return claim;
}

// A path from the file, fit for one line of the log.
QString logged(QString path)
{
    for (QChar &c : path) {
        if (!c.isPrint())
            c = QLatin1Char('?');
    }
    return path;
}

} // namespace

QueueStore::QueueStore(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_listLock(claimList(path, m_heldElsewhere)),
      m_db(std::make_shared<QueueDatabase>(path))
{
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
    m_soon.setSingleShot(true);
    m_soon.setInterval(kSoonMs);
    m_later.setSingleShot(true);
    m_later.setInterval(kLaterMs);
    connect(&m_soon, &QTimer::timeout, this, &QueueStore::write);
    connect(&m_later, &QTimer::timeout, this, &QueueStore::write);

    if (holdsList()) {
        readSaved();
    } else {
        Logger::shared().log(QStringLiteral("  store: ") + path +
                                 QStringLiteral(" is held by another Reelix; not opened"),
                             LogLevel::Warning);
        dropDatabase();
    }
    connect(&m_history, &HistoryModel::removed, this, [this](const QString &id) {
        m_pending.removedHistory << id;
        m_soon.start();
    });
    connect(&m_history, &HistoryModel::cleared, this, [this] {
        m_pending.history.clear();
        m_pending.removedHistory.clear();
        m_pending.clearHistory = true;
        m_soon.start();
    });
}

QueueStore::~QueueStore()
{
    finish();
    dropDatabase();
}

void QueueStore::readSaved()
{
    QList<HistoryRecord> history;
    QString setAside;
    bool leftAsItIs = false;
    // The first read is waited for: the list is shown as it was, or not at all.
    runAndWait([&](QueueDatabase &db) {
        if (!db.open()) {
            leftAsItIs = db.leftAsItIs();
            return;
        }
        setAside = db.setAside();
        m_saved = db.items();
        history = db.history();
    });
    m_history.reset(history);
    if (leftAsItIs) {
        // Another program holds the file: nothing this run does is written over it.
        dropDatabase();
        //% "The saved download list (%1) is in use by another program and was left as it is. "
        //% "The list starts empty, and what you add now is not kept after Reelix quits."
        m_notice = qtTrId("store.left_as_is").arg(m_path);
    } else if (!setAside.isEmpty()) {
        //% "The saved download list could not be read. It was kept as %1 and the list starts"
        //% " empty."
        m_notice = qtTrId("store.set_aside").arg(setAside);
    }
    QStringList ids;
    for (const ItemRecord &r : std::as_const(m_saved)) {
        ids << r.id;
        m_positions.insert(r.id, r.position);
        m_nextPosition = std::max(m_nextPosition, r.position + 1);
    }
    WorkFolder::claim(ids);
}

void QueueStore::dropDatabase()
{
    // The connection goes on the thread that made it.
    m_pool.start([db = std::exchange(m_db, nullptr)]() mutable { db.reset(); });
    m_pool.waitForDone();
}

void QueueStore::tellNotSaved()
{
    if (std::exchange(m_toldNotSaved, true))
        return;
    //% "Changes to the download list cannot be saved in %1 (the file is read-only or the "
    //% "disk refused them). The list stays as it is until Reelix quits."
    m_notice = qtTrId("store.not_saved").arg(m_path);
    emit noticeChanged();
}

QString QueueStore::defaultPath()
{
    return PlatformProfile::current().dataDirectory + QStringLiteral("/downloads.sqlite");
}

void QueueStore::dismissNotice()
{
    if (m_notice.isEmpty())
        return;
    m_notice.clear();
    emit noticeChanged();
}

void QueueStore::run(std::function<void(QueueDatabase &)> job)
{
    if (!m_db)
        return;
    m_pool.start([db = m_db, job = std::move(job)] { job(*db); });
}

QList<ItemRecord> QueueStore::trusted(const QString &downloadFolder)
{
    const QStringList folders{downloadFolder, PlatformProfile::current().dataDirectory};
    QList<ItemRecord> kept;
    for (const ItemRecord &r : std::exchange(m_saved, {})) {
        if (const QString path = SavedPaths::outside(r, folders); !path.isEmpty())
            Logger::shared().log(QStringLiteral("  store: saved item ") + logged(r.id) +
                                     QStringLiteral(" left out: ") + logged(path) +
                                     QStringLiteral(" is outside ") + downloadFolder,
                                 LogLevel::Warning);
        else
            kept << r;
    }
    return kept;
}

void QueueStore::restoreInto(DownloadManager &manager)
{
    m_manager = &manager;
    QList<RestoredItem> restored;
    for (const ItemRecord &r : trusted(manager.downloadFolder())) {
        restored << RestoredItem::from(r);
        manager.insertItem(restored.last().item);
        follow(restored.last().item);
    }
    connect(&manager, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { added(first, last); });
    connect(&manager, &DownloadManager::itemRemoved, this, &QueueStore::forget);
    connect(&manager, &DownloadManager::itemSettled, this, &QueueStore::settled);
    for (const RestoredItem &r : std::as_const(restored)) {
        switch (r.next) {
        case RestoredItem::Next::FetchInfo:
            manager.retry(r.item);
            break;
        case RestoredItem::Next::Download:
            manager.start(r.item);
            break;
        case RestoredItem::Next::Convert:
            manager.convert(r.item);
            break;
        case RestoredItem::Next::Nothing:
            break;
        }
    }
}

void QueueStore::follow(DownloadItem *item)
{
    auto soon = [this, item] { markDirty(item, true); };
    for (auto signal : {&DownloadItem::statusChanged, &DownloadItem::titleChanged,
                        &DownloadItem::thumbnailURLChanged, &DownloadItem::formatsChanged,
                        &DownloadItem::selectedFormatIDChanged, &DownloadItem::errorMessageChanged,
                        &DownloadItem::fileChanged})
        connect(item, signal, this, soon);
    auto later = [this, item] { markDirty(item, false); };
    connect(item, &DownloadItem::progressChanged, this, later);
    connect(item, &DownloadItem::statusMessageChanged, this, later);
}

void QueueStore::added(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        DownloadItem *item = m_manager->itemAt(row);
        // The entries of a list collapsed a moment ago are followed already.
        if (!m_positions.contains(item->idText())) {
            m_positions.insert(item->idText(), m_nextPosition++);
            follow(item);
        }
        markDirty(item, true);
    }
}

void QueueStore::forget(DownloadItem *item)
{
    disconnect(item, nullptr, this, nullptr);
    m_dirty.remove(item->idText());
    m_positions.remove(item->idText());
    m_pending.removedItems << item->idText();
    m_soon.start();
}

void QueueStore::settled(DownloadItem *item)
{
    if (item->status() != DownloadStatus::Done || !item->filePath())
        return;
    const HistoryRecord entry = HistoryRecord::of(*item);
    m_history.record(entry);
    m_pending.history << entry;
    m_soon.start();
}

void QueueStore::markDirty(DownloadItem *item, bool soon)
{
    m_dirty.insert(item->idText(), item);
    if (soon && !m_soon.isActive())
        m_soon.start();
    else if (!soon && !m_later.isActive())
        m_later.start();
}

void QueueStore::write()
{
    m_soon.stop();
    m_later.stop();
    StoreBatch batch = std::exchange(m_pending, {});
    const QString folder = m_manager ? m_manager->downloadFolder() : QString();
    for (auto at = m_dirty.cbegin(); at != m_dirty.cend(); ++at) {
        if (!at.value() || !m_positions.contains(at.key()))
            continue;
        ItemRecord record = ItemRecord::of(*at.value(), folder);
        record.position = m_positions.value(at.key());
        batch.items << record;
    }
    m_dirty.clear();
    if (!batch.isEmpty())
        run([this, batch = std::move(batch)](QueueDatabase &db) {
            if (!db.apply(batch))
                QMetaObject::invokeMethod(this, &QueueStore::tellNotSaved, Qt::QueuedConnection);
        });
}

void QueueStore::flush()
{
    write();
    runAndWait([](QueueDatabase &) {});
}

void QueueStore::runAndWait(const std::function<void(QueueDatabase &)> &job)
{
    if (!m_db)
        return;
    // Not a QFuture: waiting on one may run the job on this thread, out of
    // turn and away from the connection's thread.
    QSemaphore done;
    run([&](QueueDatabase &db) {
        job(db);
        done.release();
    });
    done.acquire();
}

void QueueStore::finish()
{
    if (m_manager) {
        disconnect(m_manager, nullptr, this, nullptr);
        for (DownloadItem *item : m_manager->allItems())
            disconnect(item, nullptr, this, nullptr);
    }
    write();
    if (m_manager) {
        // The next run starts its download from the saved information.
        for (DownloadItem *item : m_manager->allItems()) {
            if (item->status() != DownloadStatus::Done)
                item->savedInfo().release();
        }
    }
    flush();
    m_manager = nullptr;
}

QList<HistoryRecord> QueueStore::readHistory(const QString &path)
{
    QueueDatabase db(path);
    return db.openReadOnly() ? db.history() : QList<HistoryRecord>();
}

void QueueStore::claimSavedWork(const QString &path)
{
    QueueDatabase db(path);
    if (!db.openReadOnly())
        return;
    QStringList ids;
    for (const ItemRecord &r : db.items())
        ids << r.id;
    WorkFolder::claim(ids);
}
