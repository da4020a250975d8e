#include "DownloadItem.h"

#include "Probe.h"
#include "platform/PlatformProfile.h"

DownloadItem::DownloadItem(const QString &url, DownloadFormat format, QObject *parent)
    : QObject(parent), m_id(QUuid::createUuid()), m_url(url), m_format(format)
{}

DownloadItem::DownloadItem(const QUuid &id, const QString &url, DownloadFormat format,
                           QObject *parent)
    : QObject(parent), m_id(id), m_url(url), m_format(format)
{}

DownloadItem::~DownloadItem() = default; // a run still going stops its child

template <typename T>
void DownloadItem::assign(T &field, const T &value, void (DownloadItem::*signal)())
{
    if (field == value)
        return;
    field = value;
    emit(this->*signal)();
    emit changed();
}

QVariantList DownloadItem::formatList() const
{
    // Plain maps: the views read id, label and height without knowing the type.
    QVariantList list;
    for (const VideoFormat &f : m_formats)
        list << QVariantMap{{QStringLiteral("id"), f.id},
                            {QStringLiteral("label"), f.label},
                            {QStringLiteral("height"), f.height},
                            {QStringLiteral("size"), f.size}};
    return list;
}

namespace {

template <typename T> QVariantList gadgetMaps(const QList<T> &list)
{
    QVariantList maps;
    for (const T &entry : list)
        maps << entry.toJson().toVariantMap();
    return maps;
}

} // namespace

QVariantList DownloadItem::audioTrackList() const
{
    return gadgetMaps(m_media.audioTracks);
}
QVariantList DownloadItem::subtitleTrackList() const
{
    return gadgetMaps(m_media.subtitles);
}

QVariantList DownloadItem::chapterList() const
{
    return gadgetMaps(m_media.chapters);
}

void DownloadItem::setChapters(const QList<Chapter> &chapters)
{
    assign(m_media.chapters, chapters, &DownloadItem::tracksChanged);
}

void DownloadItem::setChoices(const MediaChoices &value)
{
    assign(m_media.choices, value, &DownloadItem::choicesChanged);
}
void DownloadItem::setTracks(const QList<AudioTrack> &audio, const QList<SubtitleTrack> &subtitles)
{
    if (m_media.audioTracks == audio && m_media.subtitles == subtitles)
        return;
    m_media.audioTracks = audio;
    m_media.subtitles = subtitles;
    emit tracksChanged();
    emit changed();
}
void DownloadItem::setMissingSubtitles(const QStringList &languages)
{
    assign(m_media.missingSubtitles, languages, &DownloadItem::missingSubtitlesChanged);
}

void DownloadItem::setStatus(DownloadStatus value)
{
    assign(m_status, value, &DownloadItem::statusChanged);
}
void DownloadItem::setTitle(const QString &value)
{
    assign(m_title, value, &DownloadItem::titleChanged);
}
void DownloadItem::setThumbnailURL(const QString &value)
{
    assign(m_thumbnailURL, value, &DownloadItem::thumbnailURLChanged);
}
void DownloadItem::setFormats(const QList<VideoFormat> &value, const QString &vcodec)
{
    m_vcodec = vcodec;
    assign(m_formats, value, &DownloadItem::formatsChanged);
}
void DownloadItem::setSelectedFormatID(const QString &value)
{
    assign(m_selectedFormatID, value, &DownloadItem::selectedFormatIDChanged);
}
void DownloadItem::setProgress(double value)
{
    assign(m_progress, value, &DownloadItem::progressChanged);
}
void DownloadItem::setStatusMessage(const QString &value)
{
    assign(m_statusMessage, value, &DownloadItem::statusMessageChanged);
}
void DownloadItem::setErrorMessage(const QString &value, Failure::Kind kind, const QString &detail)
{
    // A tool's text can be any length; the row shows a sentence, its details a few lines.
    const auto bounded = [](const QString &text, qsizetype longest) {
        return text.size() <= longest ? text : text.left(longest - 1) + QChar(0x2026);
    };
    assign(m_errorKind, kind, &DownloadItem::errorMessageChanged);
    assign(m_errorDetail, bounded(detail, 2000), &DownloadItem::errorMessageChanged);
    assign(m_errorMessage, bounded(value, 300), &DownloadItem::errorMessageChanged);
}
void DownloadItem::setFile(const ItemFile &value)
{
    assign(m_file, value, &DownloadItem::fileChanged);
}

void DownloadItem::setFormat(DownloadFormat value)
{
    assign(m_format, value, &DownloadItem::formatChanged);
}

void DownloadItem::setGroup(DownloadGroup *group, int index, int duration)
{
    m_group = group;
    m_playlistIndex = index;
    const bool newDuration = duration != m_duration;
    m_duration = duration;
    emit groupChanged();
    if (newDuration)
        emit durationChanged();
    emit changed();
}

void DownloadItem::setDuration(int seconds)
{
    assign(m_duration, seconds, &DownloadItem::durationChanged);
}

void DownloadItem::cancelRun()
{
    if (m_run)
        m_run->cancel();
    emit stopRequested();
}

bool DownloadItem::conversionAdvised() const
{
    return m_file.needsConversion &&
           !systemPlayersPlay(m_file.codecInfo, PlatformProfile::current().playersTakeWebCodecs);
}
