#include "TransferWatch.h"

#include "StopSwitch.h"

#include <QNetworkReply>

std::chrono::milliseconds TransferWatch::idleLimit()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("REELIX_IDLE_LIMIT_MS", &ok);
    return ok && value > 0 ? std::chrono::milliseconds(value) : std::chrono::seconds(30);
}

TransferWatch::TransferWatch(QNetworkReply *reply, const StopSwitch *stop) : m_reply(reply)
{
    const std::chrono::milliseconds limit = idleLimit();
    m_idle.setSingleShot(true);
    m_idle.setInterval(limit);
    connect(&m_idle, &QTimer::timeout, this, [this, limit] {
        const auto seconds = std::chrono::ceil<std::chrono::seconds>(limit).count();
        end(Failure{Failure::Kind::Network, qtTrId("tools.idle").arg(seconds)});
    });
    // The headers and every piece of the body are signs of life.
    const auto alive = [this] { m_idle.start(); };
    connect(reply, &QNetworkReply::metaDataChanged, this, alive);
    connect(reply, &QNetworkReply::downloadProgress, this, alive);
    connect(reply, &QNetworkReply::uploadProgress, this, alive);
    connect(reply, &QNetworkReply::finished, &m_idle, &QTimer::stop);
    if (stop) {
        const auto stopped = [this] {
            end(Failure{Failure::Kind::Network, qtTrId("tools.stopped")});
        };
        connect(stop, &StopSwitch::thrown, this, stopped);
        if (stop->isOn())
            stopped();
    }
    m_idle.start();
}

void TransferWatch::end(Failure why)
{
    if (m_failure || !m_reply || m_reply->isFinished())
        return;
    m_failure = std::move(why);
    // Aborting finishes the reply at once, and whoever waits for it may
    // then delete this watch; the abort therefore runs from the event loop.
    QMetaObject::invokeMethod(m_reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
}
