#pragma once

#include "CliOptions.h"
#include "Terminal.h"

#include "engine/DownloadManager.h"

#include <QObject>

// `download` and `info`: the window's add button, format choice, start and
// convert, driven from the terminal over the same DownloadManager.
class DownloadCommand : public QObject
{
    Q_OBJECT
public:
    explicit DownloadCommand(const CliOptions &options, QObject *parent = nullptr);

    void start(const QStringList &addresses);
    // SIGINT/SIGTERM: stop every run; the command then finishes with 130.
    // A second one stops at once.
    void interrupt();
    DownloadManager &manager() { return m_manager; }

signals:
    void finished(int exitCode);

private:
    void stopAtOnce();
    void onSettled(DownloadItem *item);
    bool isFinal(const DownloadItem *item) const;
    void scheduleRedraw();
    void redraw();
    void checkFinished();
    // The options that change how the list runs, for the manager.
    RunSettings runSettings() const;
    void startClips(DownloadItem *item);
    QString lineFor(const DownloadItem *item) const;
    QString keyFor(const DownloadItem *item) const;

    CliOptions m_options;
    DownloadManager m_manager;
    Terminal m_terminal;
    bool m_interrupted = false;
    // After a second stop: the killed tools' runs are given a moment to unwind.
    bool m_stoppedAtOnce = false;
    bool m_waitedForRuns = false;
    bool m_done = false;
    bool m_redrawPending = false;
    QSet<const DownloadItem *> m_converting;
};
