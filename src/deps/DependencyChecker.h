#pragma once

#include "Dependency.h"

#include <QCoro/QCoroTask>

#include <functional>

// Owns the three tool records (yt-dlp, ffmpeg, Node.js, always in that order)
// and publishes the installer's state to the setup view.
class DependencyChecker : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the application")
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

    // Our own tool folder; created whenever it is asked for.
    static QString binDirectory();
    static QString toolPath(const Dependency *tool);

    // Marks each tool `checking` and tests the three files in the background.
    Q_INVOKABLE void checkInstalled();
    QCoro::Task<> checkExecutable(Dependency *tool, QString path);

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
    template <typename Predicate> bool any(Predicate predicate) const;

    QString m_logOutput;
    bool m_isInstalling = false;
    bool m_isCheckingUpdates = false;
    QString m_currentStep;
    Dependency *m_ytdlp;
    Dependency *m_ffmpeg;
    Dependency *m_node;
};
