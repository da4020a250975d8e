#include "Doctor.h"
#include "DoctorRun.h"

#include "deps/ReleaseLookup.h"
#include "deps/StopSwitch.h"
#include "deps/ToolRecord.h"
#include "deps/ToolVersions.h"
#include "platform/ToolPaths.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTimer>

namespace Doctor {

namespace {

using Level = CheckResult::Level;
using Action = CheckResult::Action;

CheckResult missingTool(const QString &id, const QString &tool)
{
    //% "%1 is not installed."
    return {id,
            Level::Problem,
            qtTrId("doctor.tool.missing").arg(tool),
            //% "Install it from the setup view."
            qtTrId("doctor.tool.install"),
            Action::Install,
            {}};
}

CheckResult brokenTool(const QString &id, const QString &tool, const ToolAnswer &answer)
{
    //% "it gave no answer in time"
    const QString silent = qtTrId("doctor.tool.silent");
    const QString why = answer.timedOut            ? silent
                        : !answer.reason.isEmpty() ? answer.reason
                                                   : answer.err.trimmed().section(u'\n', -1);
    //% "%1 does not run: %2."
    return {id,
            Level::Problem,
            qtTrId("doctor.tool.broken").arg(tool, why),
            //% "Install it again from the setup view."
            qtTrId("doctor.tool.reinstall"),
            Action::Install,
            {}};
}

// The newest yt-dlp, or an empty text when it cannot be found within `limit`.
QCoro::Task<QString> newestYtdlp(std::chrono::milliseconds limit)
{
    QNetworkAccessManager network;
    StopSwitch stop;
    QTimer::singleShot(limit, &stop, &StopSwitch::throwOn);
    ReleaseLookup lookup(network, &stop);
    const Result<QString> latest = co_await lookup.latestYtdlpVersion();
    co_return latest ? *latest : QString();
}

CheckResult ytdlpVerdict(const ToolPaths::Located &found, const QString &version,
                         const QString &latest)
{
    const QString source = found.system ? QStringLiteral("system") : QStringLiteral("reelix");
    const auto verification = ToolRecord::read(QStringLiteral("yt-dlp")).verification;
    QJsonObject facts{{QStringLiteral("version"), version},
                      {QStringLiteral("latest"), latest},
                      {QStringLiteral("source"), source},
                      {QStringLiteral("path"), DoctorRun::tildePath(found.path)},
                      {QStringLiteral("verification"),
                       found.system ? QString() : ToolRecord::verificationName(verification)}};
    const auto behind = YtDlpAge::daysBetween(version, latest);
    if (behind)
        facts.insert(QStringLiteral("daysBehind"), *behind);
    const bool stale = behind ? *behind > ytdlpStaleDays
                              : ToolVersions::ytdlpTooOld(version, QDate::currentDate());
    if (!stale) {
        return {QStringLiteral("ytdlp"),
                Level::Ok,
                latest.isEmpty()
                    //% "yt-dlp %1 works; the newest version could not be checked."
                    ? qtTrId("doctor.ytdlp.unchecked").arg(version)
                    //% "yt-dlp %1 works and is recent."
                    : qtTrId("doctor.ytdlp.ok").arg(version),
                {},
                Action::None,
                facts};
    }
    //% "yt-dlp %1 is old: sites change often and an old yt-dlp fails on them."
    CheckResult result{
        QStringLiteral("ytdlp"), Level::Warning, qtTrId("doctor.ytdlp.old").arg(version), {},
        Action::Update,          facts};
    if (found.system) {
        result.action = Action::Install;
        //% "This copy comes with the system; install Reelix's own, which stays up to date."
        result.todo = qtTrId("doctor.ytdlp.own");
    } else {
        //% "Update it."
        result.todo = qtTrId("doctor.ytdlp.update");
    }
    return result;
}

} // namespace

QCoro::Task<CheckResult> ytdlp(DoctorSettings settings)
{
    const auto found = ToolPaths::locate(QStringLiteral("yt-dlp"));
    if (!found)
        co_return missingTool(QStringLiteral("ytdlp"), QStringLiteral("yt-dlp"));
    // Both at once: the lookup may wait for its whole limit.
    auto latestTask = newestYtdlp(settings.networkLimit);
    const QStringList arguments{QStringLiteral("--version")};
    const ToolAnswer answer = co_await DoctorRun::tool(found->path, arguments, settings.toolLimit);
    const QString latest = co_await latestTask;
    if (!answer.ran || answer.status != 0)
        co_return brokenTool(QStringLiteral("ytdlp"), QStringLiteral("yt-dlp"), answer);
    co_return ytdlpVerdict(*found, answer.out.trimmed(), latest);
}

int availableImpersonateTargets(const QString &listing)
{
    int count = 0;
    bool table = false;
    for (const QString &line : listing.split(u'\n')) {
        if (line.startsWith(QStringLiteral("---"))) {
            table = true;
            continue;
        }
        if (table && !line.trimmed().isEmpty() && !line.contains(QStringLiteral("unavailable")))
            ++count;
    }
    return count;
}

QStringList missingFromListing(const QString &listing, const QStringList &wanted)
{
    QSet<QString> present;
    static const QRegularExpression row(QStringLiteral("^\\s*[A-Z.]+\\s+(\\S+)"));
    for (const QString &line : listing.split(u'\n')) {
        const auto match = row.match(line);
        if (match.hasMatch()) {
            for (const QString &name : match.captured(1).split(u','))
                present.insert(name);
        }
    }
    QStringList missing;
    for (const QString &name : wanted) {
        if (!present.contains(name))
            missing << name;
    }
    return missing;
}

} // namespace Doctor

