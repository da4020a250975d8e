#pragma once

#include "doctor/CheckResult.h"
#include "doctor/DoctorSettings.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <QCoro/QCoroTask>

#include <optional>

// Help ▸ "Check my setup": runs the setup check away from the window's
// work, and holds its lines and the report a user can paste.
class SetupCheck : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // One map per check: id, level ("ok", "warning", "problem"), summary,
    // todo, action (as the JSON names it) and actionLabel.
    Q_PROPERTY(QVariantList lines READ lines NOTIFY linesChanged)
    Q_PROPERTY(int problems READ problems NOTIFY linesChanged)
    Q_PROPERTY(int warnings READ warnings NOTIFY linesChanged)

public:
    explicit SetupCheck(QObject *parent = nullptr);

    bool running() const { return m_running; }
    QVariantList lines() const;
    int problems() const { return count(CheckResult::Level::Problem); }
    int warnings() const { return count(CheckResult::Level::Warning); }

    // Runs every check again; nothing happens while a run goes on.
    Q_INVOKABLE void start();
    // The report, with the home folder, passwords and addresses cleaned.
    Q_INVOKABLE QString report() const;

    // What the checks look at instead of this system's (tests); unset, each
    // run asks the system again, so a folder chosen meanwhile counts.
    void useSettings(std::optional<DoctorSettings> settings) { m_settings = std::move(settings); }
    // Shows `results` as if a run had found them (the screenshot tool).
    void showResults(const CheckResults &results, qint64 elapsedMs);

signals:
    void runningChanged();
    void linesChanged();

private:
    QCoro::Task<> run();
    int count(CheckResult::Level level) const;

    std::optional<DoctorSettings> m_settings;
    CheckResults m_results;
    qint64 m_elapsedMs = 0;
    bool m_running = false;
};
