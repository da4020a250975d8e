#include "Desktop.h"

#include "Icons.h"

#include "engine/AddressText.h"
#include "engine/SizeText.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
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

bool Desktop::openSite(const QString &address)
{
    // The address came from a page or the user: nothing but a web page is opened.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return false;
    return handler() ? handler()(QStringLiteral("site"), url.toString())
                     : QDesktopServices::openUrl(url);
}

namespace {

// Whether `trashed` lies in a trash's "files" folder ("…/Trash/files/NAME" or
// "…/.Trash-UID/files/NAME").
bool inTrash(const QString &trashed)
{
    const QDir files = QFileInfo(trashed).dir();
    const QString trash = QFileInfo(files.absolutePath()).dir().dirName();
    return files.dirName() == QLatin1String("files") &&
           (trash == QLatin1String("Trash") || trash.startsWith(QLatin1String(".Trash")));
}

// Qt may "trash" a file into a files/ and info/ pair in the current folder
// when it finds no trash: such a file is deleted for good, and the pair removed.
bool trashOrRemove(const QString &path)
{
    QFile file(path);
    if (!file.moveToTrash())
        return QFile::remove(path);
    const QString trashed = file.fileName();
    if (inTrash(trashed))
        return true;
    const QDir files = QFileInfo(trashed).dir();
    const QString info = QDir::cleanPath(files.absoluteFilePath(QStringLiteral("../info")));
    QFile::remove(info + QLatin1Char('/') + QFileInfo(trashed).fileName() +
                  QStringLiteral(".trashinfo"));
    const bool removed = QFile::remove(trashed);
    QDir().rmdir(info);
    QDir().rmdir(files.absolutePath());
    return removed;
}

} // namespace

bool Desktop::deleteFile(const QString &path)
{
    // A rename into the trash folder: quick, and the user can take it back.
    const bool ok = !path.isEmpty() && trashOrRemove(path);
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
