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
