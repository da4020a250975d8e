#include "StagedGroup.h"

#include "engine/DownloadManager.h"
#include "engine/DownloadRun.h"
#include "engine/Playlist.h"
#include "engine/SizeText.h"
#include "engine/YtDlpErrors.h"

void stageGroup(DownloadManager &manager)
{
    auto *header = new DownloadItem(QStringLiteral("https://videos.example.org/playlist/festival"),
                                    DownloadFormat::Video);
    header->setTitle(QStringLiteral("Summer festival 2025 — every set, in running order"));
    header->setStatus(DownloadStatus::Ready);
    manager.insertItem(header);
    PlaylistListing listing;
    listing.title = header->title();
    const QStringList titles{QStringLiteral("Opening night: brass band on the main stage"),
                             QStringLiteral("Acoustic session at the lake"),
                             QStringLiteral("Members-only backstage interview"),
                             QStringLiteral("Late set: electronic duo"),
                             QStringLiteral("Sunday morning choir"),
                             QStringLiteral("Closing fireworks"),
                             QStringLiteral("Festival recap"),
                             QStringLiteral("Behind the scenes"),
                             QStringLiteral("Thank you, see you next year")};
    listing.count = int(titles.size()) + 3;
    for (int i = 0; i < titles.size(); ++i)
        listing.entries.append(
            {QStringLiteral("https://videos.example.org/watch/set-%1").arg(i + 1), titles.at(i),
             240 + 397 * i, i + 1});
    manager.listGroup(header, listing);
    const QList<DownloadItem *> entries = header->group()->entries();
    for (int i : {0, 1}) {
        entries[i]->setStatus(DownloadStatus::Done);
        entries[i]->setProgress(1);
        entries[i]->setFile({std::nullopt, sizeText(qint64(182.4e6 - 61e6 * i)), false,
                             QStringLiteral("H.264 + AAC")});
    }
    //% "Nothing at %1p or lower: downloaded at %2p"
    entries[1]->setStatusMessage(qtTrId("playlist.quality_fallback").arg(720).arg(1080));
    entries[2]->setStatus(DownloadStatus::Error);
    entries[2]->setFailure(YtDlpErrors::failure(
        {QStringLiteral("ERROR: [generic] Unable to download webpage: HTTP Error 429: Too Many "
                        "Requests")},
        false, true, CookieSource{}));
    entries[3]->setStatus(DownloadStatus::Downloading);
    DownloadRun::handleProgressLine(
        QStringLiteral("[download]  37.0% of ~ 412.80MiB at    9.12MiB/s ETA 03:29 (frag 9/40)"),
        *entries[3]);
    entries[4]->setStatus(DownloadStatus::Fetching);
    entries[5]->setStatus(DownloadStatus::Waiting);
    header->group()->setQualityCap(720);
    header->group()->queue({entries[5], entries[6]});
}
