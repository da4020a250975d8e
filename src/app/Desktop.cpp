#include "Desktop.h"

#include "Icons.h"

#include "engine/AddressText.h"
#include "engine/SizeText.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
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

void Desktop::reveal(const QString &path) const
{
    if (path.isEmpty())
        return;
#ifdef Q_OS_MACOS
    QProcess::startDetached(QStringLiteral("/usr/bin/open"), {QStringLiteral("-R"), path});
#else
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    // Asynchronous: a file manager that is slow to answer never blocks the window.
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 3000));
    const QString folder = QFileInfo(path).path();
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, folder] {
        if (watcher->isError())
            QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        watcher->deleteLater();
    });
#endif
}

void Desktop::open(const QString &path) const
{
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
