#pragma once

#include "DownloadTypes.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <deque>

class DownloadItem;

// The videos one address listed: the header row's choices for all of them,
// its counts, and the entries (DownloadItems of their own, owned by the
// download list like any other). Owned by the header item.
class DownloadGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString site READ site CONSTANT)
    Q_PROPERTY(int count READ count NOTIFY countsChanged)
    Q_PROPERTY(int done READ done NOTIFY countsChanged)
    Q_PROPERTY(int failed READ failed NOTIFY countsChanged)
    Q_PROPERTY(int remaining READ remaining NOTIFY countsChanged)
    // How far the whole list is, 0 to 1: ended entries whole, downloads by their part.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(int indexWidth READ indexWidth CONSTANT)
    Q_PROPERTY(bool expanded READ expanded NOTIFY expandedChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(Download::DownloadFormat format READ format WRITE setFormat NOTIFY choiceChanged)
    // Highest height to download (1080, 720); 0 for the best there is.
    Q_PROPERTY(int qualityCap READ qualityCap WRITE setQualityCap NOTIFY choiceChanged)
    // Entries already in the folder's download archive are skipped.
    Q_PROPERTY(bool skipDownloaded READ skipDownloaded WRITE setSkipDownloaded NOTIFY choiceChanged)

public:
    DownloadGroup(const QString &title, const QString &site, int listed, DownloadFormat format,
                  QObject *parent = nullptr);

    QString title() const { return m_title; }
    QString site() const { return m_site; }
    // How many entries the page listed (a selection may show fewer).
    int listed() const { return m_listed; }
    int count() const { return int(m_entries.size()); }
    int done() const { return m_done; }
    int failed() const { return m_failed; }
    int remaining() const { return count() - m_done - m_failed; }
    double progress() const { return m_progress; }
    int indexWidth() const { return qMax(2, int(QString::number(m_listed).size())); }
    bool expanded() const { return m_expanded; }
    bool running() const { return !m_pending.empty() || !m_taken.isEmpty(); }
    DownloadFormat format() const { return m_format; }
    int qualityCap() const { return m_qualityCap; }
    bool skipDownloaded() const { return m_skipDownloaded; }
    // The folder inside the download folder that the entries' files go to.
    QString folderName() const;
    // The folder that folder is made in, for a list with a folder of its own
    // (a followed list); empty: the download folder.
    QString baseFolder() const { return m_baseFolder; }
    void setBaseFolder(const QString &folder) { m_baseFolder = folder; }

    void setFormat(DownloadFormat value);
    void setQualityCap(int value);
    void setSkipDownloaded(bool value);
    void setExpanded(bool value);

    const QList<DownloadItem *> &entries() const { return m_entries; }
    void addEntry(DownloadItem *entry);
    void forget(DownloadItem *entry);

    // "Download all": the entries wait their turn here and go a few at a time,
    // in the list's order.
    void queue(const QList<DownloadItem *> &entries);
    // The next entry that may start now, if any.
    DownloadItem *takeNext(int inFlightLimit);
    // An entry reached an end state; true when it was one the queue started.
    bool entryEnded(DownloadItem *entry);
    void clearQueue();

signals:
    void countsChanged();
    void progressChanged();
    void expandedChanged();
    void runningChanged();
    void choiceChanged();

private:
    void scheduleRecount();
    void recount();

    const QString m_title;
    const QString m_site;
    const int m_listed;
    QList<DownloadItem *> m_entries;
    std::deque<QPointer<DownloadItem>> m_pending;
    QSet<DownloadItem *> m_taken; // started from the queue and not ended yet
    int m_done = 0;
    int m_failed = 0;
    int m_counted = -1; // the entries when the counts were last told
    double m_progress = 0;
    bool m_recountPending = false;
    bool m_expanded = true;
    DownloadFormat m_format;
    int m_qualityCap = 0;
    bool m_skipDownloaded = true;
    QString m_baseFolder;
};
