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
//
// Each start holds the calling thread until the child has started its tool,
// which takes many milliseconds on a busy machine; fifty starts in one go
// would freeze the window. Starts therefore take turns, one per pass of the
// event loop, so a child may begin a moment after this is called.
QCoro::Task<ProcessEnd> startAndWait(QProcess &process, std::function<void()> onStarted = {});

// Sends SIGTERM to a running child and to every process it started itself.
void terminateChild(QProcess &process);

// Stops a child: terminates it (and what it started) when it runs; when it
// still waits for its turn it never starts, and its run ends as if terminated.
void stopChild(QProcess &process);
