#pragma once

#include <QObject>
#include <QStringList>

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
    // Gives `addresses` to the instance that holds the name; true when it took them.
    static bool handOver(const QStringList &addresses);

public slots:
    Q_SCRIPTABLE void AddAddresses(const QStringList &addresses);

signals:
    void addressesReceived(const QStringList &addresses);
};
