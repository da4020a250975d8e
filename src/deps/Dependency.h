#pragma once

#include "DepStatus.h"
#include "ToolRecord.h"

#include <QObject>

// A copy of a tool found outside our tool folder.
struct SystemTool
{
    QString path;
    QString version;
    bool tooOld = false;
    friend bool operator==(const SystemTool &, const SystemTool &) = default;
};

// One tool record: its fixed name, description and icon, and its live state.
class Dependency : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString description READ description CONSTANT)
    Q_PROPERTY(QString icon READ icon CONSTANT)
    Q_PROPERTY(DepStatus status READ status NOTIFY statusChanged)
    // The status's case and values, flat for the views.
    Q_PROPERTY(DepState::Kind kind READ kind NOTIFY statusChanged)
    Q_PROPERTY(double fraction READ fraction NOTIFY statusChanged)
    Q_PROPERTY(QString version READ version NOTIFY statusChanged)
    Q_PROPERTY(QString installedVersion READ installedVersion NOTIFY statusChanged)
    Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY statusChanged)
    Q_PROPERTY(QString failureMessage READ failureMessage NOTIFY statusChanged)
    Q_PROPERTY(QString uncheckedReason READ uncheckedReason NOTIFY statusChanged)
    // How the installed download was checked ("sha256", "md5", "not
    // verifiable", "not verified"), and whether a previous version is kept.
    Q_PROPERTY(QString verification READ verificationName NOTIFY recordChanged)
    Q_PROPERTY(bool verified READ verified NOTIFY recordChanged)
    Q_PROPERTY(bool hasPrevious READ hasPrevious NOTIFY recordChanged)
    // The system's copy the engine falls back to while ours is missing
    // (empty path: none, or ours is there), and whether it is an old yt-dlp.
    Q_PROPERTY(QString systemPath READ systemPath NOTIFY systemToolChanged)
    Q_PROPERTY(QString systemVersion READ systemVersion NOTIFY systemToolChanged)
    Q_PROPERTY(bool systemTooOld READ systemTooOld NOTIFY systemToolChanged)

public:
    Dependency(const QString &name, const QString &description, const QString &icon,
               const QString &fileName, QObject *parent = nullptr);

    QString name() const { return m_name; }
    QString description() const { return m_description; }
    QString icon() const { return m_icon; }
    QString fileName() const { return m_fileName; } // its file in the tool folder
    DepStatus status() const { return m_status; }
    DepState::Kind kind() const { return m_status.kind(); }
    double fraction() const { return m_status.fraction(); }
    QString version() const { return m_status.version(); }
    QString installedVersion() const { return m_status.installed(); }
    QString latestVersion() const { return m_status.latest(); }
    QString failureMessage() const
    {
        return m_status.kind() == DepStatus::Kind::Failed ? m_status.message() : QString();
    }
    QString uncheckedReason() const
    {
        return m_status.kind() == DepStatus::Kind::Unchecked ? m_status.message() : QString();
    }

    void setStatus(const DepStatus &status);

    ToolRecord::State record() const { return m_record; }
    QString verificationName() const { return ToolRecord::verificationName(m_record.verification); }
    bool verified() const
    {
        return m_record.verification == ToolRecord::Verification::Sha256 ||
               m_record.verification == ToolRecord::Verification::Md5;
    }
    bool hasPrevious() const { return m_record.hasPrevious; }
    void setRecord(const ToolRecord::State &record);

    QString systemPath() const { return m_systemTool.path; }
    QString systemVersion() const { return m_systemTool.version; }
    bool systemTooOld() const { return m_systemTool.tooOld; }
    void setSystemTool(const SystemTool &found);

signals:
    void statusChanged();
    void recordChanged();
    void systemToolChanged();

private:
    const QString m_name;
    const QString m_description;
    const QString m_icon;
    const QString m_fileName;
    DepStatus m_status;
    ToolRecord::State m_record;
    SystemTool m_systemTool;
};
