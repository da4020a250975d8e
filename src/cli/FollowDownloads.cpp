#include "FollowDownloads.h"

#include "DownloadCommand.h"
#include "Terminal.h"

#include "follow/FollowCheck.h"
#include "follow/MediaServerWatch.h"
#include "platform/StopSignals.h"
#include "store/QueueStore.h"

#include <QCoro/QCoroSignal>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fputs((Terminal::printable(line) + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
}

QString nameOf(const Follow &f)
{
    return f.title.isEmpty() ? f.address : f.title;
}

void report(const FollowFinding &finding)
{
    const QString name = nameOf(finding.follow);
    switch (finding.state) {
    case FollowFinding::State::Read:
        //% "%1: %n new"
        say(qtTrId("follow.cli.new", int(finding.fresh.size())).arg(name));
        break;
    case FollowFinding::State::Failed:
        //% "%1: not read (%2)"
        say(qtTrId("follow.cli.failed").arg(name, finding.error));
        if (!finding.follow.lastErrorDetail.isEmpty())
            say(QStringLiteral("    ") + finding.follow.lastErrorDetail);
        break;
    case FollowFinding::State::Waiting:
        //% "%1: the site asked to wait; read again after %2"
        say(qtTrId("follow.cli.waiting")
                .arg(name, finding.follow.notBefore.toLocalTime().toString(
                               QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
        break;
    case FollowFinding::State::Busy:
        //% "%1: another check is reading it"
        say(qtTrId("follow.cli.busy").arg(name));
        break;
    case FollowFinding::State::Paused:
        //% "%1: paused"
        say(qtTrId("follow.cli.paused").arg(name));
        break;
    }
}

// The list's new entries, by their place in it, as `download --items` takes them.
QString itemsOf(const QList<PlaylistEntry> &entries)
{
    QStringList numbers;
    for (const PlaylistEntry &entry : entries)
        numbers << QString::number(entry.index);
    return numbers.join(QLatin1Char(','));
}

QCoro::Task<int> download(const FollowFinding &finding, StopSignals &stopSignals)
{
    const CliOptions options =
        CliOptions::parse(QStringList{QStringLiteral("download")} + finding.follow.options +
                          QStringList{QStringLiteral("--items"), itemsOf(finding.fresh),
                                      QStringLiteral("--"), finding.follow.address});
    if (!options.error.isEmpty()) {
        say(QStringLiteral("reelix-cli: ") + options.error);
        co_return 2;
    }
    DownloadCommand command(options);
    QObject::connect(&stopSignals, &StopSignals::received, &command, [&] { command.interrupt(); });
    std::optional<int> code;
    QObject::connect(&command, &DownloadCommand::finished, &command, [&](int c) { code = c; });
    MediaServerWatch mediaFiles(command.manager());
    mediaFiles.add(finding);
    command.start(options.addresses);
    if (!code)
        co_await qCoro(&command, &DownloadCommand::finished);
    if (mediaFiles.busy())
        co_await qCoro(&mediaFiles, &MediaServerWatch::idle);
    co_return code.value_or(1);
}

} // namespace

namespace FollowDownloads {

QCoro::Task<int> check(QStringList only, StopSignals &stopSignals)
{
    bool stopped = false;
    QObject guard; // the connection goes with this check
    QObject::connect(&stopSignals, &StopSignals::received, &guard, [&] { stopped = true; });
    FollowCheck::Settings settings;
    settings.pause = FollowCheck::pauseSetting();
    settings.only = only;
    const QList<FollowFinding> findings = co_await FollowCheck::run(settings);
    int exitCode = 0;
    for (const FollowFinding &finding : findings) {
        report(finding);
        if (finding.state == FollowFinding::State::Failed)
            exitCode = 1;
    }
    // A download the app was making when it ended is the app's to resume.
    QueueStore::claimSavedWork();
    for (const FollowFinding &finding : findings) {
        if (finding.fresh.isEmpty() || stopped)
            continue;
        const int code = co_await download(finding, stopSignals);
        if (code != 0)
            exitCode = code;
    }
    co_return stopped ? 130 : exitCode;
}

} // namespace FollowDownloads
