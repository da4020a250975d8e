#include "QueueDatabase.h"

#include "log/Logger.h"
#include "platform/EnumNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

// Each step takes the file from the version before it to its own.
const QStringList kMigrations[] = {
    {QStringLiteral("CREATE TABLE items (id TEXT PRIMARY KEY, position INTEGER NOT NULL, "
                    "url TEXT NOT NULL, format TEXT NOT NULL, title TEXT, site TEXT, "
                    "thumbnail TEXT, formats TEXT, selected_format TEXT, status TEXT NOT NULL, "
                    "progress REAL, status_message TEXT, error TEXT, file_path TEXT, "
                    "file_size TEXT, file_bytes INTEGER, needs_conversion INTEGER, "
                    "codec_info TEXT, vcodec TEXT, work_folder TEXT, info_path TEXT, "
                    "added TEXT, updated TEXT)")},
    {QStringLiteral("CREATE TABLE history (id TEXT PRIMARY KEY, url TEXT NOT NULL, "
                    "format TEXT NOT NULL, title TEXT, site TEXT, file_path TEXT, "
                    "file_bytes INTEGER, finished TEXT)"),
     QStringLiteral("CREATE INDEX history_finished ON history (finished)")},
    {QStringLiteral("ALTER TABLE items ADD COLUMN error_detail TEXT")},
    {QStringLiteral("ALTER TABLE items ADD COLUMN media TEXT")},
};
static_assert(std::size(kMigrations) == QueueDatabase::schemaVersion);

template <typename Enum> Enum enumFrom(const QString &name, Enum fallback)
{
    QString key = name;
    if (!key.isEmpty())
        key[0] = key[0].toUpper();
    bool ok = false;
    const int value = QMetaEnum::fromType<Enum>().keyToValue(key.toLatin1().constData(), &ok);
    return ok ? Enum(value) : fallback;
}

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// SQLite's primary result codes the store tells apart.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kCorrupt = 11;
constexpr int kNotADatabase = 26;
// Another program's lock is waited for this long, this many times, before
// the file is left to it.
constexpr int kBusyWaitMs = 2000;
constexpr int kBusyAttempts = 5;

int codeOf(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isBusy(int code)
{
    return code == kBusy || code == kLocked;
}

void logProblem(const QString &text, LogLevel level = LogLevel::Error)
{
    Logger::shared().log(QStringLiteral("  store: ") + text, level);
}

} // namespace

QueueDatabase::QueueDatabase(QString path)
    : m_path(std::move(path)),
      m_connection(QStringLiteral("reelix-store-") + QUuid::createUuid().toString())
{}

QueueDatabase::~QueueDatabase()
{
    if (m_db.isValid())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool QueueDatabase::exec(QSqlQuery &query, const QString &what)
{
    if (query.exec())
        return true;
    m_lastError = codeOf(query.lastError());
    logProblem(what + QStringLiteral(" — ") + query.lastError().text());
    return false;
}

QueueDatabase::Check QueueDatabase::check()
{
    QSqlQuery query(m_db);
    // Only what SQLite finds in the file itself makes it unreadable: a lock
    // or a refusal of the system says nothing about what it holds.
    const auto failed = [&] {
        const int code = codeOf(query.lastError());
        if (isBusy(code))
            return Check::Busy;
        if (code == 0 || code == kCorrupt || code == kNotADatabase)
            return Check::Unreadable;
        logProblem(m_path + QStringLiteral(" — ") + query.lastError().text());
        return Check::Unavailable;
    };
    // A file that is not a database fails here; one damaged inside fails the check.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return failed();
    if (query.value(0).toString() != QLatin1String("ok"))
        return Check::Unreadable;
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed();
    return query.value(0).toInt() > schemaVersion ? Check::Newer : Check::Usable;
}

QueueDatabase::Check QueueDatabase::checkWaiting()
{
    Check state = check();
    for (int attempt = 1; state == Check::Busy && attempt < kBusyAttempts; ++attempt) {
        logProblem(m_path + QStringLiteral(" is locked by another program; waiting"),
                   LogLevel::Warning);
        state = check();
    }
    return state;
}

bool QueueDatabase::migrate()
{
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("PRAGMA user_version"));
    int version = query.next() ? query.value(0).toInt() : 0;
    for (; version < schemaVersion; ++version) {
        m_db.transaction();
        for (const QString &statement : kMigrations[version]) {
            if (!query.exec(statement)) {
                m_db.rollback();
                return false;
            }
        }
        query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        if (!m_db.commit())
            return false;
    }
    return true;
}

