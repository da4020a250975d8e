#include "RunLimits.h"

#include "platform/UserDefaults.h"

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

} // namespace RunLimits
