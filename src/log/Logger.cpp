#include "Logger.h"

#include "platform/PlatformProfile.h"
#include "platform/Secrets.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeAll(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // a full disk or a vanished file must not stop the application
        }
        p += n;
        left -= n;
    }
}

const char *lastPathComponent(const char *path)
{
    const char *name = path;
    for (const char *p = path; *p; ++p) {
        if (*p == '/' || *p == '\\')
            name = p + 1;
    }
    return name;
}

} // namespace

QString logLevelTag(LogLevel level)
{
    switch (level) {
    case LogLevel::Debug:
        return QStringLiteral("DEBUG");
    case LogLevel::Info:
        return QStringLiteral("INFO ");
    case LogLevel::Warning:
        return QStringLiteral("WARN ");
    case LogLevel::Error:
        return QStringLiteral("ERROR");
    }
    return QStringLiteral("DEBUG");
}

Logger &Logger::shared()
{
    // Never released: lines may be logged from static destructors and other
    // threads until the very end; the exit hook drains the queue instead.
    static Logger *instance = [] {
        auto *logger = new Logger(PlatformProfile::current().logFile);
        std::atexit([] { Logger::shared().shutdown(); });
        return logger;
    }();
    return *instance;
}

Logger::Logger(const QString &filePath) : m_filePath(filePath)
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // O_APPEND keeps every write at the end, also when another Reelix process
    // appends to the same file at the same time.
    m_fd = ::open(QFile::encodeName(filePath).constData(),
                  O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    // Commands and tool output are the user's business only; also for a log
    // an older version created readable by all.
    if (m_fd >= 0)
        ::fchmod(m_fd, 0600);
    m_writer = std::thread([this] { writerLoop(); });
}

Logger::~Logger()
{
    shutdown();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Logger::isEnabled()
{
    return UserDefaults::boolValue(QStringLiteral("debugLogging"));
}

QString Logger::formatLine(const QDateTime &when, LogLevel level, const char *sourceFile,
                           unsigned line, const QString &message)
{
    return QLatin1Char('[') + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
           QStringLiteral("] [") + logLevelTag(level) + QStringLiteral("] [") +
           QString::fromUtf8(lastPathComponent(sourceFile)) + QLatin1Char(':') +
           QString::number(line) + QStringLiteral("] ") + message + QLatin1Char('\n');
}

void Logger::log(const QString &message, LogLevel level, std::source_location where)
{
    if (!isEnabled())
        return;
    // Addresses reach the log in commands, tool output and messages; their
    // passwords never do.
    const QByteArray line = formatLine(QDateTime::currentDateTime(), level, where.file_name(),
                                       where.line(), Secrets::maskPasswordsInText(message))
                                .toUtf8();
    submit([this, line] {
        if (m_fd >= 0)
            writeAll(m_fd, line);
    });
}

void Logger::logCommand(const QString &tag, const QStringList &args)
{
    log(QStringLiteral("▶ yt-dlp [") + tag + QStringLiteral("] args: ") +
            args.join(QLatin1Char(' ')),
        LogLevel::Debug);
}

void Logger::logExit(const QString &tag, int exitCode, const QString &detail)
{
    if (exitCode != 0) {
        log(QStringLiteral("✗ [") + tag + QStringLiteral("] exit code ") +
                QString::number(exitCode),
            LogLevel::Error);
        return;
    }
    QString message = QStringLiteral("✓ [") + tag + QStringLiteral("] success");
    if (!detail.isEmpty())
        message += QStringLiteral(": ") + detail;
    log(message, LogLevel::Info);
}

void Logger::logStderr(const QString &text, const QString &tag)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    LogLevel level = LogLevel::Debug;
    if (trimmed.contains(QStringLiteral("ERROR")))
        level = LogLevel::Error;
    else if (trimmed.contains(QStringLiteral("WARNING")))
        level = LogLevel::Warning;
    log(QStringLiteral("⚠ stderr [") + tag + QStringLiteral("]: ") + trimmed, level);
}

void Logger::clear()
{
    submit([this] {
        if (m_fd >= 0 && ::ftruncate(m_fd, 0) == 0)
            ::lseek(m_fd, 0, SEEK_SET);
    });
}

void Logger::submit(std::function<void()> operation)
{
    std::unique_lock lock(m_mutex);
    if (m_stopped) {
        // After shutdown (static destructors at exit) write in place.
        operation();
        return;
    }
    m_queue.push_back(std::move(operation));
    m_wake.notify_one();
}

void Logger::writerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        while (!m_queue.empty()) {
            auto operation = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
            lock.unlock();
            operation();
            lock.lock();
            m_busy = false;
        }
        m_idle.notify_all();
        if (m_stopping)
            return;
    }
}

void Logger::waitUntilWritten()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_stopped || (m_queue.empty() && !m_busy); });
}

void Logger::shutdown()
{
    {
        std::unique_lock lock(m_mutex);
        if (m_stopping)
            return;
        m_stopping = true;
        m_wake.notify_one();
    }
    if (m_writer.joinable())
        m_writer.join();
    std::unique_lock lock(m_mutex);
    // Anything submitted while the writer was finishing.
    while (!m_queue.empty()) {
        m_queue.front()();
        m_queue.pop_front();
    }
    m_stopped = true;
    m_idle.notify_all();
}
