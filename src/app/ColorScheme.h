#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class QDBusPendingCallWatcher;

// Whether the window is dark or light, as the desktop prefers: the
// freedesktop settings portal's org.freedesktop.appearance color-scheme,
// asked without waiting and followed while the app runs. Dark until the
// portal answers, and when it has no preference or does not answer.
// REELIX_COLOR_SCHEME=light or dark decides instead (tests, screenshots).
class ColorScheme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool dark READ dark NOTIFY darkChanged)

public:
    // The session bus; tests hand a private one.
    explicit ColorScheme(QObject *parent = nullptr);
    explicit ColorScheme(const QDBusConnection &bus, QObject *parent = nullptr);

    bool dark() const { return m_dark; }

signals:
    void darkChanged();

private slots:
    // SettingChanged(namespace, key, value), taken whole: its value is a variant.
    void settingChanged(const QDBusMessage &message);

private:
    void ask(const QString &method);
    void answered(QDBusPendingCallWatcher *watcher, const QString &method);
    // The portal's number: 1 prefers dark, 2 prefers light, 0 no preference.
    void take(const QVariant &value);

    QDBusConnection m_bus;
    bool m_dark = true;
};
