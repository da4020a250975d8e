#include "Doctor.h"
#include "DoctorRun.h"

#include "deps/ToolVersions.h"
#include "platform/ToolPaths.h"

namespace Doctor {

namespace {

using Level = CheckResult::Level;
using Action = CheckResult::Action;

// Where the newer yt-dlp comes from: an update of ours, else an install of ours.
Action newerYtdlp(const ToolPaths::Located &ytdlp)
{
    return ytdlp.system ? Action::Install : Action::Update;
}

bool rejectsOption(const ToolAnswer &answer)
{
    return answer.ran && answer.status == 2 &&
           answer.err.contains(QStringLiteral("no such option"));
}

CheckResult nodeVerdict(const ToolPaths::Located &node, const QString &version,
                        const ToolAnswer &probe, const ToolPaths::Located &ytdlp)
{
    const int major = version.mid(version.startsWith(u'v') ? 1 : 0).section(u'.', 0, 0).toInt();
    const QJsonObject facts{{QStringLiteral("version"), version},
                            {QStringLiteral("source"),
                             node.system ? QStringLiteral("system") : QStringLiteral("reelix")},
                            {QStringLiteral("path"), DoctorRun::tildePath(node.path)},
                            {QStringLiteral("passedToYtdlp"), !node.system},
                            {QStringLiteral("ytdlpTakesRuntime"),
                             probe.ran ? QJsonValue(!rejectsOption(probe)) : QJsonValue()}};
    if (major < minimumNodeMajor) {
        //% "Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube's challenges."
        return {QStringLiteral("javascript"), Level::Problem,
                qtTrId("doctor.node.old").arg(version).arg(minimumNodeMajor),
                //% "Install Reelix's own Node.js."
                qtTrId("doctor.node.install"), Action::Install, facts};
    }
    if (rejectsOption(probe)) {
        //% "This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail."
        return {QStringLiteral("javascript"), Level::Problem, qtTrId("doctor.node.ytdlp_old"),
                //% "Get a newer yt-dlp."
                qtTrId("doctor.node.newer_ytdlp"), newerYtdlp(ytdlp), facts};
    }
    if (node.system) {
        //% "Node.js %1 is the system's; Reelix hands yt-dlp only its own copy."
        return {QStringLiteral("javascript"),
                Level::Warning,
                qtTrId("doctor.node.system").arg(version),
                qtTrId("doctor.node.install"),
                Action::Install,
                facts};
    }
    //% "Node.js %1 solves YouTube's challenges; yt-dlp fetches its challenge scripts from GitHub."
    return {QStringLiteral("javascript"),
            Level::Ok,
            qtTrId("doctor.node.ok").arg(version),
            {},
            Action::None,
            facts};
}

} // namespace

QCoro::Task<CheckResult> javaScript(DoctorSettings settings)
{
    const auto node = ToolPaths::locate(QStringLiteral("node"));
    const auto ytdlp = ToolPaths::locate(QStringLiteral("yt-dlp"));
    if (!node) {
        //% "No JavaScript runtime: YouTube needs Node.js to solve its challenges."
        co_return CheckResult{
            QStringLiteral("javascript"),  Level::Problem,  qtTrId("doctor.node.missing"),
            qtTrId("doctor.node.install"), Action::Install, {}};
    }
    // Whether this yt-dlp takes a runtime at all, asked the way a download asks;
    // without an address it ends at once ("--version" would hide the refusal).
    QStringList probeArguments{QStringLiteral("--ignore-config"), QStringLiteral("--js-runtimes"),
                               QStringLiteral("node:") + node->path,
                               QStringLiteral("--remote-components"), QStringLiteral("ejs:github")};
    std::optional<QCoro::Task<ToolAnswer>> probeTask;
    if (ytdlp)
        probeTask.emplace(DoctorRun::tool(ytdlp->path, probeArguments, settings.toolLimit));
    const QStringList versionArguments{QStringLiteral("--version")};
    const ToolAnswer answer =
        co_await DoctorRun::tool(node->path, versionArguments, settings.toolLimit);
    // GCC 12 miscompiles a co_await inside a conditional expression.
    ToolAnswer probe;
    if (probeTask)
        probe = co_await *probeTask;
    if (!answer.ran || answer.status != 0) {
        //% "Node.js does not run."
        co_return CheckResult{
            QStringLiteral("javascript"),  Level::Problem,  qtTrId("doctor.node.broken"),
            qtTrId("doctor.node.install"), Action::Install, {}};
    }
    co_return nodeVerdict(*node, answer.out.trimmed(), probe, ytdlp.value_or(ToolPaths::Located{}));
}

QCoro::Task<CheckResult> impersonation(DoctorSettings settings)
{
    const auto ytdlp = ToolPaths::locate(QStringLiteral("yt-dlp"));
    if (!ytdlp) {
        //% "Browser impersonation cannot be checked without yt-dlp."
        co_return CheckResult{QStringLiteral("impersonation"),
                              Level::Warning,
                              qtTrId("doctor.impersonation.no_ytdlp"),
                              {},
                              Action::Install,
                              {}};
    }
    const QStringList arguments{QStringLiteral("--ignore-config"),
                                QStringLiteral("--list-impersonate-targets")};
    const ToolAnswer answer = co_await DoctorRun::tool(ytdlp->path, arguments, settings.toolLimit);
    const int targets =
        answer.ran && answer.status == 0 ? availableImpersonateTargets(answer.out + answer.err) : 0;
    const QJsonObject facts{{QStringLiteral("targets"), targets},
                            {QStringLiteral("ytdlpKnowsIt"), !rejectsOption(answer)}};
    if (targets > 0) {
        //% "yt-dlp can pass for %n browser(s) on sites that check."
        co_return CheckResult{QStringLiteral("impersonation"),
                              Level::Ok,
                              qtTrId("doctor.impersonation.ok", targets),
                              {},
                              Action::None,
                              facts};
    }
    //% "yt-dlp cannot pass for a browser (its impersonation library is missing): sites that"
    //% " check may refuse it."
    const QString missing = qtTrId("doctor.impersonation.missing");
    CheckResult result{QStringLiteral("impersonation"),
                       Level::Warning,
                       rejectsOption(answer)
                           //% "This yt-dlp cannot pass for a browser: sites that check"
                           //% " (Cloudflare and the like) may refuse it."
                           ? qtTrId("doctor.impersonation.too_old")
                           : missing,
                       ytdlp->system
                           //% "Use Reelix's own yt-dlp, which carries it."
                           ? qtTrId("doctor.impersonation.todo")
                           : qtTrId("doctor.ytdlp.update"),
                       newerYtdlp(*ytdlp),
                       facts};
    co_return result;
}

} // namespace Doctor
