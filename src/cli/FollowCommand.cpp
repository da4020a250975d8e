#include "FollowCommand.h"

#include "FollowDownloads.h"
#include "Terminal.h"

#include "engine/ProcessRunner.h"
#include "follow/FollowList.h"
#include "follow/Opml.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QUrl>

#include <cstdio>

namespace {

void say(const QString &line, FILE *stream = stdout)
{
    std::fputs((Terminal::printable(line) + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

int usageError(const QString &message)
{
    say(QStringLiteral("reelix-cli: ") + message, stderr);
    return 2;
}

// `follow ADDRESS [--newest N] [--media-server] [download options]`.
int add(QStringList args)
{
    Follow follow;
    follow.mediaServer = args.removeAll(QStringLiteral("--media-server")) > 0;
    const qsizetype newest = args.indexOf(QStringLiteral("--newest"));
    if (newest >= 0) {
        bool ok = false;
        follow.firstNewest = args.value(newest + 1).toInt(&ok);
        if (!ok || follow.firstNewest < 0)
            return usageError(QStringLiteral("--newest takes a number of entries"));
        args.remove(newest, 2);
    }
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    follow.address = end >= 0 ? args.value(end + 1) : args.value(args.size() - 1);
    follow.options = args.mid(0, end >= 0 ? end : args.size() - 1);
    // The options are those of `download`; they are checked now, not at the first check.
    const CliOptions parsed = CliOptions::parse(QStringList{QStringLiteral("download")} +
                                                follow.options + QStringList{follow.address});
    if (!parsed.error.isEmpty())
        return usageError(parsed.error);
    if (follow.options.contains(QStringLiteral("--items")) ||
        follow.options.contains(QStringLiteral("--json")))
        return usageError(QStringLiteral("follow takes the download options but --items and "
                                         "--json"));
    const QUrl url(follow.address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return usageError(QStringLiteral("follow takes a web address"));
    const Outcome saved =
        FollowList::modify([&](QList<Follow> &follows) { FollowList::put(follows, follow); });
    if (saved)
        return usageError(saved->message + QLatin1Char(' ') + saved->detail);
    //% "Following %1. New entries download at each check."
    say(qtTrId("follow.cli.added").arg(follow.address));
    return 0;
}

QJsonObject describe(const Follow &f)
{
    QJsonObject json = f.toJson();
    json.remove(QStringLiteral("seen"));
    return json;
}

int list(bool json)
{
    const QList<Follow> follows = FollowList::load();
    if (json) {
        QJsonArray array;
        for (const Follow &f : follows)
            array << describe(f);
        std::fputs(QJsonDocument(array).toJson(QJsonDocument::Compact).append('\n').constData(),
                   stdout);
        return 0;
    }
    for (const Follow &f : follows) {
        const QString when =
            f.lastCheck.isValid()
                ? f.lastCheck.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                : QStringLiteral("-");
        say(when + QStringLiteral("  ") + (f.paused ? QStringLiteral("paused  ") : QString()) +
            (f.title.isEmpty() ? f.address : f.title + QStringLiteral("  ") + f.address) +
            (f.lastError.isEmpty() ? QString() : QStringLiteral("\n    ") + f.lastError));
    }
    return 0;
}

// remove, pause, resume: 1 when nothing follows the address.
int change(const QString &action, const QString &address)
{
    bool found = false;
    const Outcome saved = FollowList::modify([&](QList<Follow> &follows) {
        for (qsizetype i = 0; i < follows.size(); ++i) {
            if (follows.at(i).address != address)
                continue;
            found = true;
            if (action == QLatin1String("remove"))
                follows.removeAt(i);
            else
                follows[i].paused = action == QLatin1String("pause");
            return;
        }
    });
    if (saved)
        return usageError(saved->message);
    if (!found)
        say(QStringLiteral("reelix-cli: nothing follows ") + address, stderr);
    return found ? 0 : 1;
}

int importOpml(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return usageError(file.errorString() + QStringLiteral(": ") + path);
    const Result<QList<Opml::Feed>> feeds = Opml::read(file.readAll());
    if (!feeds)
        return usageError(feeds.failure().message + QLatin1Char(' ') + feeds.failure().detail);
    int added = 0;
    const Outcome saved = FollowList::modify([&](QList<Follow> &follows) {
        for (const Opml::Feed &feed : *feeds) {
            if (FollowList::find(follows, feed.address))
                continue;
            Follow follow;
            follow.address = feed.address;
            follow.title = feed.title;
            follows << follow;
            ++added;
        }
    });
    if (saved)
        return usageError(saved->message);
    //% "%n new follows from the file."
    say(qtTrId("follow.cli.imported", added));
    return 0;
}

int exportOpml(const QString &path)
{
    const QByteArray data = Opml::write(FollowList::load(), QDateTime::currentDateTimeUtc());
    if (path == QLatin1String("-")) {
        std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
        return 0;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return usageError(file.errorString() + QStringLiteral(": ") + path);
    return file.write(data) == data.size() ? 0 : 1;
}

// systemctl --user, for the timer installed beside the program.
QCoro::Task<int> timer(QString state)
{
    QProcess systemctl;
    systemctl.setProgram(QStringLiteral("systemctl"));
    systemctl.setArguments(
        {QStringLiteral("--user"),
         state == QLatin1String("on") ? QStringLiteral("enable") : QStringLiteral("disable"),
         QStringLiteral("--now"), QStringLiteral("reelix-follow.timer")});
    const ProcessRunResult r = co_await run(systemctl);
    if (r.status != 0)
        say(QStringLiteral("reelix-cli: systemctl: ") +
                (r.launchError ? r.launchError->message : r.stderrText.trimmed()),
            stderr);
    co_return r.status == 0 ? 0 : 1;
}

} // namespace

namespace FollowCommand {

QCoro::Task<int> run(CliOptions options, StopSignals &stopSignals)
{
    QStringList args = options.addresses;
    const QString action = args.value(0);
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (action == QLatin1String("--help") || action == QLatin1String("-h")) {
        std::fputs(CliOptions::usage(QStringLiteral("follow")).toLocal8Bit().constData(), stdout);
        co_return 0;
    }
    if (action == QLatin1String("--timer")) {
        if (args.size() != 2 || !QStringList{"on", "off"}.contains(args.at(1)))
            co_return usageError(QStringLiteral("follow --timer takes on or off"));
        co_return co_await timer(args.at(1));
    }
    if (action == QLatin1String("check"))
        co_return co_await FollowDownloads::check(args.mid(1), stopSignals);
    if (action == QLatin1String("list"))
        co_return list(json);
    const bool oneArgument = args.size() == 2;
    if (QStringList{"remove", "pause", "resume"}.contains(action) && oneArgument)
        co_return change(action, args.at(1));
    if (action == QLatin1String("import") && oneArgument)
        co_return importOpml(args.at(1));
    if (action == QLatin1String("export") && oneArgument)
        co_return exportOpml(args.at(1));
    if (args.isEmpty() ||
        QStringList{"remove", "pause", "resume", "import", "export"}.contains(action))
        co_return usageError(QStringLiteral("follow takes an address, or an action and its "
                                            "argument: reelix-cli help follow"));
    co_return add(args);
}

} // namespace FollowCommand
