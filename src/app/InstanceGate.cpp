#include "InstanceGate.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {
const QString kService = QStringLiteral("org.reelix.Reelix");
const QString kPath = QStringLiteral("/org/reelix/Reelix");
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

bool InstanceGate::handOver(const QStringList &addresses)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("AddAddresses"));
    call << addresses;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 10000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void InstanceGate::AddAddresses(const QStringList &addresses)
{
    emit addressesReceived(addresses);
}
