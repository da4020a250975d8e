#include "RunLimits.h"

#include "platform/UserDefaults.h"

#include <QThread>

#include <algorithm>

namespace RunLimits {

int clampedFragments(int value)
{
    return std::clamp(value, 1, 16);
}

int concurrentFragments()
{
    bool ok = false;
    const int value = UserDefaults::value(QStringLiteral("concurrentFragments")).toInt(&ok);
    return ok ? clampedFragments(value) : 4;
}

int maxConcurrentDownloads()
{
    // Each download is a yt-dlp with its own memory and files: a long list
    // started at once would exhaust both.
    bool ok = false;
    const int value = UserDefaults::value(QStringLiteral("maxConcurrentDownloads")).toInt(&ok);
    if (!ok)
        return 4;
    return value <= 0 ? 0 : std::min(value, 16);
}

int maxConcurrentInfoRuns()
{
    return 2 * std::max(1, QThread::idealThreadCount());
}

} // namespace RunLimits
