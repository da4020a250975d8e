#include "PlatformProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QStandardPaths>
#include <QSysInfo>

#include <sys/utsname.h>

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

QString hostFrom(const QProcessEnvironment &env, const char *variable, const QString &fallback)
{
    QString value = env.value(QString::fromLatin1(variable));
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    return value.isEmpty() ? fallback : value;
}

QStringList searchFoldersFrom(const QProcessEnvironment &env, const QStringList &defaults)
{
    if (!env.contains(QStringLiteral("REELIX_TOOL_SEARCH_PATH")))
        return defaults;
    return env.value(QStringLiteral("REELIX_TOOL_SEARCH_PATH"))
        .split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

void setHosts(PlatformProfile &p, const QProcessEnvironment &env, const QString &ffmpegHost)
{
    p.githubURL = hostFrom(env, "REELIX_GITHUB_URL", QStringLiteral("https://github.com"));
    p.githubApiURL =
        hostFrom(env, "REELIX_GITHUB_API_URL", QStringLiteral("https://api.github.com"));
    p.ffmpegURL = hostFrom(env, "REELIX_FFMPEG_URL", ffmpegHost);
    p.nodeURL = hostFrom(env, "REELIX_NODE_URL", QStringLiteral("https://nodejs.org"));
}

QMutex currentMutex;
std::optional<PlatformProfile> currentProfile;

} // namespace

QString PlatformProfile::logDirectory() const
{
    return QFileInfo(logFile).absolutePath();
}

QString PlatformProfile::machineArchitecture() const
{
    QString name = machine;
    if (name.isEmpty()) {
        utsname info{};
        if (::uname(&info) == 0)
            name = QString::fromLatin1(info.machine);
    }
    // Linux says "aarch64" where macOS says "arm64".
    return name.contains(QStringLiteral("arm")) || name.contains(QStringLiteral("aarch64"))
               ? QStringLiteral("arm64")
               : QStringLiteral("x86_64");
}

QString PlatformProfile::ytdlpDownloadURL() const
{
    QString asset = QStringLiteral("yt-dlp_macos");
    if (!isMacOS())
        asset = machineArchitecture() == QStringLiteral("arm64")
                    ? QStringLiteral("yt-dlp_linux_aarch64")
                    : QStringLiteral("yt-dlp_linux");
    return githubURL + QStringLiteral("/yt-dlp/yt-dlp/releases/latest/download/") + asset;
}

QString PlatformProfile::ffmpegDownloadURL() const
{
    if (isMacOS())
        return ffmpegURL + QStringLiteral("/ffmpeg/getrelease/ffmpeg/zip");
    const QString arch = machineArchitecture() == QStringLiteral("arm64") ? QStringLiteral("arm64")
                                                                          : QStringLiteral("amd64");
    return ffmpegURL + QStringLiteral("/ffmpeg/releases/ffmpeg-release-") + arch +
           QStringLiteral("-static.tar.xz");
}

QString PlatformProfile::ffmpegVersionURL() const
{
    return ffmpegURL + (isMacOS() ? QStringLiteral("/ffmpeg/info/ffmpeg/release")
                                  : QStringLiteral("/ffmpeg/release-readme.txt"));
}

std::optional<QString> PlatformProfile::ffmpegVersionFrom(const QByteArray &body) const
{
    if (isMacOS()) {
        const QJsonDocument document = QJsonDocument::fromJson(body);
        const QJsonValue version = document.object().value(QStringLiteral("version"));
        if (!document.isObject() || !version.isString())
            return std::nullopt;
        return version.toString();
    }
    if (!body.isValidUtf8())
        return std::nullopt;
    const QString marker = QStringLiteral("version:");
    for (const QString &line : QString::fromUtf8(body).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (text.startsWith(marker)) {
            const QString version = text.mid(marker.size()).trimmed();
            if (version.isEmpty())
                return std::nullopt;
            return version;
        }
    }
    return std::nullopt;
}

QString PlatformProfile::nodeDownloadURL(const QString &version) const
{
    const bool arm = machineArchitecture() == QStringLiteral("arm64");
    QString platform;
    if (isMacOS())
        platform = arm ? QStringLiteral("darwin-arm64") : QStringLiteral("darwin-x64");
    else
        platform = arm ? QStringLiteral("linux-arm64") : QStringLiteral("linux-x64");
    return nodeURL + QStringLiteral("/dist/v") + version + QStringLiteral("/node-v") + version +
           QLatin1Char('-') + platform + QStringLiteral(".tar.gz");
}

QString PlatformProfile::nodeIndexURL() const
{
    return nodeURL + QStringLiteral("/dist/index.json");
}

