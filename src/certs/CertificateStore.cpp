#include "CertificateStore.h"

#include "log/Logger.h"
#include "platform/PlatformProfile.h"
#include "platform/ProcessWait.h"
#include "platform/TemporaryNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

#include <cstdio>
#include <mutex>

namespace {

const QString kBegin = QStringLiteral("-----BEGIN CERTIFICATE-----");
const QString kEnd = QStringLiteral("-----END CERTIFICATE-----");

std::mutex &bundleLock()
{
    static std::mutex lock;
    return lock;
}

// Writes the new bundle beside the old one and renames it into place (one
// atomic rename), so readers see either the old or the new complete file.
Outcome writeAndReplace(const QString &bundle, const QByteArray &text)
{
    std::lock_guard lock(bundleLock());
    QSaveFile file(bundle);
    // Unbuffered, so that a short write (a full disk, a size limit) fails
    // here: through the buffer it went unnoticed and a cut file was committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(text) != text.size() || !file.commit())
        return Failure{Failure::Kind::FileSystem, file.errorString()};
    return std::nullopt;
}

std::optional<QString> existingFile(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    return std::nullopt;
}

} // namespace

QString CertificateStore::certificatesDirectory()
{
    const QString folder = PlatformProfile::current().certificatesDirectory;
    QDir().mkpath(folder);
    return folder;
}

QString CertificateStore::bundleFile()
{
    return certificatesDirectory() + QStringLiteral("/ca-bundle.pem");
}

bool CertificateStore::isBundleFresh(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.size() < 1)
        return false;
    const QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return false;
    // A date in the future gives a negative age and counts as fresh.
    return modified.secsTo(QDateTime::currentDateTime()) < maximumAge.count();
}

QStringList CertificateStore::availableKeychains()
{
    QStringList found;
    for (const QString &keychain : PlatformProfile::current().keychains) {
        if (QFileInfo::exists(keychain))
            found << keychain;
    }
    return found;
}

QStringList CertificateStore::extractPEMBlocks(const QString &text)
{
    QStringList blocks;
    qsizetype position = 0;
    for (;;) {
        const qsizetype begin = text.indexOf(kBegin, position);
        if (begin < 0)
            break;
        const qsizetype end = text.indexOf(kEnd, begin + kBegin.size());
        if (end < 0)
            break; // an unterminated block is dropped
        const qsizetype stop = end + kEnd.size();
        blocks << text.mid(begin, stop - begin).trimmed();
        position = stop;
    }
    return blocks;
}

QString CertificateStore::joinDistinct(const QStringList &blocks)
{
    QSet<QString> seen;
    QStringList kept;
    for (const QString &block : blocks) {
        if (seen.contains(block))
            continue;
        seen.insert(block);
        kept << block;
    }
    return kept.isEmpty() ? QString() : kept.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int CertificateStore::countCertificates(const QString &text)
{
    return int(text.count(kBegin));
}

QString CertificateStore::readTrustStoreFiles(const QStringList &files)
{
    QStringList blocks;
    for (const QString &path : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            blocks << extractPEMBlocks(QString::fromUtf8(file.readAll()));
    }
    return joinDistinct(blocks);
}

QCoro::Task<QString> CertificateStore::exportSystemCertificates()
{
    const PlatformProfile profile = PlatformProfile::current();
    if (!profile.isMacOS()) {
        const QStringList files = profile.caSourceFiles;
        auto reading = QtConcurrent::run(readTrustStoreFiles, files);
        co_return co_await reading;
    }
    QStringList blocks;
    for (const QString &keychain : availableKeychains()) {
        const QStringList arguments{QStringLiteral("find-certificate"), QStringLiteral("-a"),
                                    QStringLiteral("-p"), keychain};
        const QString output = co_await runSecurity(arguments);
        blocks << extractPEMBlocks(output);
    }
    co_return joinDistinct(blocks);
}

QCoro::Task<QString> CertificateStore::runSecurity(QStringList arguments)
{
    const QString temporary =
        TemporaryNames::inTemp(QStringLiteral("reelix_certs_")) + QStringLiteral(".pem");
    {
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            co_return QString();
    }
    QProcess process;
    process.setProgram(PlatformProfile::current().securityTool);
    process.setArguments(arguments);
    process.setStandardOutputFile(temporary);
    process.setStandardErrorFile(QProcess::nullDevice());
    const ProcessRunResult end = co_await startAndWait(process);
    QString text;
    if (end.started()) {
        QFile file(temporary);
        if (file.open(QIODevice::ReadOnly))
            text = QString::fromUtf8(file.readAll());
    }
    QFile::remove(temporary);
    co_return text;
}

QCoro::Task<std::optional<QString>> CertificateStore::bundlePath(bool forceRefresh)
{
    const QString folder = certificatesDirectory();
    const QString bundle = folder + QStringLiteral("/ca-bundle.pem");
    if (!forceRefresh && isBundleFresh(bundle))
        co_return bundle;

    const QString text = co_await exportSystemCertificates();
    const int count = countCertificates(text);
    if (count < minimumCertificateCount) {
        Logger::shared().log(QStringLiteral("  CertificateStore: export insuffisant (") +
                                 QString::number(count) +
                                 QStringLiteral(" certificats) — bundle système ignoré"),
                             LogLevel::Warning);
        co_return existingFile(bundle);
    }

    const QByteArray bytes = text.toUtf8();
    auto writing = QtConcurrent::run(writeAndReplace, bundle, bytes);
    const Outcome failure = co_await writing;
    if (failure) {
        Logger::shared().log(QStringLiteral("  CertificateStore: écriture impossible — ") +
                                 failure->message,
                             LogLevel::Error);
        co_return existingFile(bundle);
    }
    Logger::shared().log(QStringLiteral("  CertificateStore: bundle régénéré — ") +
                             QString::number(count) + QStringLiteral(" certificats → ") + bundle,
                         LogLevel::Info);
    co_return bundle;
}
