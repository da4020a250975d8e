#include "FolderMaker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QUrl FolderMaker::existingFolder(const QUrl &folder) const
{
    QString path = folder.toLocalFile();
    if (path.isEmpty())
        return QUrl::fromLocalFile(QDir::homePath());
    while (!QFileInfo(path).isDir() && QFileInfo(path).path() != path)
        path = QFileInfo(path).path();
    return QUrl::fromLocalFile(path);
}

QUrl FolderMaker::parentOf(const QUrl &folder) const
{
    const QString path = QDir::cleanPath(folder.toLocalFile());
    return QUrl::fromLocalFile(QFileInfo(path).path());
}

bool FolderMaker::isRoot(const QUrl &folder) const
{
    return QDir(folder.toLocalFile()).isRoot();
}

QString FolderMaker::displayPath(const QUrl &folder) const
{
    const QString path = QDir::cleanPath(folder.toLocalFile());
    const QString home = QDir::homePath();
    if (path == home)
        return QStringLiteral("~");
    if (path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return QDir::toNativeSeparators(path);
}

QUrl FolderMaker::childOf(const QUrl &folder, const QString &name) const
{
    return QUrl::fromLocalFile(QDir(folder.toLocalFile()).filePath(name));
}

QString FolderMaker::problemWith(const QString &parent, const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        //% "Type a name for the new folder."
        return qtTrId("folder.error.empty");
    if (trimmed.contains(QLatin1Char('/')))
        //% "A folder name cannot contain “/”."
        return qtTrId("folder.error.slash");
    if (trimmed == QStringLiteral(".") || trimmed == QStringLiteral(".."))
        //% "“%1” cannot be used as a folder name."
        return qtTrId("folder.error.dots").arg(trimmed);
    if (QFileInfo::exists(QDir(parent).filePath(trimmed)))
        //% "There is already an item named “%1” here."
        return qtTrId("folder.error.exists").arg(trimmed);
    return QString();
}

QString FolderMaker::create(const QUrl &parent, const QString &name) const
{
    const QString folder = parent.toLocalFile();
    if (const QString problem = problemWith(folder, name); !problem.isEmpty())
        return problem;
    // mkdir itself, for the system's own words when it refuses (no
    // permission, read-only disk, name too long).
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name.trimmed()));
    if (::mkdir(path.constData(), 0755) != 0)
        //% "The folder could not be created: %1"
        return qtTrId("folder.error.failed").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return QString();
}
