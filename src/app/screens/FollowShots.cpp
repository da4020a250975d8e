// The "Following" view: lists read with something new, one whose last check
// failed, one paused and one not checked yet.
#include "Shots.h"

#include "follow/FollowList.h"

#include <QFile>

namespace Shots {

namespace {

Follow staged(const QString &address, const QString &title, int hoursAgo, int fresh)
{
    Follow f;
    f.address = address;
    f.title = title;
    f.lastCheck =
        hoursAgo >= 0 ? QDateTime::currentDateTime().addSecs(-hoursAgo * 3600) : QDateTime();
    f.newCount = fresh;
    return f;
}

} // namespace

bool followShots()
{
    QList<Follow> follows{
        staged(QStringLiteral("https://www.youtube.com/@talks/videos"),
               QStringLiteral("Evening talks — Videos"), 1, 2),
        staged(QStringLiteral("https://podcast.example.org/feed.xml"),
               QStringLiteral("The garden hour (podcast)"), 3, 0),
        staged(QStringLiteral("https://www.youtube.com/playlist?list=PLrecipes"),
               QStringLiteral("Weeknight recipes"), 26, 0),
        staged(QStringLiteral("https://video.example.net/c/science/videos"), QString(), -1, 0)};
    follows[2].lastError = qtTrId("error.download_failed");
    follows[2].lastErrorDetail =
        QStringLiteral("ERROR: [youtube:tab] PLrecipes: The playlist does not exist.");
    follows[1].paused = true;
    follows[0].mediaServer = true;
    const bool written = !FollowList::modify([&](QList<Follow> &list) { list = follows; });
    bool ok = written;
    {
        Shell shell;
        ok = ok && shell.showMain();
        if (ok) {
            shell.view()->setProperty("showingFollows", true);
            ok &= save(*shell.window, QStringLiteral("following"));
        }
    }
    {
        FollowList::modify([](QList<Follow> &list) { list.clear(); });
        Shell shell;
        if (shell.showMain()) {
            shell.view()->setProperty("showingFollows", true);
            ok &= save(*shell.window, QStringLiteral("following-empty"));
        } else {
            ok = false;
        }
    }
    QFile::remove(FollowList::path());
    return ok;
}

} // namespace Shots
