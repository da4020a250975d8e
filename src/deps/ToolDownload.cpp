#include "ToolDownload.h"

#include "TransferWatch.h"

#include "platform/TemporaryNames.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

#include <QCoro/QCoroSignal>

#include <memory>

namespace ToolDownload {

namespace {

// Whatever arrives with an error status is an error page, not the tool.
std::optional<Failure> statusFailure(const QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || (status.toInt() >= 200 && status.toInt() <= 299))
        return std::nullopt;
    // Every redirect that is allowed has been followed by now.
    if (status.toInt() >= 300 && status.toInt() <= 399)
        return Failure{Failure::Kind::Network,
                       //% "The server sent the download on to an address that is not safe"
                       //% " to follow (not a web address, or unencrypted after encrypted): it"
                       //% " was refused"
                       qtTrId("tools.redirect_refused")};
    const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    return Failure{Failure::Kind::HttpStatus,
                   reason.isEmpty()
                       //% "The server answered HTTP %1"
                       ? qtTrId("tools.http_status").arg(status.toInt())
                       : qtTrId("tools.http_status_reason").arg(status.toInt()).arg(reason)};
}

} // namespace

QCoro::Task<Result<QString>> toTemporaryFile(QNetworkAccessManager &network, QUrl url,
                                             std::function<void(double)> onProgress,
                                             const StopSwitch *stop, TransferLimits limits)
{
    const QString path = TemporaryNames::inTemp(QStringLiteral("reelix_dl_"));
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        co_return Failure{Failure::Kind::FileSystem, file->errorString()};
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QPointer<QNetworkReply> reply = network.get(request);
    TransferWatch watch(reply.get(), stop, limits);
    QObject context;
    bool writeFailed = false;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &context, [&, file] {
        const QByteArray chunk = reply->readAll();
        if (file->write(chunk) != chunk.size())
            writeFailed = true;
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &context,
                     [onProgress](qint64 received, qint64 total) {
                         if (total > 0 && onProgress)
                             onProgress(double(received) / double(total));
                     });
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    QObject::disconnect(reply.get(), nullptr, &context, nullptr);
    const QByteArray rest = reply->isOpen() ? reply->readAll() : QByteArray(); // not once aborted
    if (file->write(rest) != rest.size())
        writeFailed = true;
    const QString writeError = file->errorString();
    file->close();
    reply->deleteLater();

    std::optional<Failure> failure = watch.failure();
    if (!failure)
        failure = statusFailure(*reply);
    if (!failure && reply->error() != QNetworkReply::NoError)
        failure = Failure{Failure::Kind::Network, reply->errorString()};
    if (!failure && writeFailed)
        failure = Failure{Failure::Kind::FileSystem, writeError};
    if (failure) {
        QFile::remove(path);
        co_return *failure;
    }
    if (!QFileInfo::exists(path))
        //% "The downloaded file is missing"
        co_return Failure{Failure::Kind::MissingDownload, qtTrId("tools.download.missing")};
    co_return path;
}

} // namespace ToolDownload
