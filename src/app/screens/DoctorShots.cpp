#include "Shots.h"

#include "SetupCheck.h"

#include "engine/YtDlpAge.h"
#include "engine/YtDlpErrors.h"

namespace Shots {

namespace {

using Level = CheckResult::Level;
using Action = CheckResult::Action;

CheckResult line(const char *id, Level level, const QString &summary, const QString &todo = {},
                 Action action = Action::None)
{
    return {QString::fromLatin1(id), level, summary, todo, action, {}};
}

// A machine where every check passes.
CheckResults healthy()
{
    return {
        line("ytdlp", Level::Ok, qtTrId("doctor.ytdlp.ok").arg(QStringLiteral("2026.11.20"))),
        line("javascript", Level::Ok, qtTrId("doctor.node.ok").arg(QStringLiteral("v22.21.0"))),
        line("impersonation", Level::Ok, qtTrId("doctor.impersonation.ok", 12)),
        line("ffmpeg", Level::Ok, qtTrId("doctor.ffmpeg.ok").arg(QStringLiteral("7.1"))),
        line("cookies", Level::Ok, qtTrId("doctor.cookies.ok", 9).arg(QStringLiteral("Firefox"))),
        line("certificates", Level::Ok, qtTrId("doctor.certs.ok", 3).arg(146)),
        line("folder", Level::Ok,
             qtTrId("doctor.folder.ok")
                 .arg(QLocale().formattedDataSize(212'400'000'000, 1, QLocale::DataSizeSIFormat))),
        line("network", Level::Ok, qtTrId("doctor.network.ok"))};
}

// A machine with an old system yt-dlp, no Node.js, a locked cookie store and
// a download folder it cannot write in.
CheckResults broken()
{
    return {line("ytdlp", Level::Warning,
                 qtTrId("doctor.ytdlp.old").arg(QStringLiteral("2023.03.04")),
                 qtTrId("doctor.ytdlp.own"), Action::Install),
            line("javascript", Level::Problem, qtTrId("doctor.node.missing"),
                 qtTrId("doctor.node.install"), Action::Install),
            line("impersonation", Level::Warning, qtTrId("doctor.impersonation.too_old"),
                 //% "Use Reelix's own yt-dlp, which carries it."
                 qtTrId("doctor.impersonation.todo"), Action::Install),
            line("ffmpeg", Level::Ok, qtTrId("doctor.ffmpeg.ok").arg(QStringLiteral("5.1.7"))),
            line("cookies", Level::Warning,
                 qtTrId("doctor.cookies.locked").arg(QStringLiteral("Firefox")),
                 qtTrId("doctor.cookies.close")),
            line("certificates", Level::Ok, qtTrId("doctor.certs.ok", 3).arg(146)),
            line("folder", Level::Problem,
                 qtTrId("doctor.folder.read_only").arg(QStringLiteral("~/Videos/Reelix")),
                 qtTrId("doctor.folder.choose"), Action::ChooseFolder),
            line("network", Level::Ok, qtTrId("doctor.network.ok"))};
}

bool checkShot(Shell &shell, const CheckResults &results, const QString &name)
{
    QObject *dialog = shell.window->findChild<QObject *>(QStringLiteral("setupCheckDialog"));
    auto *check = dialog ? dialog->property("check").value<SetupCheck *>() : nullptr;
    if (!check)
        return false;
    check->showResults(results, 2300);
    QMetaObject::invokeMethod(dialog, "open");
    const bool ok = save(*shell.window, name);
    QMetaObject::invokeMethod(dialog, "close");
    settle(300);
    return ok;
}

// Pages an old yt-dlp could not read: Reelix's own copy offers its update,
// the system's says how to get a newer one.
bool oldToolShot(Shell &shell)
{
    const QStringList said{QStringLiteral("ERROR: [generic] abc: Unable to extract video url")};
    const QList<std::pair<QString, bool>> rows{{QStringLiteral("Street food tour"), true},
                                               {QStringLiteral("Harbour at dawn"), false}};
    for (const auto &[title, own] : rows) {
        YtDlpAge::set({QStringLiteral("2026.09.01"), QStringLiteral("2026.11.20"), own});
        auto *failed = new DownloadItem(QStringLiteral("https://videos.example.org/") + title,
                                        DownloadFormat::Video);
        failed->setTitle(title);
        failed->setStatus(DownloadStatus::Error);
        failed->setFailure(YtDlpErrors::failure(said, false, false, CookieSource{}));
        shell.app.manager()->insertItem(failed);
    }
    YtDlpAge::set({});
    settle();
    return save(*shell.window, QStringLiteral("main-failed-old-ytdlp"));
}

} // namespace

// Help ▸ "Check my setup" on a healthy machine and on a broken one; rows
// failed by an old yt-dlp.
bool doctorShots()
{
    Shell shell;
    if (!shell.showMain())
        return false;
    shell.window->resize(1024, 768);
    settle();
    bool ok = checkShot(shell, healthy(), QStringLiteral("main-setup-check-healthy"));
    ok &= checkShot(shell, broken(), QStringLiteral("main-setup-check-broken"));
    ok &= oldToolShot(shell);
    return ok;
}

} // namespace Shots
