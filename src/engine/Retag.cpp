#include "Retag.h"

#include "ProcessRunner.h"
#include "ToolSandbox.h"
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

namespace {

// Puts the rewrite in place of the file once ffmpeg made it whole; the
// rewrite goes when it cannot.
Outcome replaceWithRewrite(const ProcessRunResult &result, const QString &temporary,
                           const QString &path)
{
    Outcome failure;
    if (result.launchError) {
        failure = Failure{Failure::Kind::Launch,
                          QStringLiteral("launch error: ") + result.launchError->message};
    } else if (result.status != 0) {
        failure = Failure{Failure::Kind::Tool,
                          QStringLiteral("ffmpeg exit ") + QString::number(result.status)};
    } else if (std::rename(QFile::encodeName(temporary).constData(),
                           QFile::encodeName(path).constData()) != 0) {
        // One rename in the same folder replaces the download atomically: at
        // every moment the user has a complete file under its name.
        const int code = errno;
        failure = Failure{Failure::Kind::FileSystem,
                          QStringLiteral("file replace error: ") +
                              QStringLiteral("rename(%1 → %2) failed: %3 (errno %4)")
                                  .arg(temporary, path, QString::fromLocal8Bit(std::strerror(code)))
                                  .arg(code)};
    }
    if (failure)
        QFile::remove(temporary); // the source is untouched, so the copy is not needed
    return failure;
}

} // namespace

QCoro::Task<Outcome> retagHvc1(QString path, QString ffmpegPath, DownloadItem *item)
{
    const QString temporary = retagTemporaryPath(path);
    QProcess process;
    process.setProgram(ffmpegPath);
    // Every stream kept (subtitles, the cover, more audio tracks), the
    // chapter track excepted: the muxer writes it anew from the chapters.
    // Only the first video stream is the picture; a cover is another.
    const QStringList arguments{QStringLiteral("-y"),
                                QStringLiteral("-i"),
                                path,
                                QStringLiteral("-map"),
                                QStringLiteral("0"),
                                QStringLiteral("-map"),
                                QStringLiteral("-0:d?"),
                                QStringLiteral("-c"),
                                QStringLiteral("copy"),
                                QStringLiteral("-tag:v:0"),
                                QStringLiteral("hvc1"),
                                QStringLiteral("-movflags"),
                                QStringLiteral("+faststart"),
                                temporary};
    process.setArguments(arguments);
    RunOptions options;
    options.sandbox = ToolSandbox::forMedia({path}, QFileInfo(temporary).absolutePath());
    const ProcessRunResult result = co_await runForItem(process, item, std::move(options));
    const Outcome failure = replaceWithRewrite(result, temporary, path);
    if (failure)
        Logger::shared().log(QStringLiteral("  retagHvc1 ") + failure->message, LogLevel::Error);
    else
        Logger::shared().log(QStringLiteral("  retagHvc1 success → ") + path, LogLevel::Info);
    co_return failure;
}
