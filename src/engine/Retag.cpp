#include "Retag.h"

#include "ProcessRunner.h"
#include "log/Logger.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <cstring>

QString retagTemporaryPath(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + QLatin1Char('/') + retagTemporaryPrefix + info.fileName();
}

QCoro::Task<std::optional<QString>> retagHvc1(QString path, QString ffmpegPath, DownloadItem *item)
{
    const QString temporary = retagTemporaryPath(path);
    QProcess process;
    process.setProgram(ffmpegPath);
    const QStringList arguments{QStringLiteral("-y"),
                                QStringLiteral("-i"),
                                path,
                                QStringLiteral("-c"),
                                QStringLiteral("copy"),
                                QStringLiteral("-tag:v"),
                                QStringLiteral("hvc1"),
                                QStringLiteral("-movflags"),
                                QStringLiteral("+faststart"),
                                temporary};
    process.setArguments(arguments);
    const ProcessRunResult result = co_await runForItem(process, item);
    if (result.launchError) {
        Logger::shared().log(QStringLiteral("  retagHvc1 launch error: ") +
                                 result.launchError->message,
                             LogLevel::Error);
        QFile::remove(temporary);
        co_return std::nullopt;
    }
    if (result.status != 0) {
        Logger::shared().log(QStringLiteral("  retagHvc1 ffmpeg exit ") +
                                 QString::number(result.status),
                             LogLevel::Error);
        QFile::remove(temporary);
        co_return std::nullopt;
    }
    // One rename in the same folder replaces the download atomically: at every
    // moment the user has a complete file under its name.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        const int code = errno;
        Logger::shared().log(
            QStringLiteral("  retagHvc1 file replace error: ") +
                QStringLiteral("rename(%1 → %2) failed: %3 (errno %4)")
                    .arg(temporary, path, QString::fromLocal8Bit(std::strerror(code)))
                    .arg(code),
            LogLevel::Error);
        QFile::remove(temporary); // the source is untouched, so the copy is not needed
        co_return std::nullopt;
    }
    Logger::shared().log(QStringLiteral("  retagHvc1 success → ") + path, LogLevel::Info);
    co_return path;
}
