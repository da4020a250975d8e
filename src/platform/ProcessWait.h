#pragma once

#include "Failure.h"
#include "Sandbox.h"

#include <QByteArray>
#include <QString>

#include <QCoro/QCoroTask>

#include <chrono>
#include <functional>
#include <optional>

class QProcess;

// What a finished child handed back. `stdoutData` holds every byte the child
// wrote to standard output (the C library reserves the name `stdout`).
struct ProcessRunResult
{
    int status = -1; // exit status, the signal number after a kill, -1 when it never started
    QByteArray stdoutData;
    QString stderrText;
    std::optional<Failure> launchError; // set when the child never started
    bool timedOut = false;              // ended by its time limit
    // The start failed for want of file handles (EMFILE, ENFILE): it may
    // work once other children have ended.
    bool outOfFileHandles = false;

    bool started() const { return !launchError; }
};

struct StartOptions
{
    // The child is terminated when it runs longer; none by default.
    std::optional<std::chrono::milliseconds> timeLimit;
    // Runs once the start was accepted (not when it failed at once).
    std::function<void()> onStarted;
    // What the child may touch (when the sandbox is on); all the user may
    // when unset. The program's own folder is added.
    std::optional<Sandbox::Rules> sandbox;
};

// Starts a prepared child and resumes when it has ended, without blocking
// the event loop. The caller keeps `process` alive until the task completes.
// Only `status`, `launchError` and `timedOut` of the result are set.
//
// Each start holds the calling thread until the child has started its tool,
// which takes many milliseconds on a busy machine; fifty starts in one go
// would freeze the window. Starts therefore take turns, one per pass of the
// event loop, so a child may begin a moment after this is called.
QCoro::Task<ProcessRunResult> startAndWait(QProcess &process, StartOptions options = {});

// Sends SIGTERM to a running child and to every process it started itself,
// and SIGKILL to them when the child still runs after a short grace.
void terminateChild(QProcess &process);

// Stops a child: terminates it (and what it started) when it runs; when it
// still waits for its turn it never starts, and its run ends as if terminated.
void stopChild(QProcess &process);

// Stops a child at once with SIGKILL (and what it started), without a grace.
void killChild(QProcess &process);
