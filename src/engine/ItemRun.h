#pragma once

#include <QPointer>
#include <QProcess>
#include <QString>

#include <memory>
#include <optional>

class DownloadItem;
class PrintedInfo;
class WorkFolder;

// One run for an item — its information, its download or its conversion —
// from its start to its end: the child running for it, whether a stop was
// asked, the file the tool reported and the working folder it writes in.
// The item holds it while it goes, so that one run at a time writes these;
// a new run starts with none of the last one's.
class ItemRun
{
public:
    // Starts a run for `item`; null when one is going (a second would take
    // over its child and its working folder).
    static ItemRun *begin(DownloadItem &item);
    // The run is over: the item holds none any more and this object is gone.
    void end();
    // Stops the child still running for the run (the item went away).
    ~ItemRun();
    ItemRun(const ItemRun &) = delete;
    ItemRun &operator=(const ItemRun &) = delete;

    // A stop was asked; the run then ends as cancelled.
    bool cancelled() const { return m_cancelled; }
    // Asks the run to stop: its child now, a child it starts later at once.
    void cancel();
    // Stops the child without a stop of the run: the item goes on another
    // way (the information run, when the one download run cannot choose).
    void interrupt();
    bool interrupted() const { return m_interrupted; }

    // The child running for the run, if any.
    QProcess *process() const { return m_process; }
    // `process` runs for this run until release(): a stop reaches it, and
    // one asked before it started ends it at once.
    void hold(QProcess &process);
    void release(const QProcess &process);

    // The path yt-dlp printed for the finished file, if it did.
    std::optional<QString> reportedFilePath() const { return m_reportedFilePath; }
    void setReportedFilePath(const QString &path) { m_reportedFilePath = path; }

    // What a run from the page prints of the page's information, if it does.
    PrintedInfo *printedInfo() const { return m_printedInfo.get(); }
    void setPrintedInfo(std::shared_ptr<PrintedInfo> info) { m_printedInfo = std::move(info); }

    // The run's working folder in `parent`, made now. The coroutine that
    // runs the tools shares it: a file still being finished when the item
    // goes is placed all the same, and the folder goes with the last owner.
    std::shared_ptr<WorkFolder> openWorkFolder(const QString &parent);
    // That folder's path; empty before it is opened.
    QString workFolderPath() const;

private:
    explicit ItemRun(DownloadItem &item) : m_item(item) {}

    DownloadItem &m_item;
    bool m_cancelled = false;
    bool m_interrupted = false;
    QPointer<QProcess> m_process;
    std::optional<QString> m_reportedFilePath;
    std::shared_ptr<PrintedInfo> m_printedInfo;
    std::shared_ptr<WorkFolder> m_workFolder;
};
