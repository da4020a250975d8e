#include "Desktop.h"

#include "Icons.h"

#include "engine/AddressText.h"
#include "engine/SizeText.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

QString Desktop::iconFont() const
{
    return QString::fromLatin1(Icons::fontFamily);
}

QString Desktop::glyph(const QString &symbol) const
{
    return Icons::glyph(symbol);
}

bool Desktop::clipboardHasText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString Desktop::clipboardText() const
{
    return clipboardHasText() ? QGuiApplication::clipboard()->text() : QString();
}

QString Desktop::clipboardAddress() const
{
    return firstWebAddress(clipboardText());
}

QStringList Desktop::addresses(const QString &text) const
{
    return addressesFromText(text);
}

int Desktop::nonAddressLines(const QString &text) const
{
    return ::nonAddressLines(text);
}

QString Desktop::fileName(const QString &path) const
{
    return QFileInfo(path).fileName();
}

namespace {

Desktop::Handler &handler()
{
    static Desktop::Handler h;
    return h;
}

} // namespace

void Desktop::setHandler(Handler h)
{
    handler() = std::move(h);
}

void Desktop::reveal(const QString &path)
{
    if (path.isEmpty())
        return;
    const auto tell = [this, path](bool ok) {
        if (!ok)
            emit failed(QStringLiteral("reveal"), path);
    };
    if (handler()) {
        tell(handler()(QStringLiteral("reveal"), path));
        return;
    }
#ifdef Q_OS_MACOS
    tell(QProcess::startDetached(QStringLiteral("/usr/bin/open"), {QStringLiteral("-R"), path}));
#else
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    // Asynchronous: a file manager that is slow to answer never blocks the window.
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 3000), this);
    const QString folder = QFileInfo(path).path();
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, folder, tell] {
        if (watcher->isError())
            tell(QDesktopServices::openUrl(QUrl::fromLocalFile(folder)));
        watcher->deleteLater();
    });
#endif
}

bool Desktop::open(const QString &path)
{
    if (path.isEmpty())
        return false;
    const bool ok = handler() ? handler()(QStringLiteral("open"), path)
                              : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!ok)
        emit failed(QStringLiteral("open"), path);
    return ok;
}

bool Desktop::deleteFile(const QString &path)
{
    // A rename into the trash folder: quick, and the user can take it back.
    QFile file(path);
    const bool ok = !path.isEmpty() && (file.moveToTrash() || file.remove());
    if (!ok)
        emit failed(QStringLiteral("delete"), path);
    return ok;
}

QString Desktop::shortcutText(const QVariant &sequence) const
{
    return QKeySequence(sequence.toString()).toString(QKeySequence::NativeText);
}

QString Desktop::dataSize(double bytes) const
{
    return sizeText(qint64(bytes));
}

void Desktop::copyText(const QString &text) const
{
    QGuiApplication::clipboard()->setText(text);
}
