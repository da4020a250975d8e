#include "WorkFolder.h"

#include "DownloadRun.h"
#include "Retag.h"

#include "platform/PlainText.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kPrefix = QStringLiteral(".reelix-work-");
const QString kLockName = QStringLiteral(".reelix-lock");
// A UUID's text with dashes; item ids are in lower case, temporary names in upper.
const QString kUuid = QStringLiteral("[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}");

// Only a claim whose process has ended is stale, however old: a run may last
// hours.
std::unique_ptr<LockClaim> lockIn(const QString &folder)
{
    return LockClaim::take(folder + QLatin1Char('/') + kLockName);
}

// A temporary the conversion or the hev1 retag of an earlier version wrote
// beside the downloads. "._retag_X" beside a file "retag_X" is that file's
// companion from macOS, not ours.
bool isStaleTemporary(const QFileInfo &entry)
{
    static const QRegularExpression conversion(QStringLiteral("^\\.reelix_convert_") +
                                               kUuid.toUpper() + QStringLiteral("\\.mp4$"));
    const QString name = entry.fileName();
    if (conversion.match(name).hasMatch())
        return true;
    return name.startsWith(retagTemporaryPrefix) &&
           !QFileInfo::exists(entry.path() + QLatin1Char('/') + name.mid(2));
}

QStringList &claimedIds()
{
    static QStringList ids;
    return ids;
}

// yt-dlp names the file after the title, control characters and direction
// overrides included: the download folder shows the name without them.
QString shownName(const QString &file)
{
    const QString named = QFileInfo(file).fileName();
    QString name = PlainText::withoutHidden(named);
    if (name.startsWith(QLatin1Char('.')) && !named.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("download")); // nothing was left of the title
    return name;
}

} // namespace

QString WorkFolder::pathIn(const QString &parent, const QString &itemId)
{
    return parent + QLatin1Char('/') + kPrefix + itemId;
}

WorkFolder::WorkFolder(const QString &parent, const QString &itemId)
    : m_parent(parent), m_path(pathIn(parent, itemId))
{
    // Never a link: removing the folder would empty the folder it points to.
    if (QFileInfo(m_path).isSymLink() || !QDir().mkpath(m_path))
        return;
    m_lock = lockIn(m_path);
}

WorkFolder::~WorkFolder()
{
    remove();
}

bool WorkFolder::holds(const QString &file) const
{
    const QFileInfo info(file);
    return isReady() && info.isFile() && !info.isSymLink() &&
           info.canonicalPath() == QFileInfo(m_path).canonicalFilePath();
}

Result<QString> WorkFolder::place(const QString &file) const
{
    return DownloadRun::moveToFreeName(file, m_parent + QLatin1Char('/') + shownName(file));
}

void WorkFolder::clearContents(const QString &path)
{
    const auto entries = QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                  QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() == kLockName)
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

void WorkFolder::remove()
{
    if (!m_lock)
        return;
    m_lock.reset(); // the claim's file goes with it
    QDir(m_path).removeRecursively();
}

void WorkFolder::discard(const QString &parent, const QString &itemId)
{
    const QString path = pathIn(parent, itemId);
    if (!QFileInfo(path).isDir() || QFileInfo(path).isSymLink())
        return;
    if (auto lock = lockIn(path)) {
        lock->release();
        QDir(path).removeRecursively();
    }
}

QString WorkFolder::keep(const QString &file)
{
    if (!m_lock)
        return file;
    m_lock.reset(); // the claim's file goes with it
    const QString kept = m_parent + QStringLiteral("/.reelix-kept-") +
                         m_path.mid(m_path.lastIndexOf(kPrefix) + kPrefix.size());
    if (!QDir().rename(m_path, kept))
        return file;
    return kept + QLatin1Char('/') + QFileInfo(file).fileName();
}

void WorkFolder::rescue(const QString &file)
{
    const QFileInfo info(file);
    const QDir work = info.dir();
    if (!info.isFile() || info.isSymLink() || !isWorkFolderName(work.dirName()))
        return;
    DownloadRun::moveToFreeName(file,
                                QFileInfo(work.path()).path() + QLatin1Char('/') + shownName(file));
}

bool WorkFolder::isWorkFolderName(const QString &name)
{
    static const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(kPrefix) +
                                            kUuid + QLatin1Char('$'));
    return pattern.match(name).hasMatch();
}

void WorkFolder::removeLeftovers(const QString &folder, const QStringList &owned)
{
    const QDir dir(folder);
    const auto entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue;
        const QString name = entry.fileName();
        if (entry.isFile() && isStaleTemporary(entry)) {
            QFile::remove(entry.filePath());
        } else if (entry.isDir() && isWorkFolderName(name) &&
                   !owned.contains(name.mid(kPrefix.size())) &&
                   !claimedIds().contains(name.mid(kPrefix.size()))) {
            // Held by a run going on in this or another Reelix: left alone.
            if (auto lock = lockIn(entry.filePath())) {
                lock->release();
                QDir(entry.filePath()).removeRecursively();
            }
        }
    }
}

void WorkFolder::claim(const QStringList &itemIds)
{
    claimedIds() << itemIds;
}
