#pragma once

#include "platform/Failure.h"

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class StopSwitch;

// Ends a transfer that has gone quiet or was stopped, and says why: a server
// that sends headers and then nothing must not keep an install waiting.
class TransferWatch : public QObject
{
    Q_OBJECT
public:
    // No byte for this long ends a transfer: 30 s, or REELIX_IDLE_LIMIT_MS.
    static std::chrono::milliseconds idleLimit();

    TransferWatch(QNetworkReply *reply, const StopSwitch *stop);

    // Why the transfer was ended early; nothing when it ended by itself.
    Outcome failure() const { return m_failure; }

private:
    void end(Failure why);

    QPointer<QNetworkReply> m_reply;
    QTimer m_idle;
    Outcome m_failure;
};
