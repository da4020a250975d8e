#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QTimer>

// Desktop notifications (freedesktop Notifications over D-Bus) for downloads
// that end while the window is not in front: one per item, with "Open" and
// "Show in folder", or one summary when several end together. The setting
// "notifications" (on unless set to false) turns them off.
class Notifier : public QObject
{
    Q_OBJECT

public:
    explicit Notifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                      QObject *parent = nullptr);

    static bool isEnabled();
    static void setEnabled(bool enabled);

    // An item ended: done with its file, or failed with its message.
    void itemEnded(const QString &title, const QString &filePath, const QString &error);
    // What ended within this long of the first is told in one notification.
    void setGatherTime(std::chrono::milliseconds time) { m_gather.setInterval(time); }

signals:
    void openRequested(const QString &path);
    void revealRequested(const QString &path);

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    struct Ended
    {
        QString title;
        QString filePath;
        QString error;
    };

    void tell();
    void notify(const QString &summary, const QString &body, const QString &filePath);

    QDBusConnection m_bus;
    QTimer m_gather;
    QList<Ended> m_pending;
    QHash<uint, QString> m_fileOf; // notification id → the file its actions act on
};
