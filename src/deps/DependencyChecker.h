#pragma once

#include "Dependency.h"

#include <QCoro/QCoroTask>

#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;
struct InstallError;

// Owns the three tool records (yt-dlp, ffmpeg, Node.js, always in that order)
// and publishes the installer's state to the setup view.
class DependencyChecker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString logOutput READ logOutput NOTIFY logOutputChanged)
    Q_PROPERTY(bool isInstalling READ isInstalling NOTIFY isInstallingChanged)
    Q_PROPERTY(bool isCheckingUpdates READ isCheckingUpdates NOTIFY isCheckingUpdatesChanged)
    Q_PROPERTY(QString currentStep READ currentStep NOTIFY currentStepChanged)
    Q_PROPERTY(Dependency *ytdlp READ ytdlp CONSTANT)
    Q_PROPERTY(Dependency *ffmpeg READ ffmpeg CONSTANT)
    Q_PROPERTY(Dependency *node READ node CONSTANT)
    Q_PROPERTY(bool hasUpdates READ hasUpdates NOTIFY statusesChanged)
    Q_PROPERTY(bool allReady READ allReady NOTIFY statusesChanged)
    Q_PROPERTY(bool isAnyUpdating READ isAnyUpdating NOTIFY statusesChanged)
    Q_PROPERTY(bool hasFailure READ hasFailure NOTIFY statusesChanged)

public:
    explicit DependencyChecker(QObject *parent = nullptr);

    QString logOutput() const { return m_logOutput; }
    bool isInstalling() const { return m_isInstalling; }
    bool isCheckingUpdates() const { return m_isCheckingUpdates; }
    QString currentStep() const { return m_currentStep; }
    Dependency *ytdlp() const { return m_ytdlp; }
    Dependency *ffmpeg() const { return m_ffmpeg; }
    Dependency *node() const { return m_node; }
    QList<Dependency *> tools() const { return {m_ytdlp, m_ffmpeg, m_node}; }

    bool hasUpdates() const;
    bool allReady() const;
    bool isAnyUpdating() const;
    bool hasFailure() const;

    static QString toolPath(const Dependency *tool);

    // Marks each tool `checking` and tests the three files in the background.
    Q_INVOKABLE void checkInstalled();
    QCoro::Task<> checkExecutable(Dependency *tool, QString path);

    // Version checks: the three run at once; each sets its tool's status.
    QCoro::Task<> checkForUpdates();
    QCoro::Task<> checkYtdlpVersion();
    QCoro::Task<> checkFfmpegVersion();
    QCoro::Task<> checkNodeVersion();
    QCoro::Task<QString> runCommand(QString path, QStringList arguments);
    QCoro::Task<std::optional<QString>> latestReleaseTag(QString owner, QString repo);
    QCoro::Task<std::optional<QString>> latestFfmpegVersion();
    QCoro::Task<std::optional<QString>> latestNodeLTSVersion();

    // Installation: one tool after another, stopping at the first failure.
    QCoro::Task<> installAll();
    QCoro::Task<> updateAll();
    void reportProgress(double fraction, Dependency *tool);

    struct Download
    {
        std::optional<QString> path; // the downloaded file, owned by the caller
        QString error;               // why there is none
    };
    QCoro::Task<Download> downloadFile(QUrl url, std::function<void(double)> onProgress);

    // Fire-and-forget entry points for the views.
    Q_INVOKABLE void requestUpdateCheck() { checkForUpdates(); }
    Q_INVOKABLE void requestInstall() { installAll(); }
    Q_INVOKABLE void requestUpdate() { updateAll(); }

    static constexpr const char *nodeSetupVersion = "22.20.0";

    // Set by the shell; the setup view calls it when the user leaves setup.
    std::function<void()> onComplete = [] {};
    Q_INVOKABLE void complete() { onComplete(); }

    void setLogOutput(const QString &value);
    void appendLog(const QString &line);
    void setIsInstalling(bool value);
    void setIsCheckingUpdates(bool value);
    void setCurrentStep(const QString &value);

signals:
    void logOutputChanged();
    void isInstallingChanged();
    void isCheckingUpdatesChanged();
    void currentStepChanged();
    void statusesChanged();

private:
    enum class Placement
    {
        Executable,
        FfmpegArchive,
        NodeArchive
    };
    struct Source
    {
        QString address;
        Placement placement;
        const char *setupStep;  // step key during first-time setup
        const char *updateStep; // step key during an update
    };
    Source sourceFor(const Dependency *tool, const QString &nodeVersion) const;
    QCoro::Task<bool> installTool(Dependency *tool, QString address, QString destination,
                                  Placement placement);
    QCoro::Task<std::optional<QByteArray>> fetch(QUrl url, QByteArray accept);
    QNetworkAccessManager *network();

    template <typename Predicate> bool any(Predicate predicate) const;

    QString m_logOutput;
    bool m_isInstalling = false;
    bool m_isCheckingUpdates = false;
    QString m_currentStep;
    Dependency *m_ytdlp;
    Dependency *m_ffmpeg;
    Dependency *m_node;
    QNetworkAccessManager *m_network = nullptr;
};
