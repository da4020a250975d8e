#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <chrono>

// What the setup check looks at: the servers the tools and updates need,
// the download folder, and the time each check may take.
struct DoctorSettings
{
    struct Server
    {
        QUrl url;
        QString purpose; // "yt-dlp updates", "YouTube", … as the report shows it
    };

    QList<Server> servers;
    QString folder;
    // Less free space than this in the download folder is a warning.
    qint64 lowSpaceBytes = 1'000'000'000;
    // Each tool run and each request; the checks run side by side, so the
    // whole check takes about the longest of them. A tool that answers takes
    // a second or two, a server that answers far less than its limit.
    std::chrono::milliseconds toolLimit{8000};
    std::chrono::milliseconds networkLimit{3500};

    // The distributors of the platform profile and YouTube, or the addresses
    // REELIX_DOCTOR_SERVERS lists (separated by spaces); the remembered
    // download folder.
    static DoctorSettings forThisSystem();
};
