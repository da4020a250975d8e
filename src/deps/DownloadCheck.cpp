#include "DownloadCheck.h"

#include "ToolDownload.h"

#include "platform/PlatformProfile.h"

#include <QCryptographicHash>
#include <QFile>

namespace DownloadCheck {

namespace {
// Made outside the coroutines, which GCC 12 gets wrong for aggregates.
Failure unverified(const QString &message)
{
    return {Failure::Kind::Unverified, message};
}
} // namespace

Result<QByteArray> digestFor(const QByteArray &sumsFile, const QString &assetName)
{
    std::optional<QByteArray> found;
    for (const QByteArray &line : sumsFile.split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() != 2)
            continue;
        QByteArray name = parts[1];
        if (name.startsWith('*')) // binary mode of sha256sum and md5sum
            name.remove(0, 1);
        if (QString::fromUtf8(name) != assetName)
            continue;
        if (found && *found != parts[0].toLower())
            //% "The published checksums list %1 more than once, with different sums;"
            //% " nothing was installed."
            return unverified(qtTrId("tools.verify.listed_twice").arg(assetName));
        found = parts[0].toLower();
    }
    if (!found)
        //% "The published checksums do not list %1; nothing was installed."
        return unverified(qtTrId("tools.verify.not_listed").arg(assetName));
    return *found;
}

QCoro::Task<Result<QByteArray>> publishedDigest(QNetworkAccessManager &network, ToolSource source,
                                                const StopSwitch *stop)
{
    const Result<QString> file = co_await ToolDownload::toTemporaryFile(
        network, QUrl(source.sumsAddress), {}, stop, TransferLimits::forDocument());
    if (!file)
        co_return unverified(
            //% "The checksums published for %1 could not be read (%2); nothing was installed."
            qtTrId("tools.verify.no_sums").arg(source.assetName(), file.failure().message));
    QFile sums(*file);
    // No larger than the transfer's limit allowed.
    const QByteArray body = sums.open(QIODevice::ReadOnly) ? sums.readAll() : QByteArray();
    sums.close();
    QFile::remove(*file);
    const Result<QByteArray> digest = digestFor(body, source.assetName());
    if (!digest)
        co_return digest.failure();
    co_return *digest;
}

Outcome matches(const QString &path, const QByteArray &digest, const ToolSource &source)
{
    QFile file(path);
    QCryptographicHash hash(source.md5 ? QCryptographicHash::Md5 : QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return Failure{Failure::Kind::FileSystem, file.errorString()};
    if (hash.result().toHex() != digest)
        //% "%1 does not match the checksum its distributor publishes; nothing was installed."
        return unverified(qtTrId("tools.verify.mismatch").arg(source.assetName()));
    return std::nullopt;
}

} // namespace DownloadCheck