void QueueDatabase::putAside(const QString &why)
{
    m_db.close();
    const QString aside =
        m_path + QLatin1Char('.') + why + QLatin1Char('-') +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss"));
    QFile::rename(m_path, aside);
    // The log and index files go with it: they belong to that file only.
    for (const char *suffix : {"-wal", "-shm"})
        QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    m_setAside = aside;
    Logger::shared().log(QStringLiteral("  store: ") + m_path + QStringLiteral(" set aside as ") +
                             aside,
                         LogLevel::Warning);
}

bool QueueDatabase::open()
{
    QDir().mkpath(QFileInfo(m_path).path());
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyWaitMs));
    const Check state = m_db.open() ? checkWaiting() : Check::Unavailable;
    if (state == Check::Busy || state == Check::Unavailable) {
        // The list in it comes back at a later start.
        m_leftAsItIs = true;
        m_db.close();
        logProblem(m_path + QStringLiteral(" left as it is; the list is kept in memory only"));
        return false;
    }
    if (state != Check::Usable) {
        putAside(state == Check::Newer ? QStringLiteral("newer") : QStringLiteral("unreadable"));
        if (!m_db.open())
            return false;
    }
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    // With the write-ahead log, a crash of the program loses nothing committed.
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    return migrate();
}

bool QueueDatabase::openReadOnly()
{
    if (!QFileInfo::exists(m_path))
        return false;
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    return m_db.open() && check() == Check::Usable;
}

QList<ItemRecord> QueueDatabase::items()
{
    QList<ItemRecord> list;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT id, position, url, format, title, site, thumbnail, formats, selected_format, "
            "status, progress, status_message, error, file_path, file_size, file_bytes, "
            "needs_conversion, codec_info, vcodec, work_folder, info_path, added, updated, "
            "error_detail, media FROM items ORDER BY position")))
        return list;
    while (q.next()) {
        ItemRecord r;
        r.id = q.value(0).toString();
        r.position = q.value(1).toLongLong();
        r.url = q.value(2).toString();
        r.format = enumFrom(q.value(3).toString(), DownloadFormat::Video);
        r.title = q.value(4).toString();
        r.site = q.value(5).toString();
        r.thumbnailURL = q.value(6).toString();
        r.formats = ItemRecord::formatsFrom(q.value(7).toString());
        r.selectedFormatID = q.value(8).toString();
        r.status = enumFrom(q.value(9).toString(), DownloadStatus::Error);
        r.progress = q.value(10).toDouble();
        r.statusMessage = q.value(11).toString();
        r.errorMessage = q.value(12).toString();
        r.filePath = q.value(13).toString();
        r.fileSize = q.value(14).toString();
        r.fileBytes = q.value(15).toLongLong();
        r.needsConversion = q.value(16).toBool();
        r.codecInfo = q.value(17).toString();
        r.vcodec = q.value(18).toString();
        r.workFolder = q.value(19).toString();
        r.infoPath = q.value(20).toString();
        r.added = QDateTime::fromString(q.value(21).toString(), Qt::ISODateWithMs);
        r.updated = QDateTime::fromString(q.value(22).toString(), Qt::ISODateWithMs);
        r.errorDetail = q.value(23).toString();
        r.media = ItemMedia::fromText(q.value(24).toString());
        list.append(r);
    }
    return list;
}

QList<HistoryRecord> QueueDatabase::history()
{
    QList<HistoryRecord> list;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, url, format, title, site, file_path, file_bytes, "
                               "finished FROM history ORDER BY finished DESC")))
        return list;
    while (q.next()) {
        HistoryRecord r;
        r.id = q.value(0).toString();
        r.url = q.value(1).toString();
        r.format = enumFrom(q.value(2).toString(), DownloadFormat::Video);
        r.title = q.value(3).toString();
        r.site = q.value(4).toString();
        r.filePath = q.value(5).toString();
        r.fileBytes = q.value(6).toLongLong();
        r.finished = QDateTime::fromString(q.value(7).toString(), Qt::ISODateWithMs);
        list.append(r);
    }
    return list;
}

