#include "ColorScheme.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");
const QString readOne = QStringLiteral("ReadOne");
const QString readAll = QStringLiteral("Read"); // every version of the portal
constexpr uint prefersLight = 2;

// Read wraps the value in one variant more than ReadOne does; both are
// unwrapped to the number.
QVariant unwrapped(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

ColorScheme::ColorScheme(QObject *parent) : ColorScheme(QDBusConnection::sessionBus(), parent) {}

ColorScheme::ColorScheme(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    const QByteArray chosen = qgetenv("REELIX_COLOR_SCHEME");
    if (chosen == "light" || chosen == "dark") {
        m_dark = chosen == "dark";
        return;
    }
    if (!m_bus.isConnected())
        return;
    // Any sender on the portal's path: naming the service would make QtDBus
    // look up its owner with a call that waits.
    m_bus.connect(QString(), path, interface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QDBusMessage)));
    ask(readOne);
}

void ColorScheme::ask(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call << appearance << colorSchemeKey;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher *w) { answered(w, method); });
}

void ColorScheme::answered(QDBusPendingCallWatcher *watcher, const QString &method)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *watcher;
    if (!reply.isError()) {
        take(reply.value().variant());
        return;
    }
    // Portals before version 2 have no ReadOne.
    if (method == readOne && reply.error().type() == QDBusError::UnknownMethod)
        ask(readAll);
}

void ColorScheme::settingChanged(const QDBusMessage &message)
{
    const QVariantList args = message.arguments();
    if (args.size() == 3 && args[0].toString() == appearance &&
        args[1].toString() == colorSchemeKey)
        take(args[2]);
}

void ColorScheme::take(const QVariant &value)
{
    bool ok = false;
    const uint scheme = unwrapped(value).toUInt(&ok);
    const bool dark = !ok || scheme != prefersLight;
    if (dark == m_dark)
        return;
    m_dark = dark;
    emit darkChanged();
}
