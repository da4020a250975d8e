#include "LogViewer.h"

#include "engine/SizeText.h"
#include "log/Logger.h"
#include "platform/PlatformProfile.h"
#include "platform/UserDefaults.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

LogViewer::LogViewer(QObject *parent) : QObject(parent)
{
    m_enabled = UserDefaults::boolValue(QStringLiteral("debugLogging"));
    m_timer.setInterval(refreshInterval);
    connect(&m_timer, &QTimer::timeout, this, &LogViewer::reloadLog);
}

void LogViewer::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    UserDefaults::setValue(QStringLiteral("debugLogging"), enabled);
    emit isEnabledChanged();
    updateTimer();
}

void LogViewer::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit activeChanged();
    if (active) {
        m_seenSize = -1; // shown again: read whatever is there
        reloadLog();
    }
    updateTimer();
}

void LogViewer::updateTimer()
{
    if (m_active && m_enabled)
        m_timer.start();
    else
        m_timer.stop();
}

QString LogViewer::displayText(const QByteArray &tail, qint64 fileSize, bool *truncated)
{
    *truncated = fileSize > tail.size();
    if (!*truncated)
        return tail.isValidUtf8() ? QString::fromUtf8(tail) : QString();
    // Start at a line boundary inside the tail.
    const qsizetype lineStart = tail.indexOf('\n');
    const QByteArray lines = lineStart >= 0 ? tail.mid(lineStart + 1) : tail;
    if (!lines.isValidUtf8())
        return QString();
    //% "… Earlier lines are in the file (Folder button) — %1 in all"
    return qtTrId("log.earlier_lines").arg(sizeText(fileSize)) + QLatin1Char('\n') +
           QString::fromUtf8(lines);
}

void LogViewer::reloadLog()
{
    const QString path = Logger::shared().filePath();
    const QFileInfo info(path);
    const qint64 size = info.exists() ? info.size() : -2;
    const QDateTime modified = info.lastModified();
    if (size == m_seenSize && modified == m_seenModified)
        return; // unchanged: no read, no redraw
    m_seenSize = size;
    m_seenModified = modified;
    // Only the end of a long log is read and shown: laying out megabytes of
    // text would stall the window at every refresh.
    QFile file(path);
    QByteArray tail;
    qint64 fileSize = 0;
    if (file.open(QIODevice::ReadOnly)) {
        fileSize = file.size();
        if (fileSize > shownBytes)
            file.seek(fileSize - shownBytes);
        tail = file.readAll();
        fileSize = std::max(fileSize, file.pos());
    }
    bool truncated = false;
    const QString text = displayText(tail, fileSize, &truncated);
    setText(text, truncated);
}

void LogViewer::setText(const QString &text, bool truncated)
{
    if (text == m_text && truncated == m_truncated)
        return;
    m_text = text;
    m_truncated = truncated;
    emit logTextChanged();
}

QString LogViewer::fullText() const
{
    if (!m_truncated)
        return m_text;
    QFile file(Logger::shared().filePath());
    if (!file.open(QIODevice::ReadOnly))
        return m_text;
    const QByteArray bytes = file.readAll();
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString();
}

void LogViewer::copyLog()
{
    QGuiApplication::clipboard()->setText(fullText());
    m_copied = true;
    emit copiedChanged();
    QTimer::singleShot(copiedFeedback, this, [this] {
        m_copied = false;
        emit copiedChanged();
    });
}

void LogViewer::clearLog()
{
    Logger::shared().clear();
    // The writer only has short appends queued; after this the file is empty
    // for the next reload.
    Logger::shared().waitUntilWritten();
    m_seenSize = -1;
    setText(QString(), false);
}

void LogViewer::openLogFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(PlatformProfile::current().logDirectory()));
}
