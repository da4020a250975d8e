#pragma once

#include "DownloadItem.h"
#include "RunQueue.h"
#include "RunSettings.h"
#include "VideoInfo.h"
#include "YtDlpRun.h"

#include <QAbstractListModel>
#include <QUrl>

#include <QCoro/QCoroTask>

class WorkFolder;
struct PlaylistListing;

// The engine object the views talk to: the ordered list of downloads (a list
// model with one row per item) and the destination folder. Its members live
// in DownloadManager*.cpp: the list, lists of videos (Groups), the
// information run (Info), the download run (Start), the conversion (Convert).
class DownloadManager : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QUrl downloadFolderURL READ downloadFolderURL NOTIFY downloadFolderURLChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    // At least one item is done (the clear button is offered).
    Q_PROPERTY(bool hasCompleted READ hasCompleted NOTIFY hasCompletedChanged)

public:
    enum Role
    {
        ItemRole = Qt::UserRole + 1 // the DownloadItem; the rows read its properties
    };

    explicit DownloadManager(QObject *parent = nullptr);
    ~DownloadManager() override;

    // The list model.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<DownloadItem *> &downloads() const { return m_downloads; }
    Q_INVOKABLE DownloadItem *itemAt(int row) const;

    QUrl downloadFolderURL() const { return m_downloadFolderURL; }
    bool hasCompleted() const { return m_hasCompleted; }
    QString downloadFolder() const { return m_downloadFolderURL.toLocalFile(); }

    // Queue operations.
    // Whether an item for `url` is in the list.
    Q_INVOKABLE bool isListed(const QString &url) const;
    Q_INVOKABLE void addDownload(const QString &url, Download::DownloadFormat format);
    // Many at once (a pasted list): each address is looked up in a set, not
    // compared with every row.
    Q_INVOKABLE void addDownloads(const QStringList &urls, Download::DownloadFormat format);
    // Takes an item as it is, without starting its information run (a list
    // shown for review, or restored).
    void insertItem(DownloadItem *item);
    Q_INVOKABLE void start(DownloadItem *item);
    Q_INVOKABLE void retry(DownloadItem *item);
    Q_INVOKABLE void remove(DownloadItem *item);
    Q_INVOKABLE void clearCompleted();
    // Makes `folder` the download folder, remembered for the next runs.
    Q_INVOKABLE void chooseFolder(const QUrl &folder);
    // What this manager runs with from now on; a folder given there is made
    // the download folder without being remembered.
    void useSettings(const RunSettings &settings);
    Q_INVOKABLE void convert(DownloadItem *item);

    // Lists of videos (playlists, channels, feeds): an address that lists
    // several becomes a header row followed by one row per entry.
    Q_INVOKABLE void downloadAll(DownloadItem *header);
    // Stops the list's runs and what waits for its turn.
    Q_INVOKABLE void stopGroup(DownloadItem *header);
    Q_INVOKABLE void setGroupExpanded(DownloadItem *header, bool expanded);
    // An entry's own information run, for its quality menu.
    Q_INVOKABLE void fetchDetails(DownloadItem *entry);
    // Clips of a ready video, one item each: the item takes the first of
    // `sections` (saved ranges, "600-750"), new items at the end the others.
    // Nothing when the item is not a single video ready to download.
    Q_INVOKABLE void addClips(DownloadItem *item, const QStringList &sections, bool preciseCuts);
    // Makes a listed item the header of `listing`'s entries, which follow it.
    void listGroup(DownloadItem *header, const PlaylistListing &listing);
    // A list read elsewhere (a followed list's check), as a header row at the
    // end and its entries: only those `listing` holds, numbered as listed.
    DownloadItem *addListing(const QString &url, Download::DownloadFormat format,
                             const PlaylistListing &listing);
    // Every item, with the entries of collapsed lists: what any operation on
    // all the downloads (stop, save, count) goes through.
    QList<DownloadItem *> allItems() const;

signals:
    void downloadFolderURLChanged();
    void countChanged();
    void hasCompletedChanged();
    // An address given to addDownload is already in the list, at `row` (for
    // addDownloads, the first such address).
    void alreadyListed(int row);
    // An item reached an end state of a run (ready, done, error, cancelled),
    // after the engine's own steps (see settle()).
    void itemSettled(DownloadItem *item);
    // An item left the list for good (removed, or its list removed); the
    // entries of a list being collapsed only leave the rows.
    void itemRemoved(DownloadItem *item);

private:
    // A list's entry: what follows its information run, and what its row
    // says when it is done.
    struct EntryPlan
    {
        bool downloadWhenReady = false; // "Download all" or start met it without details
        QString choiceNote;             // the list's quality was not to be had
    };

    // The runs, started by their queues; each completes when the item reached
    // its end state.
    QCoro::Task<> fetchInfo(DownloadItem *item);
    QCoro::Task<> convertToQuickTime(DownloadItem *item);
    // Every run's end, and a stop while waiting, comes here.
    void settle(DownloadItem *item);
    void autoStart(DownloadItem *item);
    QCoro::Task<> startDownload(DownloadItem *item);
    QCoro::Task<std::optional<YtDlpRun::RunRecord>>
    runDownload(DownloadItem *item, QString workFolder, RunQueue::Place &place);
    QCoro::Task<std::optional<YtDlpRun::RunRecord>>
    runDownloadLadder(DownloadItem *item, QString ytdlp, QString outputTemplatePath,
                      QString workFolder, CookieSource cookies);
    void reportDownloadFailure(DownloadItem &item, const YtDlpRun::RunRecord &outcome,
                               const QString &workFolder, const CookieSource &cookies);
    void withdraw(DownloadItem *item);
    QCoro::Task<> finishDownload(DownloadItem *item, WorkFolder &work, QStringList toolLines);
    // A download run from the page that found a list lists it instead.
    void takeListing(DownloadItem *item, const YtDlpRun::RunRecord &outcome,
                     const std::optional<ParsedVideoInfo> &listing);
    void addNew(const QString &url, Download::DownloadFormat format);
    void append(DownloadItem *item);
    // Out of the list: deleted a moment later, or with the list.
    void letGo(DownloadItem *item);
    void removeRow(int row);
    void itemChanged(DownloadItem *item);
    void setDownloadFolder(const QString &path);
    QString ensureDownloadFolder() const;
    void updateHasCompleted();
    void watch(DownloadItem *item);
    // Lists (DownloadGroups.cpp).
    void continueGroup(DownloadItem *item);
    void pumpGroup(DownloadGroup *group);
    bool startEntry(DownloadItem *entry);
    // The list's quality as the entry's choice, once its formats are known.
    void noteEntryChoice(DownloadItem *entry);
    void removeGroup(DownloadItem *header);
    void removeEntryRows(DownloadItem *header, bool forget);
    void clearCompletedGroups();
    QString folderFor(const DownloadItem &item) const;
    QString outputNameFor(const DownloadItem &item) const;
    QString archiveFor(const DownloadItem &item) const;
    // Ends an entry whose list archive is not a plain file of its own.
    bool refuseUnsafeArchive(DownloadItem &entry) const;

    QList<DownloadItem *> m_downloads;
    RunQueue m_infoQueue;
    RunQueue m_downloadQueue;
    RunSettings m_settings;
    QHash<const DownloadItem *, EntryPlan> m_entryPlans;
    QUrl m_downloadFolderURL;
    bool m_hasCompleted = false;
};