bool QueueDatabase::writeItem(const ItemRecord &r)
{
    QSqlQuery q(m_db);
    // The position and the time of adding stay as first written.
    q.prepare(QStringLiteral(
        "INSERT INTO items (id, position, url, format, title, site, thumbnail, formats, "
        "selected_format, status, progress, status_message, error, file_path, file_size, "
        "file_bytes, needs_conversion, codec_info, vcodec, work_folder, info_path, added, updated, "
        "error_detail, media) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?) "
        "ON CONFLICT(id) DO UPDATE SET "
        "title=excluded.title, site=excluded.site, thumbnail=excluded.thumbnail, "
        "formats=excluded.formats, selected_format=excluded.selected_format, "
        "status=excluded.status, progress=excluded.progress, "
        "status_message=excluded.status_message, error=excluded.error, "
        "file_path=excluded.file_path, file_size=excluded.file_size, "
        "file_bytes=excluded.file_bytes, needs_conversion=excluded.needs_conversion, "
        "codec_info=excluded.codec_info, vcodec=excluded.vcodec, "
        "work_folder=excluded.work_folder, info_path=excluded.info_path, "
        "updated=excluded.updated, error_detail=excluded.error_detail, media=excluded.media"));
    const QVariantList values{r.id,
                              r.position,
                              r.url,
                              caseName(r.format),
                              r.title,
                              r.site,
                              r.thumbnailURL,
                              ItemRecord::formatsText(r.formats),
                              r.selectedFormatID,
                              caseName(r.status),
                              r.progress,
                              r.statusMessage,
                              r.errorMessage,
                              r.filePath,
                              r.fileSize,
                              r.fileBytes,
                              r.needsConversion,
                              r.codecInfo,
                              r.vcodec,
                              r.workFolder,
                              r.infoPath,
                              timeText(r.added.isValid() ? r.added : r.updated),
                              timeText(r.updated),
                              r.errorDetail,
                              r.media.toText()};
    for (const QVariant &value : values)
        q.addBindValue(value);
    return exec(q, QStringLiteral("write item"));
}

bool QueueDatabase::writeHistory(const HistoryRecord &r)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO history (id, url, format, title, site, "
                             "file_path, file_bytes, finished) VALUES (?,?,?,?,?,?,?,?)"));
    const QVariantList values{r.id,   r.url,      caseName(r.format), r.title,
                              r.site, r.filePath, r.fileBytes,        timeText(r.finished)};
    for (const QVariant &value : values)
        q.addBindValue(value);
    return exec(q, QStringLiteral("write history"));
}

bool QueueDatabase::apply(const StoreBatch &batch)
{
    Written result = m_writesFailed ? Written::Failed : Written::Busy;
    for (int attempt = 0; result == Written::Busy && attempt < kBusyAttempts; ++attempt)
        result = writeBatch(batch);
    // A later batch alone would leave the file saying what never was.
    m_writesFailed = result != Written::Done;
    return !m_writesFailed;
}

QueueDatabase::Written QueueDatabase::writeBatch(const StoreBatch &batch)
{
    m_lastError = 0;
    if (!m_db.isOpen())
        return Written::Failed;
    if (!m_db.transaction())
        return isBusy(codeOf(m_db.lastError())) ? Written::Busy : Written::Failed;
    bool ok = true;
    QSqlQuery q(m_db);
    if (batch.clearHistory) {
        q.prepare(QStringLiteral("DELETE FROM history"));
        ok = exec(q, QStringLiteral("clear history")) && ok;
    }
    for (const ItemRecord &r : batch.items)
        ok = writeItem(r) && ok;
    for (const HistoryRecord &r : batch.history)
        ok = writeHistory(r) && ok;
    for (const auto &[table, ids] : {std::pair{QStringLiteral("items"), batch.removedItems},
                                     std::pair{QStringLiteral("history"), batch.removedHistory}}) {
        for (const QString &id : ids) {
            q.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(table));
            q.addBindValue(id);
            ok = exec(q, QStringLiteral("remove")) && ok;
        }
    }
    if (ok && m_db.commit())
        return Written::Done;
    const int code = m_lastError ? m_lastError : codeOf(m_db.lastError());
    m_db.rollback();
    return isBusy(code) ? Written::Busy : Written::Failed;
}
