#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Everything that differs between macOS and Linux: folders, system tools and
// certificate sources. One profile is current per process; tests replace it.
struct PlatformProfile
{
    enum class Kind { Linux, MacOS };

    Kind kind = Kind::Linux;
    QString toolDirectory;         // our own copies of yt-dlp, ffmpeg, node
    QString certificatesDirectory; // ca-bundle.pem lives here
    QString logFile;               // the debug log
    QString defaultDownloadFolder;

    // macOS certificate export: the keychain tool and the keychains it reads.
    QString securityTool = QStringLiteral("/usr/bin/security");
    QStringList keychains;
    // Linux certificate export: PEM bundles of the system trust store.
    QStringList caSourceFiles;

    QString logDirectory() const;
    bool isMacOS() const { return kind == Kind::MacOS; }

    // Profiles computed from a home folder and an environment (XDG_* on Linux).
    static PlatformProfile linuxProfile(const QString &home, const QProcessEnvironment &env);
    static PlatformProfile macOSProfile(const QString &home, const QProcessEnvironment &env);
    // The profile for the OS this binary was built for, from the live environment.
    static PlatformProfile forThisSystem();

    static const PlatformProfile &current();
    static void setCurrent(const PlatformProfile &profile);
};
