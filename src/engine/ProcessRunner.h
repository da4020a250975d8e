#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <QCoro/QCoroTask>

#include <functional>
#include <optional>

class QProcess;

// What a finished tool run handed back. `stdoutData` holds every byte the
// child wrote to standard output (the C library reserves the name `stdout`).
struct ProcessRunResult
{
    int status = -1; // exit status, the signal number after a kill, -1 when it never started
    QByteArray stdoutData;
    QString stderrText;
    std::optional<QString> launchError;
};

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

// Runs a prepared child (program, arguments and environment already set) to
// its end without blocking the event loop. Never throws: a start failure
// comes back as status -1 with `launchError`.
QCoro::Task<ProcessRunResult> run(QProcess &process, std::optional<double> timeoutSeconds,
                                  QString siteName, LineCallback onStdoutLine);
