#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <QtQml/qqmlregistration.h>
#include <chrono>

// The log window's model: the switch bound to "debugLogging", the text of
// the log file, refreshed every 1.5 s while logging is on. A long log shows
// its most recent part only (with a first line saying so): laying out tens
// of megabytes of text would freeze the window.
class LogViewer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool isEnabled READ isEnabled WRITE setEnabled NOTIFY isEnabledChanged)
    Q_PROPERTY(QString logText READ logText NOTIFY logTextChanged)
    Q_PROPERTY(bool copied READ copied NOTIFY copiedChanged)
    Q_PROPERTY(bool truncated READ truncated NOTIFY logTextChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)

public:
    static constexpr qint64 shownBytes = 48 * 1024;
    static constexpr std::chrono::milliseconds refreshInterval{1500};
    static constexpr std::chrono::milliseconds copiedFeedback{2000};

    explicit LogViewer(QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString logText() const { return m_text; }
    bool copied() const { return m_copied; }
    bool truncated() const { return m_truncated; }
    // The window is shown: reload now, and refresh while logging is on.
    bool active() const { return m_active; }
    void setActive(bool active);
    bool isRefreshing() const { return m_timer.isActive(); }

    Q_INVOKABLE void reloadLog();
    Q_INVOKABLE void copyLog();
    Q_INVOKABLE void clearLog();
    Q_INVOKABLE void openLogFolder();
    // The whole file, for copying (the view may show only its end).
    QString fullText() const;

    // Text for the view from the end of a file of `fileSize` bytes whose last
    // `tail` bytes are given: all of it, or its last lines after a notice.
    static QString displayText(const QByteArray &tail, qint64 fileSize, bool *truncated);

signals:
    void isEnabledChanged();
    void logTextChanged();
    void copiedChanged();
    void activeChanged();

private:
    void updateTimer();
    void setText(const QString &text, bool truncated);

    bool m_enabled = false;
    bool m_active = false;
    bool m_copied = false;
    bool m_truncated = false;
    QString m_text;
    QTimer m_timer;
    // What the last read saw, so an unchanged file is not read again.
    qint64 m_seenSize = -1;
    QDateTime m_seenModified;
};
