#include "ToolRecord.h"

#include "platform/ToolPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace ToolRecord {

namespace {

QString markerName(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".verification");
}

QString inBin(const QString &name)
{
    return ToolPaths::binDirectory() + QLatin1Char('/') + name;
}

// The tool's files and its record.
QStringList recordedFiles(const QString &fileName)
{
    return filesOf(fileName) << markerName(fileName);
}

QString keptFolder(const QString &fileName)
{
    return previousFolder() + QStringLiteral("/.kept-") + fileName;
}

QJsonObject fingerprint(const QString &path)
{
    const QFileInfo info(path);
    return {{QStringLiteral("size"), double(info.size())},
            {QStringLiteral("modified"), double(info.lastModified().toMSecsSinceEpoch())}};
}

// One atomic rename that replaces `to` (QFile::rename never replaces).
bool replace(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A hard link keeps the file as it is (and costs nothing); a copy where the
// file system has none.
bool linkOrCopy(const QString &from, const QString &to)
{
    QFile::remove(to);
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 ||
           QFile::copy(from, to);
}

} // namespace

QString verificationName(Verification verification)
{
    switch (verification) {
    case Verification::Sha256:
        return QStringLiteral("sha256");
    case Verification::Md5:
        return QStringLiteral("md5");
    case Verification::NotVerifiable:
        return QStringLiteral("not verifiable");
    case Verification::NotVerified:
        break;
    }
    return QStringLiteral("not verified");
}

QStringList filesOf(const QString &fileName)
{
    if (fileName == QStringLiteral("ffmpeg"))
        return {fileName, QStringLiteral("ffprobe")};
    return {fileName};
}

QString previousFolder()
{
    return ToolPaths::binDirectory() + QStringLiteral("/previous");
}

State read(const QString &fileName)
{
    State state;
    state.hasPrevious = ToolPaths::isExecutableFile(previousFolder() + QLatin1Char('/') + fileName);
    QFile marker(inBin(markerName(fileName)));
    if (!marker.open(QIODevice::ReadOnly))
        return state;
    const QJsonObject record = QJsonDocument::fromJson(marker.readAll()).object();
    if (fingerprint(inBin(fileName)) != record.value(QStringLiteral("file")).toObject())
        return state;
    const QString name = record.value(QStringLiteral("verification")).toString();
    for (Verification v : {Verification::Sha256, Verification::Md5, Verification::NotVerifiable}) {
        if (name == verificationName(v))
            state.verification = v;
    }
    return state;
}

void writeVerification(const QString &fileName, Verification verification)
{
    QSaveFile marker(inBin(markerName(fileName)));
    if (!marker.open(QIODevice::WriteOnly))
        return;
    marker.write(
        QJsonDocument(QJsonObject{{QStringLiteral("verification"), verificationName(verification)},
                                  {QStringLiteral("file"), fingerprint(inBin(fileName))}})
            .toJson(QJsonDocument::Compact));
    marker.commit();
}

void keepCurrent(const QString &fileName)
{
    discardKept(fileName);
    const QString kept = keptFolder(fileName);
    QDir().mkpath(kept);
    for (const QString &name : recordedFiles(fileName)) {
        if (QFileInfo::exists(inBin(name)))
            linkOrCopy(inBin(name), kept + QLatin1Char('/') + name);
    }
}

void promoteKept(const QString &fileName)
{
    const QString kept = keptFolder(fileName);
    if (!QFileInfo::exists(kept + QLatin1Char('/') + fileName))
        return discardKept(fileName);
    for (const QString &name : recordedFiles(fileName)) {
        const QString target = previousFolder() + QLatin1Char('/') + name;
        if (!QFileInfo::exists(kept + QLatin1Char('/') + name))
            QFile::remove(target); // the previous version had no such file
        else
            replace(kept + QLatin1Char('/') + name, target);
    }
    discardKept(fileName);
}

void discardKept(const QString &fileName)
{
    QDir(keptFolder(fileName)).removeRecursively();
    QDir().rmdir(previousFolder()); // only when empty: nothing to roll back to
}

QString linkPrevious(const QString &fileName)
{
    const QString folder = previousFolder() + QStringLiteral("/.restoring-") + fileName;
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        return QString();
    for (const QString &name : filesOf(fileName)) {
        const QString previous = previousFolder() + QLatin1Char('/') + name;
        if (QFileInfo::exists(previous) &&
            !linkOrCopy(previous, folder + QLatin1Char('/') + name)) {
            QDir(folder).removeRecursively();
            return QString();
        }
    }
    return folder;
}

void finishRollback(const QString &fileName)
{
    const QString previousMarker = previousFolder() + QLatin1Char('/') + markerName(fileName);
    if (!replace(previousMarker, inBin(markerName(fileName))))
        QFile::remove(inBin(markerName(fileName)));
    for (const QString &name : filesOf(fileName))
        QFile::remove(previousFolder() + QLatin1Char('/') + name);
    QDir().rmdir(previousFolder());
}

} // namespace ToolRecord
