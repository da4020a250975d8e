#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>

#include <QCoro/QCoroTask>

class QNetworkAccessManager;
class StopSwitch;

// The newest published version of each tool, asked of its distributor, or
// why it could not be found: the network, no answer within a request's
// limits (10 s, a few megabytes), an error status (GitHub's API allows 60 requests an hour per
// address), an answer of another shape, or a stop.
class ReleaseLookup
{
public:
    explicit ReleaseLookup(QNetworkAccessManager &network, const StopSwitch *stop = nullptr)
        : m_network(network), m_stop(stop)
    {}

    QCoro::Task<Result<QString>> latestReleaseTag(QString owner, QString repo);
    // The release API, then, when the API answered without a version (its
    // rate limit), the release page's redirect to its tag.
    QCoro::Task<Result<QString>> latestYtdlpVersion();
    QCoro::Task<Result<QString>> latestFfmpegVersion();
    // The newest release of the LTS line the platform profile names.
    QCoro::Task<Result<QString>> latestNodeLTSVersion();

private:
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QUrl location;
    };
    QCoro::Task<Result<Answer>> ask(QNetworkRequest request);
    // The body of a successful answer.
    QCoro::Task<Result<QByteArray>> fetch(QUrl url, QByteArray accept);

    QNetworkAccessManager &m_network;
    const StopSwitch *m_stop;
};
