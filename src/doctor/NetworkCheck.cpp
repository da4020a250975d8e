#include "Doctor.h"
#include "DoctorRun.h"

#include "platform/Secrets.h"

#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>

#include <QTimer>

#include <QCoro/QCoroSignal>

namespace Doctor {

namespace {

using Level = CheckResult::Level;
using Action = CheckResult::Action;

// The proxy the tools are given (the usual variables), for our requests too.
QString proxyAddress()
{
    for (const char *name : {"HTTPS_PROXY", "https_proxy", "HTTP_PROXY", "http_proxy"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

struct Reach
{
    bool reached = false;
    bool noName = false; // the host's name could not be looked up
    QString why;
};

QCoro::Task<Reach> reach(QNetworkAccessManager &network, QUrl url, std::chrono::milliseconds limit)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(int(limit.count()));
    QPointer<QNetworkReply> reply = network.head(request);
    // A name lookup that never answers is not covered by the transfer limit.
    QTimer::singleShot(limit, reply.get(), [reply] {
        if (reply && reply->isRunning())
            reply->abort();
    });
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    Reach result;
    if (!reply)
        co_return result;
    reply->deleteLater();
    // Any answer, even an error status, shows the server can be reached.
    result.reached = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    result.noName = reply->error() == QNetworkReply::HostNotFoundError;
    //% "no answer"
    const QString silent = qtTrId("doctor.network.silent");
    result.why = reply->error() == QNetworkReply::OperationCanceledError ||
                         reply->error() == QNetworkReply::TimeoutError
                     ? silent
                     : reply->errorString();
    co_return result;
}

} // namespace

QCoro::Task<CheckResult> network(DoctorSettings settings)
{
    QNetworkAccessManager network;
    const QString proxy = proxyAddress();
    if (!proxy.isEmpty()) {
        const QUrl url = QUrl::fromUserInput(proxy);
        network.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, url.host(), quint16(url.port(80)),
                                       url.userName(), url.password()));
    }
    std::vector<QCoro::Task<Reach>> asked;
    for (const DoctorSettings::Server &server : settings.servers)
        asked.push_back(reach(network, server.url, settings.networkLimit));
    QJsonArray servers;
    QStringList unreachable;
    int noName = 0;
    for (qsizetype i = 0; i < settings.servers.size(); ++i) {
        const Reach r = co_await asked[size_t(i)];
        const QString host = settings.servers[i].url.host();
        servers.append(QJsonObject{{QStringLiteral("host"), host},
                                   {QStringLiteral("purpose"), settings.servers[i].purpose},
                                   {QStringLiteral("reachable"), r.reached},
                                   {QStringLiteral("error"), r.reached ? QString() : r.why}});
        if (!r.reached)
            unreachable << host + QStringLiteral(" (") + r.why + QLatin1Char(')');
        noName += r.noName ? 1 : 0;
    }
    const QJsonObject facts{{QStringLiteral("proxy"), Secrets::maskPassword(proxy)},
                            {QStringLiteral("servers"), servers}};
    //% "Check the network connection and the proxy settings."
    const QString todo = qtTrId("doctor.network.todo");
    if (!settings.servers.isEmpty() && noName == settings.servers.size()) {
        //% "This computer has no internet connection: no server's name could be looked up."
        co_return CheckResult{QStringLiteral("network"),
                              Level::Problem,
                              qtTrId("doctor.network.offline"),
                              todo,
                              Action::None,
                              facts};
    }
    if (!unreachable.isEmpty()) {
        //% "These servers cannot be reached: %1."
        co_return CheckResult{
            QStringLiteral("network"),
            unreachable.size() == settings.servers.size() ? Level::Problem : Level::Warning,
            qtTrId("doctor.network.unreachable").arg(unreachable.join(QStringLiteral(", "))),
            todo,
            Action::None,
            facts};
    }
    //% "Every server the tools and updates need answers."
    co_return CheckResult{
        QStringLiteral("network"), Level::Ok, qtTrId("doctor.network.ok"), {}, Action::None, facts};
}

} // namespace Doctor
