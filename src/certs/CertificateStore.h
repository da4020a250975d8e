#pragma once

#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

#include <chrono>
#include <optional>

class QProcess;

// Builds "ca-bundle.pem", the certificates the system trusts, for tools that
// carry their own store (yt-dlp). macOS exports the keychains with the
// `security` tool; Linux reads the system trust-store bundles. The file is
// reused for seven days and replaced atomically, so a reader always sees a
// complete bundle.
class CertificateStore
{
public:
    static constexpr int minimumCertificateCount = 20;
    static constexpr std::chrono::seconds maximumAge = std::chrono::days(7);

    // The bundle's path, rebuilt when missing, empty, stale or forced; nothing
    // when no bundle can exist. Never throws.
    static QCoro::Task<std::optional<QString>> bundlePath(bool forceRefresh = false);

    static QString certificatesDirectory();
    static QString bundleFile();
    static bool isBundleFresh(const QString &path);
    static QStringList availableKeychains();
    static QCoro::Task<QString> exportSystemCertificates();
    static QCoro::Task<QString> runSecurity(QStringList arguments);
    static QStringList extractPEMBlocks(const QString &text);
    // Joins distinct blocks in order of first appearance, one line feed after each.
    static QString joinDistinct(const QStringList &blocks);
    static int countCertificates(const QString &text);

private:
    static QString readTrustStoreFiles(const QStringList &files);
};
