#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <source_location>
#include <thread>

enum class LogLevel
{
    Debug,
    Info,
    Warning,
    Error
};

// Five characters each, so that the columns of the log line up.
QString logLevelTag(LogLevel level);

// The debug log: one shared instance, lines formatted on the caller's thread
// and written by one background writer in submission order. Logging is on
// only while the per-user setting "debugLogging" is true (read on every call).
class Logger
{
public:
    static Logger &shared();

    void log(const QString &message, LogLevel level = LogLevel::Info,
             std::source_location where = std::source_location::current());
    void logCommand(const QString &tag, const QStringList &args);
    void logExit(const QString &tag, int exitCode, const QString &detail = QString());
    void logStderr(const QString &text, const QString &tag);
    void clear();

    // Blocks until every operation submitted so far has reached the file.
    void waitUntilWritten();

    QString filePath() const { return m_filePath; }

    static bool isEnabled();
    static QString formatLine(const QDateTime &when, LogLevel level, const char *sourceFile,
                              unsigned line, const QString &message);

    ~Logger();

private:
    explicit Logger(const QString &filePath);
    void submit(std::function<void()> operation);
    void writerLoop();
    void shutdown();

    QString m_filePath;
    int m_fd = -1; // touched only by the writer after construction

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    bool m_stopped = false;
    std::thread m_writer;
};