ToolSource PlatformProfile::ytdlpSource() const
{
    const QString address = ytdlpDownloadURL();
    // The release publishes one sums file beside its assets.
    return {address, address.section(QLatin1Char('/'), 0, -2) + QStringLiteral("/SHA2-256SUMS")};
}

QList<ToolSource> PlatformProfile::ffmpegSources() const
{
    if (isMacOS())
        return {{ffmpegDownloadURL(), {}},
                {ffmpegURL + QStringLiteral("/ffmpeg/getrelease/ffprobe/zip"), {}}};
    const QString address = ffmpegDownloadURL();
    return {{address, address + QStringLiteral(".md5"), true}};
}

ToolSource PlatformProfile::nodeSource(const QString &version) const
{
    return {nodeDownloadURL(version),
            nodeURL + QStringLiteral("/dist/v") + version + QStringLiteral("/SHASUMS256.txt")};
}

bool PlatformProfile::isSupportedArchitecture(const QString &architecture)
{
    static const QStringList supported = {QStringLiteral("x86_64"), QStringLiteral("amd64"),
                                          QStringLiteral("arm64"), QStringLiteral("aarch64")};
    return supported.contains(architecture);
}

QString PlatformProfile::processorArchitecture() const
{
    return machine.isEmpty() ? QSysInfo::currentCpuArchitecture() : machine;
}

bool PlatformProfile::ffmpegNeedsRosetta() const
{
    return isMacOS() && machineArchitecture() == QStringLiteral("arm64");
}

QStringList PlatformProfile::nodeTarArguments(const QString &archive, const QString &folder) const
{
    // BSD tar selects with --include; GNU tar takes a member pattern, after -C.
    // Run as root, tar would give the files the owner the archive names.
    if (isMacOS())
        return {QStringLiteral("xzf"),
                archive,
                QStringLiteral("--no-same-owner"),
                QStringLiteral("--strip-components=2"),
                QStringLiteral("--include=*/bin/node"),
                QStringLiteral("-C"),
                folder};
    return {QStringLiteral("xzf"),
            archive,
            QStringLiteral("--no-same-owner"),
            QStringLiteral("--strip-components=2"),
            QStringLiteral("-C"),
            folder,
            QStringLiteral("--wildcards"),
            QStringLiteral("*/bin/node")};
}

QStringList PlatformProfile::ffmpegTarArguments(const QString &archive, const QString &folder) const
{
    return {QStringLiteral("xJf"),
            archive,
            QStringLiteral("--no-same-owner"),
            QStringLiteral("--strip-components=1"),
            QStringLiteral("-C"),
            folder,
            QStringLiteral("--wildcards"),
            QStringLiteral("*/ffmpeg"),
            QStringLiteral("*/ffprobe")};
}

PlatformProfile PlatformProfile::linuxProfile(const QString &home, const QProcessEnvironment &env)
{
    PlatformProfile p;
    p.kind = Kind::Linux;
    const QString data =
        xdgFolder(env, QStringLiteral("XDG_DATA_HOME"), home, QStringLiteral(".local/share"));
    const QString state =
        xdgFolder(env, QStringLiteral("XDG_STATE_HOME"), home, QStringLiteral(".local/state"));
    p.toolDirectory = data + QStringLiteral("/Reelix/bin");
    p.systemToolFolders =
        searchFoldersFrom(env, {QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin")});
    p.certificatesDirectory = data + QStringLiteral("/Reelix/certs");
    p.dataDirectory = data + QStringLiteral("/Reelix");
    p.logFile = state + QStringLiteral("/Reelix/Reelix.log");
    QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (movies.isEmpty() || !movies.startsWith(home))
        movies = home + QStringLiteral("/Videos");
    p.defaultDownloadFolder = movies + QStringLiteral("/Reelix");
    setHosts(p, env, QStringLiteral("https://johnvansickle.com"));
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
    p.playersTakeWebCodecs = false;
    const QString support = home + QStringLiteral("/Library/Application Support/Reelix");
    p.toolDirectory = support + QStringLiteral("/bin");
    p.systemToolFolders =
        searchFoldersFrom(env, {QStringLiteral("/opt/homebrew/bin"),
                                QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin")});
    p.certificatesDirectory = support + QStringLiteral("/certs");
    p.dataDirectory = support;
    p.logFile = home + QStringLiteral("/Library/Logs/Reelix/Reelix.log");
    p.defaultDownloadFolder = home + QStringLiteral("/Movies/Reelix");
    p.keychains = {QStringLiteral("/System/Library/Keychains/SystemRootCertificates.keychain"),
                   QStringLiteral("/Library/Keychains/System.keychain"),
                   home + QStringLiteral("/Library/Keychains/login.keychain-db")};
    p.caSourceFiles = caSourcesFrom(env, {});
    setHosts(p, env, QStringLiteral("https://evermeet.cx"));
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
