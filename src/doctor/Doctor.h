#pragma once

#include "CheckResult.h"
#include "DoctorSettings.h"

#include "engine/YtDlpAge.h"

#include <QCoro/QCoroTask>

// The setup check: every check at once, each within its own time limit,
// in a fixed order (yt-dlp, JavaScript runtime, impersonation, ffmpeg,
// cookies, certificates, download folder, network).
namespace Doctor {

QCoro::Task<CheckResults> run(DoctorSettings settings);

QCoro::Task<CheckResult> ytdlp(DoctorSettings settings);
QCoro::Task<CheckResult> javaScript(DoctorSettings settings);
QCoro::Task<CheckResult> impersonation(DoctorSettings settings);
QCoro::Task<CheckResult> ffmpeg(DoctorSettings settings);
QCoro::Task<CheckResult> cookies(DoctorSettings settings);
QCoro::Task<CheckResult> certificates(DoctorSettings settings);
QCoro::Task<CheckResult> folder(DoctorSettings settings);
QCoro::Task<CheckResult> network(DoctorSettings settings);

// The oldest Node.js yt-dlp's challenge scripts run on.
constexpr int minimumNodeMajor = 20;
// How many days behind the newest a yt-dlp may be before sites are likely to fail.
constexpr int ytdlpStaleDays = YtDlpAge::staleDays;

// The targets `yt-dlp --list-impersonate-targets` lists as usable.
int availableImpersonateTargets(const QString &listing);
// Which of `wanted` an `ffmpeg -encoders` or `-muxers` listing lacks.
QStringList missingFromListing(const QString &listing, const QStringList &wanted);

} // namespace Doctor
