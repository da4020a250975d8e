#pragma once

#include "TransferLimits.h"

#include "platform/Failure.h"

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>

class StopSwitch;

// Ends a transfer that has gone quiet, runs past its deadline, grows past
// its size limit or was stopped, and says why: a server that sends headers
// and then nothing, or a byte now and then, must not keep an install waiting.
class TransferWatch : public QObject
{
    Q_OBJECT
public:
    TransferWatch(QNetworkReply *reply, const StopSwitch *stop, const TransferLimits &limits);

    // Why the transfer was ended early; nothing when it ended by itself.
    Outcome failure() const { return m_failure; }

private:
    void end(Failure why);
    void checkSize(qint64 bytes);

    QPointer<QNetworkReply> m_reply;
    QTimer m_idle;
    QTimer m_deadline;
    qint64 m_maxBytes;
    Outcome m_failure;
};
