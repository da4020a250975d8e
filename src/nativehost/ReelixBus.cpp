#include "ReelixBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.reelix.Reelix");
const QString kPath = QStringLiteral("/org/reelix/Reelix");
// A first start loads the saved list and the QML before it takes its name.
constexpr int kStartMs = 60000;
constexpr int kAnswerMs = 10000;

HostRefusal refusal(const char *code, const QString &message)
{
    return {QString::fromLatin1(code), message};
}

// The window, by absolute path beside this program: never a name looked up
// in PATH, never a shell. Its output must not reach the browser's pipe.
std::optional<HostRefusal> startReelix(QDBusConnection &bus)
{
    const QString app =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("reelix"));
    if (!QFileInfo(app).isExecutable())
        return refusal("no-reelix", QStringLiteral("Reelix is not installed beside the host"));
    QDBusServiceWatcher watcher(kService, bus, QDBusServiceWatcher::WatchForRegistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop, &QEventLoop::quit);
    QTimer::singleShot(kStartMs, &loop, &QEventLoop::quit);
    QProcess process;
    process.setProgram(app);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached())
        return refusal("no-reelix", QStringLiteral("Reelix could not be started"));
    // It may have taken the name between the check and the watch.
    if (!bus.interface()->isServiceRegistered(kService))
        loop.exec();
    if (!bus.interface()->isServiceRegistered(kService))
        return refusal("no-reelix", QStringLiteral("Reelix did not start in time"));
    return std::nullopt;
}

} // namespace

namespace ReelixBus {

std::optional<HostRefusal> deliver(const HostRequest &request)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return refusal("no-reelix", QStringLiteral("no session bus to reach Reelix"));
    if (!bus.interface()->isServiceRegistered(kService)) {
        if (auto failed = startReelix(bus))
            return failed;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("AddAddressesAs"));
    call << request.format << request.addresses;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kAnswerMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return refusal("no-reelix",
                       QStringLiteral("Reelix did not answer: ") + reply.errorMessage());
    return std::nullopt;
}

} // namespace ReelixBus
