#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// What the folder picker asks of the file system: where to start, the
// folder above, and a new folder made inside the one shown.
class FolderMaker : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The folder itself when it exists, else its nearest existing parent
    // (the download folder is made only by the first download).
    Q_INVOKABLE QUrl existingFolder(const QUrl &folder) const;
    // The folder above, or the folder itself at the root.
    Q_INVOKABLE QUrl parentOf(const QUrl &folder) const;
    Q_INVOKABLE bool isRoot(const QUrl &folder) const;
    // The path as shown to people: the home folder written "~".
    Q_INVOKABLE QString displayPath(const QUrl &folder) const;
    Q_INVOKABLE QUrl childOf(const QUrl &folder, const QString &name) const;
    // Makes `name` inside `parent`: an empty string when it was made, else
    // why not, in words.
    Q_INVOKABLE QString create(const QUrl &parent, const QString &name) const;
    // The same check without touching the disk: why `name` cannot be made
    // in `parent`, or an empty string.
    static QString problemWith(const QString &parent, const QString &name);
};
