// One `reelix-cli follow check` of 50 followed feeds on one local site with
// nothing new: its time and the pages it requested (one per feed). The pause
// between requests to one site is set to 0 here; the default adds it 49 times.
#include "BenchSupport.h"

#include "follow/FollowList.h"
#include "platform/UserDefaults.h"

#include <QFile>

int main(int argc, char *argv[])
{
    const PrivateHome &home = benchHome();
    QCoreApplication app(argc, argv);
    const QString www = home.path() + "/www";
    QDir().mkpath(www);
    const QString log = home.path() + "/requests.log";
    QProcess server;
    const QString site = startMediaServer(server, www, {"--log", log});
    const int sources = argc > 1 ? atoi(argv[1]) : 50;
    QList<Follow> follows;
    for (int i = 0; i < sources; ++i) {
        Follow f;
        f.address = site + QStringLiteral("/list/feed.xml?n=5&title=Feed%1").arg(i);
        f.options = {QStringLiteral("--folder"), home.path() + QStringLiteral("/out")};
        follows << f;
    }
    FollowList::modify([&](QList<Follow> &list) { list = follows; });
    UserDefaults::setValue(QStringLiteral("followPauseSeconds"), 0);
    // The first check learns what each feed holds; the second finds nothing new.
    if (timedRun(REELIX_CLI_PATH, {"follow", "check"}) < 0)
        return 1;
    QFile::remove(log);
    const double seconds = timedRun(REELIX_CLI_PATH, {"follow", "check"});
    const qsizetype pages = QString::fromUtf8([&] {
                                QFile f(log);
                                return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
                            }())
                                .count(QStringLiteral("/list/feed.xml"));
    std::printf("%d followed feeds, nothing new: one check %.2f s (%.0f ms a feed), "
                "%lld pages requested\n",
                sources, seconds, seconds * 1000 / sources, static_cast<long long>(pages));
    server.kill();
    server.waitForFinished();
    return seconds < 0 ? 1 : 0;
}
