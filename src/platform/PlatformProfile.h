#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// One file a tool is downloaded from, and what its distributor publishes
// beside it to check it against.
struct ToolSource
{
    QString address;
    QString sumsAddress; // empty where the source publishes nothing to check against
    bool md5 = false;    // the sums file holds MD5 digests (not SHA-256)
    // The name the sums file lists the download under: the address's last part.
    QString assetName() const { return address.section(QLatin1Char('/'), -1); }
};

// Everything that differs between macOS and Linux: folders, system tools and
// certificate sources. One profile is current per process; tests replace it.
struct PlatformProfile
{
    enum class Kind
    {
        Linux,
        MacOS
    };

    Kind kind = Kind::Linux;
    QString toolDirectory; // our own copies of yt-dlp, ffmpeg, node
    // Searched in this order for a tool missing from toolDirectory: the
    // distribution's or Homebrew's copies (REELIX_TOOL_SEARCH_PATH overrides).
    QStringList systemToolFolders;
    QString certificatesDirectory; // ca-bundle.pem lives here
    QString logFile;               // the debug log
    QString dataDirectory;         // the download list and history
    QString defaultDownloadFolder;

    // macOS certificate export: the keychain tool and the keychains it reads.
    QString securityTool = QStringLiteral("/usr/bin/security");
    QStringList keychains;
    // Linux certificate export: PEM bundles of the system trust store.
    QStringList caSourceFiles;

    // System tools the installer drives; injectable so tests can record them.
    QString unzipTool = QStringLiteral("/usr/bin/unzip");
    QString tarTool = QStringLiteral("/usr/bin/tar");
    QString xattrTool = QStringLiteral("/usr/bin/xattr");
    QString machine; // kernel machine name; empty = ask the kernel

    // Distributors: scheme, host and optional port, no trailing slash.
    QString githubURL;
    QString githubApiURL;
    QString ffmpegURL;
    QString nodeURL;
    // The Node.js LTS line installed and kept up to date (22 = v22.x); a
    // newer line is a deliberate change of the program, not an update.
    int nodeLTSLine = 22;
    // The system's players (GStreamer, ffmpeg and VLC based on Linux) play
    // VP9, AV1, Opus and Vorbis; QuickTime on macOS does not.
    bool playersTakeWebCodecs = true;

    QString logDirectory() const;
    // "arm64" or "x86_64".
    QString machineArchitecture() const;

    // Where each tool is downloaded from, and how its published version is read.
    QString ytdlpDownloadURL() const;
    QString ffmpegDownloadURL() const;
    QString ffmpegVersionURL() const;
    // The published ffmpeg version out of the version document, or nothing.
    std::optional<QString> ffmpegVersionFrom(const QByteArray &body) const;
    QString nodeDownloadURL(const QString &version) const; // version without "v"
    QString nodeIndexURL() const;
    // The downloads of each tool with their published sums; ffmpeg's list
    // holds ffprobe too where it is a separate download (macOS).
    ToolSource ytdlpSource() const;
    QList<ToolSource> ffmpegSources() const;
    ToolSource nodeSource(const QString &version) const; // version without "v"
    // Only 64-bit x86 and ARM builds of the tools exist; `architecture` is a
    // kernel machine name or QSysInfo::currentCpuArchitecture()'s answer.
    static bool isSupportedArchitecture(const QString &architecture);
    // The architecture this profile installs for: `machine`, or Qt's answer.
    QString processorArchitecture() const;
    // The macOS ffmpeg source builds for Intel only: an arm64 Mac needs Rosetta.
    bool ffmpegNeedsRosetta() const;
    // tar's arguments that extract only the Node.js executable, into `folder`.
    QStringList nodeTarArguments(const QString &archive, const QString &folder) const;
    // Linux: tar's arguments that extract ffmpeg and ffprobe from the static build.
    QStringList ffmpegTarArguments(const QString &archive, const QString &folder) const;
    bool isMacOS() const { return kind == Kind::MacOS; }

    // Profiles computed from a home folder and an environment (XDG_* on Linux).
    static PlatformProfile linuxProfile(const QString &home, const QProcessEnvironment &env);
    static PlatformProfile macOSProfile(const QString &home, const QProcessEnvironment &env);
    // The profile for the OS this binary was built for, from the live environment.
    static PlatformProfile forThisSystem();

    static const PlatformProfile &current();
    static void setCurrent(const PlatformProfile &profile);
};
