#pragma once

#include "deps/Dependency.h"
#include "doctor/CheckResult.h"
#include "engine/YtDlpAge.h"

// What the window learns of the yt-dlp downloads run, for the engine to name
// an old one: the tool card's versions, or the setup check's.
namespace YtDlpAgeSource {

// yt-dlp's card: our copy's versions, or those of the system's copy the
// engine falls back to. The newest version is the published one, whichever
// copy runs: a lookup that failed, or none made, keeps the one known.
// States without a version (checking, updating) keep what was known.
YtDlpAge::Known fromDependency(const Dependency &ytdlp, const YtDlpAge::Known &before);
// The setup check's yt-dlp line (the copy downloads run); without one,
// what was known.
YtDlpAge::Known fromSetupCheck(const CheckResults &results, const YtDlpAge::Known &before);

} // namespace YtDlpAgeSource
