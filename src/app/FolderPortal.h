#pragma once

#include <QObject>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The desktop's own folder chooser, asked through the desktop portal
// (org.freedesktop.portal.FileChooser over the session bus). Where no portal
// answers, unavailable() tells the view to use the app's own chooser.
class FolderPortal : public QObject
{
    Q_OBJECT
    QML_ELEMENT

public:
    using QObject::QObject;

    // Opens the chooser at `current`; one of chosen, cancelled or unavailable follows.
    Q_INVOKABLE void choose(const QString &title, const QString &acceptLabel, const QUrl &current);

signals:
    void chosen(const QUrl &folder);
    void cancelled();
    void unavailable();

private slots:
    void answer(uint response, const QVariantMap &results);

private:
    void fail();

    QString m_request; // the portal's request object the answer comes from
};
