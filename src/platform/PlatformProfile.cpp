#include "PlatformProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

namespace {

QString xdgFolder(const QProcessEnvironment &env, const QString &variable, const QString &home,
                  const QString &fallback)
{
    const QString value = env.value(variable);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(home + QLatin1Char('/') + fallback);
}

QStringList caSourcesFrom(const QProcessEnvironment &env, const QStringList &defaults)
{
    if (!env.contains(QStringLiteral("REELIX_CA_SOURCES")))
        return defaults;
    QStringList files;
    const auto parts = env.value(QStringLiteral("REELIX_CA_SOURCES")).split(QLatin1Char(':'));
    for (const QString &part : parts) {
        if (!part.isEmpty())
            files << part;
    }
    return files;
}

QMutex currentMutex;
std::optional<PlatformProfile> currentProfile;

} // namespace

QString PlatformProfile::logDirectory() const
{
    return QFileInfo(logFile).absolutePath();
}

PlatformProfile PlatformProfile::linuxProfile(const QString &home, const QProcessEnvironment &env)
{
    PlatformProfile p;
    p.kind = Kind::Linux;
    const QString data = xdgFolder(env, QStringLiteral("XDG_DATA_HOME"), home,
                                   QStringLiteral(".local/share"));
    const QString state = xdgFolder(env, QStringLiteral("XDG_STATE_HOME"), home,
                                    QStringLiteral(".local/state"));
    p.toolDirectory = data + QStringLiteral("/Reelix/bin");
    p.certificatesDirectory = data + QStringLiteral("/Reelix/certs");
    p.logFile = state + QStringLiteral("/Reelix/Reelix.log");
    QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (movies.isEmpty() || !movies.startsWith(home))
        movies = home + QStringLiteral("/Videos");
    p.defaultDownloadFolder = movies + QStringLiteral("/Reelix");
    p.caSourceFiles = caSourcesFrom(env, {QStringLiteral("/etc/ssl/certs/ca-certificates.crt"),
                                          QStringLiteral("/etc/pki/tls/certs/ca-bundle.crt"),
                                          QStringLiteral("/etc/ssl/ca-bundle.pem"),
                                          QStringLiteral("/etc/ssl/cert.pem")});
    return p;
}

PlatformProfile PlatformProfile::macOSProfile(const QString &home, const QProcessEnvironment &env)
{
    PlatformProfile p;
    p.kind = Kind::MacOS;
    const QString support = home + QStringLiteral("/Library/Application Support/Reelix");
    p.toolDirectory = support + QStringLiteral("/bin");
    p.certificatesDirectory = support + QStringLiteral("/certs");
    p.logFile = home + QStringLiteral("/Library/Logs/Reelix/Reelix.log");
    p.defaultDownloadFolder = home + QStringLiteral("/Movies/Reelix");
    p.keychains = {QStringLiteral("/System/Library/Keychains/SystemRootCertificates.keychain"),
                   QStringLiteral("/Library/Keychains/System.keychain"),
                   home + QStringLiteral("/Library/Keychains/login.keychain-db")};
    p.caSourceFiles = caSourcesFrom(env, {});
    return p;
}

PlatformProfile PlatformProfile::forThisSystem()
{
    const auto env = QProcessEnvironment::systemEnvironment();
    const QString home = QDir::homePath();
#ifdef Q_OS_MACOS
    return macOSProfile(home, env);
#else
    return linuxProfile(home, env);
#endif
}

const PlatformProfile &PlatformProfile::current()
{
    QMutexLocker lock(&currentMutex);
    if (!currentProfile)
        currentProfile = forThisSystem();
    return *currentProfile;
}

void PlatformProfile::setCurrent(const PlatformProfile &profile)
{
    QMutexLocker lock(&currentMutex);
    currentProfile = profile;
}
