#pragma once

#include "platform/ProcessWait.h"

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <QCoro/QCoroTask>

#include <chrono>
#include <functional>
#include <optional>

class DownloadItem;
class QProcess;

using LineCallback = std::function<void(const QString &)>;

// Splits standard output into lines on line feeds only (a carriage return stays
// in the line). Lines that are not valid UTF-8 are not delivered but stay in
// `data`.
class StdoutCollector
{
public:
    explicit StdoutCollector(LineCallback onLine) : m_onLine(std::move(onLine)) {}

    void append(QByteArrayView chunk);
    void flush();
    QByteArray data() const;

private:
    mutable QMutex m_lock;
    QByteArray m_data;
    QByteArray m_pending;
    LineCallback m_onLine;
};

struct RunOptions
{
    // Terminated when it runs longer (logged as a time-out); none by default.
    std::optional<std::chrono::milliseconds> timeLimit;
    QString siteName; // names the run in the time-out warning
    LineCallback onStdoutLine;
    // What the child may touch (ToolSandbox); everything when unset.
    std::optional<Sandbox::Rules> sandbox;
};

// Runs a prepared child (program, arguments and environment already set) to
// its end without blocking the event loop. Of standard error only the last
// mebibyte is kept, from a line start. Never throws: a start failure
// comes back as status -1 with `launchError`.
QCoro::Task<ProcessRunResult> run(QProcess &process, RunOptions options = {});

// `run` with the child held in the item while it runs, so that the item's
// stop (and with it the manager's end and the terminal's stop signals)
// reaches it. A child for an item already stopped never starts.
QCoro::Task<ProcessRunResult> runForItem(QProcess &process, DownloadItem *item,
                                         RunOptions options = {});