namespace Doctor {

namespace {

// What the downloads and conversions ask of ffmpeg.
const QStringList kEncoders{QStringLiteral("libx264"), QStringLiteral("aac"),
                            QStringLiteral("libmp3lame")};
const QStringList kMuxers{QStringLiteral("mp4"), QStringLiteral("matroska"), QStringLiteral("mp3")};

} // namespace

QCoro::Task<CheckResult> ffmpeg(DoctorSettings settings)
{
    const auto ffmpeg = ToolPaths::locate(QStringLiteral("ffmpeg"));
    const auto ffprobe = ToolPaths::locate(QStringLiteral("ffprobe"));
    if (!ffmpeg || !ffprobe)
        co_return missingTool(QStringLiteral("ffmpeg"),
                              ffmpeg ? QStringLiteral("ffprobe") : QStringLiteral("ffmpeg"));
    const QStringList version{QStringLiteral("-version")};
    const QStringList encoders{QStringLiteral("-hide_banner"), QStringLiteral("-encoders")};
    const QStringList muxers{QStringLiteral("-hide_banner"), QStringLiteral("-muxers")};
    auto probeTask = DoctorRun::tool(ffprobe->path, version, settings.toolLimit);
    auto encodersTask = DoctorRun::tool(ffmpeg->path, encoders, settings.toolLimit);
    auto muxersTask = DoctorRun::tool(ffmpeg->path, muxers, settings.toolLimit);
    const ToolAnswer answer = co_await DoctorRun::tool(ffmpeg->path, version, settings.toolLimit);
    const ToolAnswer probe = co_await probeTask;
    const ToolAnswer encoderList = co_await encodersTask;
    const ToolAnswer muxerList = co_await muxersTask;
    if (!answer.ran || answer.status != 0)
        co_return brokenTool(QStringLiteral("ffmpeg"), QStringLiteral("ffmpeg"), answer);
    if (!probe.ran || probe.status != 0)
        co_return brokenTool(QStringLiteral("ffmpeg"), QStringLiteral("ffprobe"), probe);
    const QString shown = ToolVersions::ffmpegFullVersion(answer.out);
    const QStringList missing =
        missingFromListing(encoderList.out, kEncoders) + missingFromListing(muxerList.out, kMuxers);
    const QJsonObject facts{{QStringLiteral("version"), shown},
                            {QStringLiteral("source"),
                             ffmpeg->system ? QStringLiteral("system") : QStringLiteral("reelix")},
                            {QStringLiteral("path"), DoctorRun::tildePath(ffmpeg->path)},
                            {QStringLiteral("missing"), QJsonArray::fromStringList(missing)}};
    if (!missing.isEmpty()) {
        //% "ffmpeg %1 lacks what Reelix uses: %2."
        co_return CheckResult{QStringLiteral("ffmpeg"), Level::Problem,
                              qtTrId("doctor.ffmpeg.lacks").arg(shown, missing.join(u", ")),
                              //% "Install Reelix's own ffmpeg, which has them."
                              qtTrId("doctor.ffmpeg.install"), Action::Install, facts};
    }
    //% "ffmpeg and ffprobe %1 run and have what Reelix uses."
    co_return CheckResult{QStringLiteral("ffmpeg"),
                          Level::Ok,
                          qtTrId("doctor.ffmpeg.ok").arg(shown),
                          {},
                          Action::None,
                          facts};
}

} // namespace Doctor
