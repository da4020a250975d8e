#include "DependencyChecker.h"
#include "ToolVersions.h"

#include "platform/ToolPaths.h"
#include "platform/PlatformProfile.h"
#include "platform/ProcessWait.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProcess>

#include <QCoro/QCoroSignal>

QNetworkAccessManager *DependencyChecker::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return m_network;
}

QCoro::Task<> DependencyChecker::checkForUpdates()
{
    setIsCheckingUpdates(true);
    for (Dependency *tool : tools())
        tool->setStatus(DepStatus::checking());
    auto ytdlp = checkYtdlpVersion();
    auto ffmpeg = checkFfmpegVersion();
    auto node = checkNodeVersion();
    co_await ytdlp;
    co_await ffmpeg;
    co_await node;
    setIsCheckingUpdates(false);
}

QCoro::Task<> DependencyChecker::checkYtdlpVersion()
{
    const QStringList arguments{QStringLiteral("--version")};
    const QString output = co_await runCommand(toolPath(m_ytdlp), arguments);
    std::optional<QString> published;
    if (!output.trimmed().isEmpty())
        published = co_await latestReleaseTag(QStringLiteral("yt-dlp"), QStringLiteral("yt-dlp"));
    m_ytdlp->setStatus(ToolVersions::ytdlpStatus(output, published));
}

QCoro::Task<> DependencyChecker::checkFfmpegVersion()
{
    const QStringList arguments{QStringLiteral("-version")};
    const QString output = co_await runCommand(toolPath(m_ffmpeg), arguments);
    std::optional<QString> published;
    if (!ToolVersions::ffmpegFullVersion(output).isEmpty())
        published = co_await latestFfmpegVersion();
    m_ffmpeg->setStatus(ToolVersions::ffmpegStatus(output, published));
}

QCoro::Task<> DependencyChecker::checkNodeVersion()
{
    const QStringList arguments{QStringLiteral("--version")};
    const QString output = co_await runCommand(toolPath(m_node), arguments);
    std::optional<QString> published;
    if (!output.trimmed().isEmpty())
        published = co_await latestNodeLTSVersion();
    m_node->setStatus(ToolVersions::nodeStatus(output, published));
}

QCoro::Task<QString> DependencyChecker::runCommand(QString path, QStringList arguments)
{
    if (!ToolPaths::isExecutableFile(path))
        co_return QString();
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardErrorFile(QProcess::nullDevice()); // never read
    const ProcessEnd end = co_await startAndWait(process);
    if (!end.started())
        co_return QString();
    const QByteArray bytes = process.readAllStandardOutput();
    co_return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString();
}

QCoro::Task<std::optional<QByteArray>> DependencyChecker::fetch(QUrl url, QByteArray accept)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(10000);
    if (!accept.isEmpty())
        request.setRawHeader("Accept", accept);
    QPointer<QNetworkReply> reply = network()->get(request);
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    if (!reply)
        co_return std::nullopt;
    reply->deleteLater();
    // The status is not examined: an error page simply lacks the expected key.
    if (reply->error() != QNetworkReply::NoError &&
        !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        co_return std::nullopt;
    co_return reply->readAll();
}

QCoro::Task<std::optional<QString>> DependencyChecker::latestReleaseTag(QString owner, QString repo)
{
    const QUrl url(PlatformProfile::current().githubApiURL + QStringLiteral("/repos/") + owner +
                   QLatin1Char('/') + repo + QStringLiteral("/releases/latest"));
    const auto body = co_await fetch(url, "application/vnd.github+json");
    co_return body ? ToolVersions::releaseTagFrom(*body) : std::nullopt;
}

QCoro::Task<std::optional<QString>> DependencyChecker::latestFfmpegVersion()
{
    const PlatformProfile profile = PlatformProfile::current();
    const auto body = co_await fetch(QUrl(profile.ffmpegVersionURL()), QByteArray());
    co_return body ? profile.ffmpegVersionFrom(*body) : std::nullopt;
}

QCoro::Task<std::optional<QString>> DependencyChecker::latestNodeLTSVersion()
{
    const auto body = co_await fetch(QUrl(PlatformProfile::current().nodeIndexURL()), QByteArray());
    co_return body ? ToolVersions::nodeLTSFrom(*body) : std::nullopt;
}
