#include "Doctor.h"
#include "DoctorRun.h"

#include "engine/RunSettings.h"
#include "platform/PlatformProfile.h"

#include <QDateTime>

#include <vector>

DoctorSettings DoctorSettings::forThisSystem()
{
    DoctorSettings settings;
    const QString listed = qEnvironmentVariable("REELIX_DOCTOR_SERVERS");
    if (!listed.isEmpty()) {
        for (const QString &address : listed.split(u' ', Qt::SkipEmptyParts))
            settings.servers.append({QUrl(address), QStringLiteral("listed")});
    } else {
        const PlatformProfile &profile = PlatformProfile::current();
        settings.servers = {
            {QUrl(profile.githubURL), QStringLiteral("yt-dlp and its scripts")},
            {QUrl(profile.githubApiURL), QStringLiteral("updates")},
            {QUrl(profile.ffmpegURL), QStringLiteral("ffmpeg")},
            {QUrl(profile.nodeURL), QStringLiteral("Node.js")},
            {QUrl(QStringLiteral("https://www.youtube.com")), QStringLiteral("YouTube")}};
    }
    settings.folder = RunSettings::rememberedFolder();
    return settings;
}

namespace Doctor {

namespace {

// Runs one check and notes how long it took.
QCoro::Task<CheckResult> timed(QCoro::Task<CheckResult> check)
{
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    CheckResult result = co_await check;
    result.elapsedMs = DoctorRun::elapsedSince(start);
    co_return result;
}

} // namespace

QCoro::Task<CheckResults> run(DoctorSettings settings)
{
    // Every check starts now; each runs up to its first wait before the next begins.
    std::vector<QCoro::Task<CheckResult>> started;
    started.push_back(timed(ytdlp(settings)));
    started.push_back(timed(javaScript(settings)));
    started.push_back(timed(impersonation(settings)));
    started.push_back(timed(ffmpeg(settings)));
    started.push_back(timed(cookies(settings)));
    started.push_back(timed(certificates(settings)));
    started.push_back(timed(folder(settings)));
    started.push_back(timed(network(settings)));
    CheckResults results;
    for (auto &task : started)
        results.append(co_await task);
    co_return results;
}

} // namespace Doctor
