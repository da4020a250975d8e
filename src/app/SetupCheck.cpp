#include "SetupCheck.h"
#include "YtDlpAgeSource.h"

#include "doctor/Doctor.h"
#include "doctor/DoctorReport.h"

#include <QDateTime>
#include <QPointer>

#include <algorithm>

SetupCheck::SetupCheck(QObject *parent) : QObject(parent) {}

QVariantList SetupCheck::lines() const
{
    QVariantList lines;
    for (const CheckResult &r : m_results) {
        lines.append(
            QVariantMap{{QStringLiteral("id"), r.id},
                        {QStringLiteral("level"), CheckResult::levelName(r.level)},
                        {QStringLiteral("summary"), r.summary},
                        {QStringLiteral("todo"), r.todo},
                        {QStringLiteral("action"), CheckResult::actionName(r.action)},
                        {QStringLiteral("actionLabel"), CheckResult::actionLabel(r.action)}});
    }
    return lines;
}

int SetupCheck::count(CheckResult::Level level) const
{
    return int(std::count_if(m_results.cbegin(), m_results.cend(),
                             [level](const CheckResult &r) { return r.level == level; }));
}

void SetupCheck::start()
{
    if (m_running)
        return;
    run();
}

QCoro::Task<> SetupCheck::run()
{
    m_running = true;
    emit runningChanged();
    const QPointer<SetupCheck> self(this);
    const DoctorSettings settings = m_settings.value_or(DoctorSettings::forThisSystem());
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    CheckResults results = co_await Doctor::run(settings);
    // The window may have gone while the checks ran.
    if (!self)
        co_return;
    m_running = false;
    YtDlpAge::set(YtDlpAgeSource::fromSetupCheck(results, YtDlpAge::current()));
    showResults(results, QDateTime::currentMSecsSinceEpoch() - start);
    emit runningChanged();
}

void SetupCheck::showResults(const CheckResults &results, qint64 elapsedMs)
{
    m_results = results;
    m_elapsedMs = elapsedMs;
    emit linesChanged();
}

QString SetupCheck::report() const
{
    return DoctorReport::text(m_results, m_elapsedMs);
}
