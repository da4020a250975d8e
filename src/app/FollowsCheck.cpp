#include "Follows.h"

#include "log/Logger.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace std::chrono_literals;

QString Follows::commandLineProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString found = QStandardPaths::findExecutable(QStringLiteral("reelix-cli"),
                                                         {here, here + QStringLiteral("/../cli")});
    return found.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("reelix-cli")) : found;
}

void Follows::checkNow(int row)
{
    if (m_check)
        return; // the check under way reads every list that is due
    const QString program = commandLineProgram();
    if (program.isEmpty()) {
        Logger::shared().log(QStringLiteral("follow check: reelix-cli not found"),
                             LogLevel::Warning);
        return;
    }
    QStringList args{QStringLiteral("follow"), QStringLiteral("check")};
    if (row >= 0 && row < m_follows.size())
        args << m_follows.at(row).address;
    auto *process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(args);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    m_check = process;
    const auto ended = [this, process] {
        process->deleteLater();
        m_check = nullptr;
        m_checkedOnce = true;
        reload();
        scheduleChecks();
        emit checkingChanged();
    };
    connect(process, &QProcess::finished, this, ended);
    connect(process, &QProcess::errorOccurred, this, [ended](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            ended();
    });
    Logger::shared().logCommand(QStringLiteral("reelix-cli"), args);
    process->start();
    emit checkingChanged();
}

void Follows::scheduleChecks()
{
    m_timer.stop();
    if (checkHours() == 0 || m_follows.isEmpty())
        return;
    // The first check soon after start, once the window has settled.
    m_timer.start(m_checkedOnce ? std::chrono::milliseconds(std::chrono::hours(checkHours()))
                                : std::chrono::milliseconds(30s));
}

void Follows::runChild(const QString &program, const QStringList &args,
                       const std::function<void(int)> &done)
{
    auto *process = new QProcess(this);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [process, done](int status) {
        process->deleteLater();
        done(status);
    });
    connect(process, &QProcess::errorOccurred, this, [process, done](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        process->deleteLater();
        done(-1);
    });
    process->start(program, args);
}

void Follows::refreshTimer()
{
    runChild(QStringLiteral("systemctl"),
             {QStringLiteral("--user"), QStringLiteral("is-enabled"),
              QStringLiteral("reelix-follow.timer")},
             [this](int status) {
                 if (m_timerOn != (status == 0)) {
                     m_timerOn = status == 0;
                     emit timerChanged();
                 }
             });
}

void Follows::setTimerOn(bool on)
{
    // reelix-cli enables or disables the timer through systemctl, as a user would.
    runChild(commandLineProgram(),
             {QStringLiteral("follow"), QStringLiteral("--timer"),
              on ? QStringLiteral("on") : QStringLiteral("off")},
             [this](int) { refreshTimer(); });
}
