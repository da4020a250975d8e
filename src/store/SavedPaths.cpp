#include "SavedPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// `path` with every symbolic link resolved, the part that does not exist yet
// taken as written; empty when it has `..` or a link that leads nowhere.
QString resolved(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return {};
    const QStringList parts =
        QDir::fromNativeSeparators(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.contains(QStringLiteral("..")))
        return {};
    qsizetype existing = parts.size();
    const auto prefix = [&](qsizetype count) {
        return QLatin1Char('/') + parts.first(count).join(QLatin1Char('/'));
    };
    // A link that leads nowhere counts as there: what is written through it
    // lands where it points.
    while (existing > 0 && !QFileInfo::exists(prefix(existing)) &&
           !QFileInfo(prefix(existing)).isSymLink())
        --existing;
    const QString base = QFileInfo(prefix(existing)).canonicalFilePath();
    if (base.isEmpty())
        return {};
    QStringList rest = parts.mid(existing);
    rest.removeAll(QStringLiteral("."));
    return rest.isEmpty() ? base : QDir(base).filePath(rest.join(QLatin1Char('/')));
}

// An information file as the information run names it, in the temporary folder.
bool isOwnInfoFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.startsWith(QStringLiteral("reelix_info_")) &&
           name.endsWith(QStringLiteral(".json")) && SavedPaths::isInside(path, QDir::tempPath());
}

} // namespace

bool SavedPaths::isInside(const QString &path, const QString &folder)
{
    const QString target = resolved(path);
    QString root = folder.isEmpty() ? QString() : resolved(folder);
    if (target.isEmpty() || root.isEmpty())
        return false;
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return target.startsWith(root) && target.size() > root.size();
}

QString SavedPaths::outside(const ItemRecord &record, const QStringList &folders)
{
    const auto inAny = [&](const QString &path) {
        return std::any_of(folders.begin(), folders.end(),
                           [&](const QString &folder) { return isInside(path, folder); });
    };
    for (const QString &path : {record.filePath, record.workFolder}) {
        if (!path.isEmpty() && !inAny(path))
            return path;
    }
    // The file goes with the item: it is only ever one the information run wrote.
    if (!record.infoPath.isEmpty() && !isOwnInfoFile(record.infoPath))
        return record.infoPath;
    return {};
}
