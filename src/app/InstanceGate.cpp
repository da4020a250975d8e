#include "InstanceGate.h"

#include "store/QueueStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QThread>
#include <QUuid>

#include <cstdio>

namespace {
const QString kService = QStringLiteral("org.reelix.Reelix");
const QString kPath = QStringLiteral("/org/reelix/Reelix");
constexpr int kAnswerMs = 10000;
// Between two hand-overs that failed at once, as while the running one quits.
constexpr unsigned long kRetryPauseMs = 250;
} // namespace

bool InstanceGate::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    // The object first, so that addresses sent the moment the name is ours arrive.
    bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
    const auto reply =
        bus.interface()->registerService(kService, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return true;
    bus.unregisterObject(kPath);
    return false;
}

bool InstanceGate::handOver(const QString &handOverId, const QStringList &addresses)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("HandOver"));
    call << handOverId << addresses;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kAnswerMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

std::optional<int> InstanceGate::settle(const QStringList &addresses,
                                        std::unique_ptr<QueueStore> &store)
{
    // One id for every attempt: the running one may still take an attempt
    // it did not answer in time.
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    for (;;) {
        const bool named = claim();
        if (!named && handOver(id, addresses))
            return 0;
        store = std::make_unique<QueueStore>();
        if (store->holdsList()) {
            // The one before ended meanwhile: its name is free now.
            if (!named)
                claim();
            return std::nullopt;
        }
        store.reset();
        if (named) {
            std::fputs("reelix: another Reelix, out of reach of this session, is using the "
                       "download list; close it and start again\n",
                       stderr);
            return 1;
        }
        std::fputs("reelix: the running Reelix does not answer; trying again\n", stderr);
        QThread::msleep(kRetryPauseMs);
    }
}

void InstanceGate::AddAddresses(const QStringList &addresses)
{
    emit addressesReceived(addresses);
}

void InstanceGate::HandOver(const QString &handOverId, const QStringList &addresses)
{
    if (m_handedOver.contains(handOverId))
        return;
    m_handedOver.insert(handOverId);
    emit addressesReceived(addresses);
}

void InstanceGate::AddAddressesAs(const QString &format, const QStringList &addresses)
{
    emit addressesReceivedAs(addresses, format);
}
