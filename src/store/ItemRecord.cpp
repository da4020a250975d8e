#include "ItemRecord.h"

#include "engine/DownloadItem.h"
#include "engine/DownloadRun.h"
#include "engine/SizeText.h"
#include "engine/WorkFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Where the item's run writes at this moment, if one goes.
QString workFolderOf(const DownloadItem &item, const QString &downloadFolder)
{
    switch (item.status()) {
    case DownloadStatus::Downloading:
        return WorkFolder::pathIn(
            item.resumeFolder().isEmpty() ? downloadFolder : item.resumeFolder(), item.idText());
    case DownloadStatus::Converting:
        return WorkFolder::pathIn(QFileInfo(item.filePath().value_or(QString())).path(),
                                  item.idText());
    default:
        return {};
    }
}

} // namespace

ItemRecord ItemRecord::of(const DownloadItem &item, const QString &downloadFolder)
{
    ItemRecord r;
    r.id = item.idText();
    r.url = item.url();
    r.format = item.format();
    r.title = item.title();
    r.site = DownloadRun::siteName(item.url());
    r.thumbnailURL = item.thumbnailURL();
    r.formats = item.formats();
    r.selectedFormatID = item.selectedFormatID();
    r.media = item.media();
    r.status = item.status();
    r.progress = item.progress();
    r.statusMessage = item.statusMessage();
    r.errorMessage = item.errorMessage();
    r.errorDetail = item.errorDetail();
    r.filePath = item.filePath().value_or(QString());
    r.fileSize = item.file().size.value_or(QString());
    r.needsConversion = item.file().needsConversion;
    r.codecInfo = item.file().codecInfo;
    r.vcodec = item.vcodec();
    r.workFolder = workFolderOf(item, downloadFolder);
    r.infoPath = item.savedInfo().usablePath();
    r.updated = QDateTime::currentDateTimeUtc();
    return r;
}

QString ItemRecord::formatsText(const QList<VideoFormat> &formats)
{
    QJsonArray list;
    for (const VideoFormat &f : formats)
        list.append(QJsonObject{{QStringLiteral("id"), f.id},
                                {QStringLiteral("label"), f.label},
                                {QStringLiteral("height"), f.height},
                                {QStringLiteral("size"), f.size}});
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

QList<VideoFormat> ItemRecord::formatsFrom(const QString &text)
{
    QList<VideoFormat> formats;
    const QJsonArray list = QJsonDocument::fromJson(text.toUtf8()).array();
    for (const QJsonValue &value : list) {
        const QJsonObject o = value.toObject();
        formats.append({o.value(QStringLiteral("id")).toString(),
                        o.value(QStringLiteral("label")).toString(),
                        o.value(QStringLiteral("height")).toInt(),
                        qint64(o.value(QStringLiteral("size")).toDouble())});
    }
    return formats;
}

HistoryRecord HistoryRecord::of(const DownloadItem &item)
{
    HistoryRecord r;
    r.id = item.idText();
    r.url = item.url();
    r.format = item.format();
    r.title = item.title().isEmpty() ? item.url() : item.title();
    r.site = DownloadRun::siteName(item.url());
    r.filePath = item.filePath().value_or(QString());
    r.fileBytes = QFileInfo(r.filePath).size();
    r.finished = QDateTime::currentDateTimeUtc();
    return r;
}

namespace {

RestoredItem::Next nextStep(const ItemRecord &r, DownloadItem &item)
{
    using Next = RestoredItem::Next;
    switch (r.status) {
    case DownloadStatus::Waiting:
        // Known information: it was waiting for its turn to download.
        return r.title.isEmpty() ? Next::FetchInfo : Next::Download;
    case DownloadStatus::Fetching:
        return Next::FetchInfo;
    case DownloadStatus::Downloading:
        if (!r.workFolder.isEmpty() && QFileInfo(r.workFolder).isDir())
            item.setResumeFolder(QFileInfo(r.workFolder).path());
        item.setStatus(DownloadStatus::Waiting);
        return Next::Download;
    case DownloadStatus::Converting: {
        item.setStatus(DownloadStatus::Done);
        ItemFile file = item.file();
        file.needsConversion = true;
        item.setFile(file);
        item.setProgress(0);
        item.setStatusMessage(QString());
        return Next::Convert;
    }
    case DownloadStatus::Done:
        // Said again at each start: the file may have come back meanwhile.
        if (!r.filePath.isEmpty() && !QFileInfo::exists(r.filePath))
            item.setErrorMessage(qtTrId("error.file_missing"));
        else if (r.errorMessage == qtTrId("error.file_missing"))
            item.setErrorMessage(QString());
        return Next::Nothing;
    default:
        return Next::Nothing;
    }
}

} // namespace

RestoredItem RestoredItem::from(const ItemRecord &r)
{
    auto *item = new DownloadItem(QUuid::fromString(r.id), r.url, r.format);
    item->setStatus(r.status);
    item->setTitle(r.title);
    item->setThumbnailURL(r.thumbnailURL);
    item->setFormats(r.formats, r.vcodec);
    item->setSelectedFormatID(r.selectedFormatID);
    item->setChoices(r.media.choices);
    item->setTracks(r.media.audioTracks, r.media.subtitles);
    item->setMissingSubtitles(r.media.missingSubtitles);
    item->setProgress(r.progress);
    item->setStatusMessage(r.statusMessage);
    item->setErrorMessage(r.errorMessage, Failure::Kind::Tool, r.errorDetail);
    ItemFile file{std::nullopt, std::nullopt, r.needsConversion, r.codecInfo};
    if (!r.filePath.isEmpty())
        file.path = r.filePath;
    // The size in the user's language of today; the saved text when the file is gone.
    if (const QFileInfo info(r.filePath); !r.filePath.isEmpty() && info.isFile())
        file.size = sizeText(info.size());
    else if (!r.fileSize.isEmpty())
        file.size = r.fileSize;
    item->setFile(file);
    if (!r.infoPath.isEmpty() && QFileInfo::exists(r.infoPath))
        item->savedInfo().adopt(r.infoPath);
    const Next next = nextStep(r, *item);
    return {item, next};
}
