#include "ReleaseLookup.h"

#include "ToolVersions.h"
#include "TransferWatch.h"

#include "platform/PlatformProfile.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

#include <QCoro/QCoroSignal>

namespace {

Result<QString> versionOrReason(const std::optional<QString> &version)
{
    if (version)
        return *version;
    //% "the answer names no version"
    return Failure{Failure::Kind::Tool, qtTrId("tools.check.unreadable")};
}

} // namespace

QCoro::Task<Result<ReleaseLookup::Answer>> ReleaseLookup::ask(QNetworkRequest request)
{
    QPointer<QNetworkReply> reply = m_network.get(request);
    // Each request has its own 10 s: a lookup is worth no longer wait.
    TransferWatch watch(reply.get(), m_stop, TransferLimits::forDocument());
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    if (!reply)
        //% "Stopped"
        co_return Failure{Failure::Kind::Network, qtTrId("tools.stopped")};
    reply->deleteLater();
    if (const Outcome ended = watch.failure())
        co_return *ended;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        co_return Failure{Failure::Kind::Network, reply->errorString()};
    co_return Answer{status.toInt(), reply->readAll(),
                     QUrl::fromEncoded(reply->rawHeader("Location"))};
}

QCoro::Task<Result<QByteArray>> ReleaseLookup::fetch(QUrl url, QByteArray accept)
{
    QNetworkRequest request(url);
    if (!accept.isEmpty())
        request.setRawHeader("Accept", accept);
    const Result<Answer> answer = co_await ask(request);
    if (!answer)
        co_return answer.failure();
    if (answer->status < 200 || answer->status > 299)
        co_return Failure{Failure::Kind::HttpStatus,
                          //% "the server answered HTTP %1"
                          qtTrId("tools.check.http").arg(answer->status)};
    co_return answer->body;
}

QCoro::Task<Result<QString>> ReleaseLookup::latestReleaseTag(QString owner, QString repo)
{
    const QUrl url(PlatformProfile::current().githubApiURL + QStringLiteral("/repos/") + owner +
                   QLatin1Char('/') + repo + QStringLiteral("/releases/latest"));
    const Result<QByteArray> body = co_await fetch(url, "application/vnd.github+json");
    if (!body)
        co_return body.failure();
    co_return versionOrReason(ToolVersions::releaseTagFrom(*body));
}

QCoro::Task<Result<QString>> ReleaseLookup::latestYtdlpVersion()
{
    const Result<QString> fromApi =
        co_await latestReleaseTag(QStringLiteral("yt-dlp"), QStringLiteral("yt-dlp"));
    // The release page is not counted against the API's limit; it redirects
    // to ".../releases/tag/<version>". A server that did not answer at all
    // would not answer there either: the lookup ends at once.
    if (fromApi || fromApi.failure().kind == Failure::Kind::Network)
        co_return fromApi;
    QNetworkRequest request(QUrl(PlatformProfile::current().githubURL +
                                 QStringLiteral("/yt-dlp/yt-dlp/releases/latest")));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    const Result<Answer> page = co_await ask(request);
    const QString marker = QStringLiteral("/tag/");
    const QString path = page ? page->location.path() : QString();
    const QString tag = path.mid(path.lastIndexOf(marker) + marker.size());
    if (page && page->status >= 300 && page->status <= 399 && path.contains(marker) &&
        !tag.isEmpty() && !tag.contains(QLatin1Char('/')))
        co_return tag;
    co_return fromApi; // the first reason is the one worth showing
}

QCoro::Task<Result<QString>> ReleaseLookup::latestFfmpegVersion()
{
    const PlatformProfile profile = PlatformProfile::current();
    const Result<QByteArray> body = co_await fetch(QUrl(profile.ffmpegVersionURL()), QByteArray());
    if (!body)
        co_return body.failure();
    co_return versionOrReason(profile.ffmpegVersionFrom(*body));
}

QCoro::Task<Result<QString>> ReleaseLookup::latestNodeLTSVersion()
{
    const PlatformProfile profile = PlatformProfile::current();
    const Result<QByteArray> body = co_await fetch(QUrl(profile.nodeIndexURL()), QByteArray());
    if (!body)
        co_return body.failure();
    co_return versionOrReason(ToolVersions::nodeLTSFrom(*body, profile.nodeLTSLine));
}
