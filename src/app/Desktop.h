#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <functional>

// What the views ask of the desktop: icons, the clipboard, revealing a file,
// and turning typed text into addresses.
class Desktop : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString iconFont READ iconFont CONSTANT)

public:
    using QObject::QObject;

    QString iconFont() const;
    Q_INVOKABLE QString glyph(const QString &symbol) const;
    // The clipboard's plain text, or an empty string when it holds none.
    Q_INVOKABLE QString clipboardText() const;
    Q_INVOKABLE bool clipboardHasText() const;
    // The first web address at the start of the clipboard's text, or an empty string.
    Q_INVOKABLE QString clipboardAddress() const;
    Q_INVOKABLE void copyText(const QString &text) const;
    Q_INVOKABLE QStringList addresses(const QString &text) const;
    // How many lines of the text hold something other than an address.
    Q_INVOKABLE int nonAddressLines(const QString &text) const;
    // Shows the file selected in the file manager (Linux: FileManager1 over
    // D-Bus, else the folder is opened; macOS: `open -R`). Nothing to show
    // it with: failed().
    Q_INVOKABLE void reveal(const QString &path);
    // Opens the file in the application the desktop chooses for it; false
    // (and failed()) when none could.
    Q_INVOKABLE bool open(const QString &path);
    // Opens a web page (http or https only) in the desktop's browser.
    Q_INVOKABLE bool openSite(const QString &address);
    // Moves a finished download to the trash, or deletes it where there is
    // no trash; false (and failed()) when the file stays.
    Q_INVOKABLE bool deleteFile(const QString &path);
    Q_INVOKABLE QString fileName(const QString &path) const;
    // A key sequence as the platform writes it in menus ("Ctrl+Shift+L").
    Q_INVOKABLE QString shortcutText(const QVariant &sequence) const;
    // A byte count as the views show it ("240.5 MB", in the user's locale).
    Q_INVOKABLE QString dataSize(double bytes) const;

    // Stands in for the desktop's file manager and applications: takes
    // "open", "reveal" or "site" and the path or address, answers whether it worked.
    using Handler = std::function<bool(const QString &action, const QString &path)>;
    static void setHandler(Handler handler);

signals:
    // What the desktop could not do with `path`: "open", "reveal" or "delete".
    void failed(const QString &action, const QString &path);
};
