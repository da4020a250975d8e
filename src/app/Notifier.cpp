#include "Notifier.h"

#include "platform/UserDefaults.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>

namespace {

// The body is markup for the notification service: a title's "<img src=…>"
// or "&" is shown as written, never fetched or parsed.
QString markupEscaped(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString setting = QStringLiteral("notifications");

} // namespace

Notifier::Notifier(QDBusConnection bus, QObject *parent) : QObject(parent), m_bus(std::move(bus))
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(std::chrono::milliseconds(1500));
    connect(&m_gather, &QTimer::timeout, this, &Notifier::tell);
    // Only the notification service's own signals count: any program on the
    // session bus could send one. QtDBus matches the slot by its text: no
    // blank after the comma.
    // clang-format off
    m_bus.connect(service, path, service, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint,QString)));
    m_bus.connect(service, path, service, QStringLiteral("NotificationClosed"), this,
                  SLOT(onClosed(uint,uint)));
    // clang-format on
}

bool Notifier::isEnabled()
{
    return UserDefaults::value(setting).toBool() || UserDefaults::value(setting).isNull();
}

void Notifier::setEnabled(bool enabled)
{
    UserDefaults::setValue(setting, enabled);
}

void Notifier::itemEnded(const QString &title, const QString &filePath, const QString &error)
{
    if (!isEnabled())
        return;
    m_pending << Ended{title, filePath, error};
    if (!m_gather.isActive())
        m_gather.start();
}

void Notifier::tell()
{
    const QList<Ended> ended = std::exchange(m_pending, {});
    if (ended.size() == 1) {
        const Ended &e = ended.first();
        if (e.error.isEmpty())
            //% "Download finished"
            notify(qtTrId("notify.done"), e.title, e.filePath);
        else
            //% "Download failed"
            notify(qtTrId("notify.failed"), e.title + QStringLiteral("\n") + e.error, QString());
        return;
    }
    qsizetype failed = 0;
    QStringList titles;
    for (const Ended &e : ended) {
        failed += !e.error.isEmpty();
        titles << e.title;
    }
    const int finished = int(ended.size() - failed);
    const QString summary =
        //% "%n downloads finished"
        failed == 0 ? qtTrId("notify.many_done", finished)
                    //% "%n downloads finished, %L1 failed"
                    : qtTrId("notify.many_ended", finished).arg(failed);
    // "Show in folder" then shows the last file that was saved.
    QString lastFile;
    for (const Ended &e : ended)
        if (e.error.isEmpty() && !e.filePath.isEmpty())
            lastFile = e.filePath;
    notify(summary, titles.join(QStringLiteral("\n")), lastFile);
}

void Notifier::notify(const QString &summary, const QString &body, const QString &filePath)
{
    QStringList actions;
    if (!filePath.isEmpty())
        //% "Open"
        actions << QStringLiteral("open") << qtTrId("notify.open")
                << QStringLiteral("reveal")
                //% "Show in folder"
                << qtTrId("notify.reveal");
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    call << QStringLiteral("Reelix") << uint(0) << QStringLiteral("org.reelix.Reelix") << summary
         << markupEscaped(body) << actions
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.reelix.Reelix")}}
         << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, 3000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, filePath] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        // No notification service: the window's own list still tells.
        if (reply.isValid() && !filePath.isEmpty())
            m_fileOf.insert(reply.value(), filePath);
    });
}

void Notifier::onActionInvoked(uint id, const QString &action)
{
    const QString file = m_fileOf.value(id);
    // A file moved or deleted since is neither opened nor looked for.
    if (file.isEmpty() || !QFileInfo::exists(file))
        return;
    if (action == QStringLiteral("open"))
        emit openRequested(file);
    else if (action == QStringLiteral("reveal"))
        emit revealRequested(file);
}

void Notifier::onClosed(uint id, uint)
{
    m_fileOf.remove(id);
}
