#include "Follows.h"

#include "engine/DownloadManager.h"
#include "follow/MediaServerWatch.h"
#include "log/Logger.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace std::chrono_literals;

namespace {

QPointer<DownloadManager> downloads;

// The choices a follow keeps (reelix-cli download's options) that a list
// row of the window takes.
struct RowChoices
{
    QString folder; // empty: the download folder
    DownloadFormat format = DownloadFormat::Video;
    int qualityCap = 0;
    bool skipDownloaded = true;
};

RowChoices rowChoices(const QStringList &options)
{
    RowChoices choices;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString &option = options.at(i);
        if (option == QLatin1String("--folder"))
            choices.folder = options.value(++i);
        else if (option == QLatin1String("--audio"))
            choices.format = DownloadFormat::Audio;
        else if (option == QLatin1String("--no-archive"))
            choices.skipDownloaded = false;
        else if (option == QLatin1String("--format") &&
                 options.value(i + 1).endsWith(QLatin1Char('p')))
            choices.qualityCap = qMax(0, options.value(++i).chopped(1).toInt());
    }
    return choices;
}

} // namespace

void Follows::useDownloads(DownloadManager *manager)
{
    downloads = manager;
}

QString Follows::commandLineProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString found = QStandardPaths::findExecutable(QStringLiteral("reelix-cli"),
                                                         {here, here + QStringLiteral("/../cli")});
    return found.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("reelix-cli")) : found;
}

void Follows::checkNow(int row)
{
    if (checking())
        return; // the check under way reads every list that is due
    if (downloads) {
        QStringList only;
        if (row >= 0 && row < m_follows.size())
            only << m_follows.at(row).address;
        checkHere(only);
        return;
    }
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
        checkEnded();
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

void Follows::checkEnded()
{
    m_checkedOnce = true;
    reload();
    scheduleChecks();
    emit checkingChanged();
}

QCoro::Task<> Follows::checkHere(QStringList only)
{
    QPointer<Follows> self(this);
    m_checkingHere = true;
    emit checkingChanged();
    FollowCheck::Settings settings;
    settings.pause = FollowCheck::pauseSetting();
    settings.only = only;
    const QList<FollowFinding> findings = co_await FollowCheck::run(settings);
    if (!self)
        co_return;
    for (const FollowFinding &finding : findings) {
        if (!finding.fresh.isEmpty() && downloads)
            hand(finding);
    }
    m_checkingHere = false;
    checkEnded();
}

void Follows::hand(const FollowFinding &finding)
{
    const RowChoices choices = rowChoices(finding.follow.options);
    PlaylistListing listing;
    listing.title = finding.follow.title;
    listing.count = finding.listed;
    listing.entries = finding.fresh;
    DownloadItem *header = downloads->addListing(finding.follow.address, choices.format, listing);
    DownloadGroup *group = header->group();
    group->setBaseFolder(choices.folder);
    group->setQualityCap(choices.qualityCap);
    group->setSkipDownloaded(choices.skipDownloaded);
    if (finding.follow.mediaServer) {
        if (!m_mediaFiles)
            m_mediaFiles = new MediaServerWatch(*downloads, this);
        m_mediaFiles->add(finding);
    }
    downloads->downloadAll(header);
    if (!group->running())
        return;
    // The list stays claimed until its downloads end or are stopped.
    m_claims.insert(group, finding.claim);
    const auto release = [this, group] { m_claims.remove(group); };
    connect(group, &DownloadGroup::runningChanged, this, [group, release] {
        if (!group->running())
            release();
    });
    connect(group, &QObject::destroyed, this, release);
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
