#pragma once

#include "DownloadGroup.h"
#include "DownloadTypes.h"
#include "ItemRun.h"
#include "MediaChoices.h"
#include "SavedInfo.h"
#include "platform/Failure.h"

#include <QPointer>
#include <QUuid>
#include <QVariantList>

#include <memory>
#include <optional>

// One entry of the download list: state for the views. Published fields
// notify only on a real change and are written on the GUI thread only; what
// belongs to a run going for the item is its ItemRun's.
class DownloadItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString id READ idText CONSTANT)
    Q_PROPERTY(QString url READ url CONSTANT)
    Q_PROPERTY(Download::DownloadFormat format READ format NOTIFY formatChanged)
    Q_PROPERTY(Download::DownloadStatus status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString thumbnailURL READ thumbnailURL NOTIFY thumbnailURLChanged)
    Q_PROPERTY(QVariantList formats READ formatList NOTIFY formatsChanged)
    Q_PROPERTY(QString selectedFormatID READ selectedFormatID WRITE setSelectedFormatID NOTIFY
                   selectedFormatIDChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(Failure::Kind errorKind READ errorKind NOTIFY errorMessageChanged)
    // The tool's own text behind errorMessage (may be empty).
    Q_PROPERTY(QString errorDetail READ errorDetail NOTIFY errorMessageChanged)
    Q_PROPERTY(QString filePath READ filePathText NOTIFY fileChanged)
    Q_PROPERTY(QString fileSize READ fileSizeText NOTIFY fileChanged)
    Q_PROPERTY(bool needsConversion READ needsConversion NOTIFY fileChanged)
    // Needs conversion, and the system's players do not play it either: warn.
    Q_PROPERTY(bool conversionAdvised READ conversionAdvised NOTIFY fileChanged)
    Q_PROPERTY(QString codecInfo READ codecInfo NOTIFY fileChanged)
    // The list this item heads (playlistIndex 0) or belongs to (from 1); null
    // for a single video.
    Q_PROPERTY(DownloadGroup *group READ group NOTIFY groupChanged)
    Q_PROPERTY(int playlistIndex READ playlistIndex NOTIFY groupChanged)
    // Seconds, from the information run or a list's listing; 0 when unknown.
    Q_PROPERTY(int duration READ duration NOTIFY durationChanged)
    Q_PROPERTY(bool isGroupHeader READ isGroupHeader NOTIFY groupChanged)
    Q_PROPERTY(bool isGroupEntry READ isGroupEntry NOTIFY groupChanged)
    // A run (information, download or conversion) is going for the item.
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    // Container, audio format, track and subtitle choices for its file.
    Q_PROPERTY(MediaChoices choices READ choices WRITE setChoices NOTIFY choicesChanged)
    // The audio tracks and subtitle languages the page offers (plain maps).
    Q_PROPERTY(QVariantList audioTracks READ audioTrackList NOTIFY tracksChanged)
    Q_PROPERTY(QVariantList subtitleTracks READ subtitleTrackList NOTIFY tracksChanged)
    // The video's chapters (plain maps: title, start, end in seconds).
    Q_PROPERTY(QVariantList chapters READ chapterList NOTIFY tracksChanged)
    // Chosen subtitle languages a finished file came without.
    Q_PROPERTY(QStringList missingSubtitles READ missingSubtitles NOTIFY missingSubtitlesChanged)

public:
    DownloadItem(const QString &url, DownloadFormat format, QObject *parent = nullptr);
    // An item saved by an earlier run of the program, under its own id.
    DownloadItem(const QUuid &id, const QString &url, DownloadFormat format,
                 QObject *parent = nullptr);
    ~DownloadItem() override;

    QUuid id() const { return m_id; }
    QString idText() const { return m_id.toString(QUuid::WithoutBraces); }
    QString url() const { return m_url; }
    DownloadFormat format() const { return m_format; }
    DownloadStatus status() const { return m_status; }
    QString title() const { return m_title; }
    QString thumbnailURL() const { return m_thumbnailURL; }
    QList<VideoFormat> formats() const { return m_formats; }
    // The codec of the video formats the information run found, lower case.
    QString vcodec() const { return m_vcodec; }
    QString selectedFormatID() const { return m_selectedFormatID; }
    MediaChoices choices() const { return m_media.choices; }
    QList<AudioTrack> audioTracks() const { return m_media.audioTracks; }
    QList<SubtitleTrack> subtitleTracks() const { return m_media.subtitles; }
    QStringList missingSubtitles() const { return m_media.missingSubtitles; }
    const ItemMedia &media() const { return m_media; }
    double progress() const { return m_progress; }
    QString statusMessage() const { return m_statusMessage; }
    QString errorMessage() const { return m_errorMessage; }
    Failure::Kind errorKind() const { return m_errorKind; }
    QString errorDetail() const { return m_errorDetail; }
    ItemFile file() const { return m_file; }
    std::optional<QString> filePath() const { return m_file.path; }
    DownloadGroup *group() const { return m_group; }
    int playlistIndex() const { return m_playlistIndex; }
    bool isGroupHeader() const { return m_group && m_playlistIndex == 0; }
    bool isGroupEntry() const { return m_group && m_playlistIndex > 0; }
    bool isRunning() const { return m_run != nullptr; }
    // The run going, else null; it is the only writer of its state.
    ItemRun *run() const { return m_run.get(); }

    void setStatus(DownloadStatus value);
    void setTitle(const QString &value);
    void setThumbnailURL(const QString &value);
    void setFormats(const QList<VideoFormat> &value, const QString &vcodec = QString());
    void setSelectedFormatID(const QString &value);
    void setChoices(const MediaChoices &value);
    void setTracks(const QList<AudioTrack> &audio, const QList<SubtitleTrack> &subtitles);
    void setMissingSubtitles(const QStringList &languages);
    void setChapters(const QList<Chapter> &chapters);
    void setProgress(double value);
    void setStatusMessage(const QString &value);
    // Also replaces the detail (none unless given).
    void setErrorMessage(const QString &value, Failure::Kind kind = Failure::Kind::Tool,
                         const QString &detail = {});
    void setFailure(const Failure &failure)
    {
        setErrorMessage(failure.message, failure.kind, failure.detail);
    }
    void setFile(const ItemFile &value);
    void setFormat(DownloadFormat value);
    // Makes this item the head of `group` (index 0) or its entry number `index`.
    void setGroup(DownloadGroup *group, int index, int duration = 0);
    void setDuration(int seconds);

    // Stops whatever runs for this item; the run itself then reports `cancelled`.
    Q_INVOKABLE void cancelRun();

    // The information run's result, for the download run.
    SavedInfo &savedInfo() { return m_savedInfo; }
    const SavedInfo &savedInfo() const { return m_savedInfo; }
    // The folder holding the working folder of a run cut short (stopped, or
    // the program ended meanwhile), where the next run resumes; empty: the
    // download folder.
    QString resumeFolder() const { return m_resumeFolder; }
    void setResumeFolder(const QString &folder) { m_resumeFolder = folder; }

signals:
    void statusChanged();
    void titleChanged();
    void thumbnailURLChanged();
    void formatsChanged();
    void selectedFormatIDChanged();
    void choicesChanged();
    void tracksChanged();
    void missingSubtitlesChanged();
    void progressChanged();
    void statusMessageChanged();
    void errorMessageChanged();
    void fileChanged();
    void formatChanged();
    void groupChanged();
    void durationChanged();
    void runningChanged();
    // Emitted after any published field changed (the list model listens).
    void changed();
    // Stop was asked for; a run still waiting for its turn ends here.
    void stopRequested();

private:
    friend class ItemRun; // begins and ends the item's runs

    // Read by the views only.
    QVariantList formatList() const;
    QVariantList audioTrackList() const;
    QVariantList subtitleTrackList() const;
    QVariantList chapterList() const;
    QString filePathText() const { return m_file.path.value_or(QString()); }
    QString fileSizeText() const { return m_file.size.value_or(QString()); }
    bool needsConversion() const { return m_file.needsConversion; }
    bool conversionAdvised() const;
    QString codecInfo() const { return m_file.codecInfo; }
    int duration() const { return m_duration; }

    template <typename T> void assign(T &field, const T &value, void (DownloadItem::*signal)());

    const QUuid m_id;
    const QString m_url;
    DownloadFormat m_format;
    DownloadStatus m_status = DownloadStatus::Waiting;
    QString m_title;
    QString m_thumbnailURL;
    QList<VideoFormat> m_formats;
    QString m_selectedFormatID;
    ItemMedia m_media;
    double m_progress = 0;
    QString m_statusMessage;
    QString m_errorMessage;
    Failure::Kind m_errorKind = Failure::Kind::Tool;
    QString m_errorDetail;
    ItemFile m_file;
    QPointer<DownloadGroup> m_group;
    int m_playlistIndex = 0;
    int m_duration = 0;
    QString m_vcodec;
    SavedInfo m_savedInfo;
    QString m_resumeFolder;
    std::unique_ptr<ItemRun> m_run;
};
