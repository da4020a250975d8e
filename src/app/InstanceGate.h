#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>

class QueueStore;

// One Reelix window per session: the first instance owns a name on the
// session bus, and a later one hands its addresses to it and ends.
class InstanceGate : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.reelix.Reelix")

public:
    using QObject::QObject;

    // Takes the name; false when another instance holds it. Without a
    // session bus every instance is the only one.
    bool claim();
    // Gives `addresses` to the instance that holds the name; true when it
    // took them. Attempts with the same `handOverId` add them once.
    static bool handOver(const QString &handOverId, const QStringList &addresses);
    // Makes this process the one Reelix on the saved list (`store` then
    // holds it), or hands `addresses` to the one that is. Only one process
    // at a time holds the list: while the running one holds it without
    // answering, the hand-over is tried again. The exit code when this
    // process is to end.
    std::optional<int> settle(const QStringList &addresses, std::unique_ptr<QueueStore> &store);

public slots:
    Q_SCRIPTABLE void AddAddresses(const QStringList &addresses);
    Q_SCRIPTABLE void HandOver(const QString &handOverId, const QStringList &addresses);
    // From the browser: `format` is "video", "audio" or "" for the default choice.
    Q_SCRIPTABLE void AddAddressesAs(const QString &format, const QStringList &addresses);

signals:
    void addressesReceived(const QStringList &addresses);
    void addressesReceivedAs(const QStringList &addresses, const QString &format);

private:
    QSet<QString> m_handedOver;
};
