#pragma once

#include "YtDlpRun.h"

#include <chrono>

// The information run's own pieces: its arguments and its time limit.
namespace InfoFetch {

QStringList arguments(const QString &address, const YtDlpRun::Attempt &attempt);
// YouTube's pages take longer (the JavaScript challenge runs in Node.js).
std::chrono::seconds timeLimit(bool youTube);

} // namespace InfoFetch
