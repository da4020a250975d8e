#include "FolderPortal.h"

#include "log/Logger.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QUuid>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// Once a portal did not answer, the app's chooser is used for the rest of the run.
bool &portalMissing()
{
    static bool missing = false;
    return missing;
}

} // namespace

void FolderPortal::choose(const QString &title, const QString &acceptLabel, const QUrl &current)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (portalMissing() || !bus.isConnected()) {
        QMetaObject::invokeMethod(this, &FolderPortal::unavailable, Qt::QueuedConnection);
        return;
    }
    // The answer comes on a request object whose path follows from our bus
    // name and a token: listen there before asking, so it cannot be missed.
    const QString token = QStringLiteral("reelix") + QUuid::createUuid().toString(QUuid::Id128);
    const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    if (!m_request.isEmpty())
        bus.disconnect(kService, m_request, kRequest, QStringLiteral("Response"), this,
                       SLOT(answer(uint, QVariantMap)));
    m_request = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                QLatin1Char('/') + token;
    bus.connect(kService, m_request, kRequest, QStringLiteral("Response"), this,
                SLOT(answer(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.FileChooser"), QStringLiteral("OpenFile"));
    const QVariantMap options{
        {QStringLiteral("handle_token"), token},
        {QStringLiteral("directory"), true},
        {QStringLiteral("modal"), true},
        {QStringLiteral("accept_label"), acceptLabel},
        // A path as bytes, ending in a zero byte.
        {QStringLiteral("current_folder"), QFile::encodeName(current.toLocalFile()) + '\0'}};
    call << QString() << title << options;
    // A short limit: a portal that is being started but never answers must
    // not leave the click without an answer.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->isError()) {
            Logger::shared().log(QStringLiteral("folder portal: ") + watcher->error().message());
            fail();
        }
    });
}

void FolderPortal::answer(uint response, const QVariantMap &results)
{
    QDBusConnection::sessionBus().disconnect(kService, m_request, kRequest,
                                             QStringLiteral("Response"), this,
                                             SLOT(answer(uint, QVariantMap)));
    m_request.clear();
    const QStringList uris = results.value(QStringLiteral("uris")).toStringList();
    if (response == 0 && !uris.isEmpty() && QUrl(uris.first()).isLocalFile())
        emit chosen(QUrl(uris.first()));
    else if (response == 1)
        emit cancelled();
    else
        fail();
}

void FolderPortal::fail()
{
    portalMissing() = true;
    QDBusConnection::sessionBus().disconnect(kService, m_request, kRequest,
                                             QStringLiteral("Response"), this,
                                             SLOT(answer(uint, QVariantMap)));
    m_request.clear();
    emit unavailable();
}
