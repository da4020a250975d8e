#pragma once

#include "Notifier.h"
#include "deps/DependencyChecker.h"

#include "engine/DownloadManager.h"
#include "store/QueueStore.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <QCoro/QCoroTask>

#include <memory>

// The application shell: owns the tool checker and the download list for the
// whole run (the list outlives its view while setup and updates are shown) and
// decides what the main window shows (placeholder, setup and updates, downloads).
class ReelixApp : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by main()")
    Q_PROPERTY(DependencyChecker *checker READ checker CONSTANT)
    Q_PROPERTY(DownloadManager *manager READ manager CONSTANT)
    // The list kept on disk and the history; null when the list is not kept.
    Q_PROPERTY(QueueStore *store READ store CONSTANT)
    Q_PROPERTY(View view READ view NOTIFY viewChanged)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString updateSummary READ updateSummary NOTIFY updateSummaryChanged)
    // Whether the window is in front: downloads that end meanwhile are not notified.
    Q_PROPERTY(bool windowActive MEMBER m_windowActive)
    Q_PROPERTY(bool notificationsEnabled READ notificationsEnabled WRITE setNotificationsEnabled
                   NOTIFY notificationsEnabledChanged)
    // Whether a new web address in the clipboard is offered when the window comes to front.
    Q_PROPERTY(bool clipboardOffers READ clipboardOffers WRITE setClipboardOffers NOTIFY
                   clipboardOffersChanged)

public:
    enum class View
    {
        Placeholder,
        Setup,
        Main
    };
    Q_ENUM(View)

    // `checker` replaces the real one (the screenshot tool stages its states).
    // `store` (made before the shell, so that its items' working folders are
    // claimed before the list tidies its folder) fills the list and keeps it.
    explicit ReelixApp(std::unique_ptr<DependencyChecker> checker = {}, QueueStore *store = nullptr,
                       QObject *parent = nullptr);
    ~ReelixApp() override;

    DependencyChecker *checker() { return m_checker.get(); }
    DownloadManager *manager() { return &m_manager; }
    QueueStore *store() { return m_store; }
    // Addresses from the command line or another instance, added as the Add button does;
    // `format` "video" or "audio" overrides the default choice (from the browser).
    Q_INVOKABLE void addAddresses(const QStringList &addresses, const QString &format = {});
    View view() const { return m_view; }
    QString version() const;
    QString updateSummary() const { return updateSummary(*m_checker); }
    // "yt-dlp 1 → 2   ·   Node.js v1 → v2" for the tools with an update.
    static QString updateSummary(const DependencyChecker &checker);

    // Prepares the certificate bundle in the background and tests the three
    // tool files off the GUI thread; then shows setup or the main view.
    Q_INVOKABLE void performStartupCheck();
    QCoro::Task<> startupCheck();
    // The menu command and the banner button: back to setup and updates.
    Q_INVOKABLE void showUpdates();
    // Setup and updates left by "open", "skip" or the system's tools: the downloads.
    Q_INVOKABLE void leaveSetup();
    // The downloads whose tools are running (information, download or conversion).
    Q_INVOKABLE int runningDownloads() const;
    // Stops them; their rows stay, cancelled.
    Q_INVOKABLE void stopDownloads();
    Q_INVOKABLE void requestLogWindow() { emit logWindowRequested(); }

    bool notificationsEnabled() const { return Notifier::isEnabled(); }
    void setNotificationsEnabled(bool enabled);
    bool clipboardOffers() const;
    void setClipboardOffers(bool enabled);

signals:
    void notificationsEnabledChanged();
    void clipboardOffersChanged();
    void viewChanged();
    void updateSummaryChanged();
    void logWindowRequested();
    // Another instance handed addresses over: the window comes to front.
    void raiseRequested();

private:
    void setView(View view);
    void tellIfEnded(DownloadItem *item);

    std::unique_ptr<DependencyChecker> m_checker;
    DownloadManager m_manager;
    QueueStore *m_store = nullptr;
    Notifier m_notifier;
    View m_view = View::Placeholder;
    bool m_startupChecked = false;
    bool m_windowActive = true;
};
