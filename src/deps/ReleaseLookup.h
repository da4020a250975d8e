#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <QCoro/QCoroTask>

#include <optional>

class QNetworkAccessManager;

// The newest published version of each tool, asked of its distributor. A
// lookup that fails for any reason (network, time-out, an answer of another
// shape) gives nothing.
class ReleaseLookup
{
public:
    explicit ReleaseLookup(QNetworkAccessManager &network) : m_network(network) {}

    QCoro::Task<std::optional<QString>> latestReleaseTag(QString owner, QString repo);
    QCoro::Task<std::optional<QString>> latestFfmpegVersion();
    QCoro::Task<std::optional<QString>> latestNodeLTSVersion();

private:
    QCoro::Task<std::optional<QByteArray>> fetch(QUrl url, QByteArray accept);

    QNetworkAccessManager &m_network;
};
