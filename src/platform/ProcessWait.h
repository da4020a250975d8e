#pragma once

#include <QString>

#include <QCoro/QCoroTask>

#include <functional>
#include <optional>

class QProcess;

struct ProcessEnd
{
    int status = -1;                    // exit code, or the signal number after a kill
    std::optional<QString> launchError; // set when the child never started
    bool started() const { return !launchError; }
};

// Starts a prepared child and resumes when it has ended, without blocking
// the event loop. `onStarted` runs once the start was accepted (it is not
// called when the start failed at once). The caller keeps `process` alive
// until the task completes.
QCoro::Task<ProcessEnd> startAndWait(QProcess &process, std::function<void()> onStarted = {});
