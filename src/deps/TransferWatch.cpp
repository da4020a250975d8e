#include "TransferWatch.h"

#include "StopSwitch.h"

#include <QLocale>
#include <QNetworkReply>

namespace {

qint64 secondsIn(std::chrono::milliseconds limit)
{
    return std::chrono::ceil<std::chrono::seconds>(limit).count();
}

} // namespace

TransferWatch::TransferWatch(QNetworkReply *reply, const StopSwitch *stop,
                             const TransferLimits &limits)
    : m_reply(reply), m_maxBytes(limits.maxBytes)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(limits.idle);
    connect(&m_idle, &QTimer::timeout, this, [this, limit = limits.idle] {
        //% "No data for %1 s: the transfer was ended"
        end(Failure{Failure::Kind::Network, qtTrId("tools.idle").arg(secondsIn(limit))});
    });
    // Each byte restarts the idle timer; only this one ends a trickle.
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(limits.deadline);
    connect(&m_deadline, &QTimer::timeout, this, [this, limit = limits.deadline] {
        //% "The transfer took more than %1 s: it was ended"
        end(Failure{Failure::Kind::Network, qtTrId("tools.deadline").arg(secondsIn(limit))});
    });
    // The headers and every piece of the body are signs of life.
    const auto alive = [this] { m_idle.start(); };
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, alive] {
        alive();
        checkSize(m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, alive](qint64 received) {
        alive();
        checkSize(received);
    });
    connect(reply, &QNetworkReply::uploadProgress, this, alive);
    connect(reply, &QNetworkReply::finished, &m_idle, &QTimer::stop);
    connect(reply, &QNetworkReply::finished, &m_deadline, &QTimer::stop);
    if (stop) {
        const auto stopped = [this] {
            end(Failure{Failure::Kind::Network, qtTrId("tools.stopped")});
        };
        connect(stop, &StopSwitch::thrown, this, stopped);
        if (stop->isOn())
            stopped();
    }
    m_idle.start();
    m_deadline.start();
}

void TransferWatch::checkSize(qint64 bytes)
{
    if (bytes <= m_maxBytes)
        return;
    const QString limit = QLocale().formattedDataSize(m_maxBytes, 1, QLocale::DataSizeSIFormat);
    // The server answered, with something that is not what was asked for.
    //% "The server sent more than %1: the transfer was ended"
    end(Failure{Failure::Kind::Tool, qtTrId("tools.too_large").arg(limit)});
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
