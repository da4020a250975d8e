#include "ReleaseLookup.h"

#include "ToolVersions.h"

#include "platform/PlatformProfile.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

#include <QCoro/QCoroSignal>

#include <chrono>

namespace {
constexpr std::chrono::milliseconds lookupTimeLimit = std::chrono::seconds(10);
}

QCoro::Task<std::optional<QByteArray>> ReleaseLookup::fetch(QUrl url, QByteArray accept)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(int(lookupTimeLimit.count()));
    if (!accept.isEmpty())
        request.setRawHeader("Accept", accept);
    QPointer<QNetworkReply> reply = m_network.get(request);
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

QCoro::Task<std::optional<QString>> ReleaseLookup::latestReleaseTag(QString owner, QString repo)
{
    const QUrl url(PlatformProfile::current().githubApiURL + QStringLiteral("/repos/") + owner +
                   QLatin1Char('/') + repo + QStringLiteral("/releases/latest"));
    const auto body = co_await fetch(url, "application/vnd.github+json");
    co_return body ? ToolVersions::releaseTagFrom(*body) : std::nullopt;
}

QCoro::Task<std::optional<QString>> ReleaseLookup::latestFfmpegVersion()
{
    const PlatformProfile profile = PlatformProfile::current();
    const auto body = co_await fetch(QUrl(profile.ffmpegVersionURL()), QByteArray());
    co_return body ? profile.ffmpegVersionFrom(*body) : std::nullopt;
}

QCoro::Task<std::optional<QString>> ReleaseLookup::latestNodeLTSVersion()
{
    const auto body = co_await fetch(QUrl(PlatformProfile::current().nodeIndexURL()), QByteArray());
    co_return body ? ToolVersions::nodeLTSFrom(*body) : std::nullopt;
}
