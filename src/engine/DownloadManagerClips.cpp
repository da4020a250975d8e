#include "Clips.h"
#include "DownloadManager.h"
#include "log/Logger.h"

void DownloadManager::addClips(DownloadItem *item, const QStringList &sections, bool preciseCuts)
{
    QStringList ranges;
    for (const QString &section : sections) {
        if (const auto range = Clips::parseRange(section))
            ranges << Clips::rangeText(*range);
    }
    if (!item || ranges.isEmpty() || item->status() != DownloadStatus::Ready || item->isRunning() ||
        item->group())
        return;
    MediaChoices choices = item->choices();
    choices.preciseCuts = preciseCuts;
    for (qsizetype i = 1; i < ranges.size(); ++i) {
        // Each clip is a file of its own, so an item of its own: its
        // information run is quick, and it keeps its own state.
        choices.sections = {ranges.at(i)};
        auto *clip = new DownloadItem(item->url(), item->format());
        clip->setChoices(choices);
        clip->setSelectedFormatID(item->selectedFormatID());
        append(clip);
        m_infoQueue.submit(clip);
    }
    choices.sections = {ranges.first()};
    item->setChoices(choices);
    Logger::shared().log(QStringLiteral("Clips of item ") + item->idText() + QStringLiteral(": ") +
                             ranges.join(QStringLiteral(", ")),
                         LogLevel::Info);
}
