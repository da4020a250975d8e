#include "TransferLimits.h"

#include <QString>

#include <algorithm>

namespace {

// A positive value of the variable, or nothing.
qint64 fromEnvironment(const char *name)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : 0;
}

// REELIX_TRANSFER_LIMIT_MS replaces every overall deadline (tests).
std::chrono::milliseconds deadlineOr(std::chrono::milliseconds usual)
{
    const qint64 value = fromEnvironment("REELIX_TRANSFER_LIMIT_MS");
    return value ? std::chrono::milliseconds(value) : usual;
}

} // namespace

std::chrono::milliseconds TransferLimits::idleLimit()
{
    const qint64 value = fromEnvironment("REELIX_IDLE_LIMIT_MS");
    return value ? std::chrono::milliseconds(value) : std::chrono::seconds(30);
}

qint64 TransferLimits::toolBytes()
{
    const qint64 value = fromEnvironment("REELIX_TOOL_SIZE_LIMIT");
    return value ? value : qint64(1) << 30;
}

TransferLimits TransferLimits::forTool()
{
    return {idleLimit(), deadlineOr(std::chrono::hours(1)), toolBytes()};
}

TransferLimits TransferLimits::forDocument()
{
    const std::chrono::milliseconds perRequest = deadlineOr(std::chrono::seconds(10));
    return {std::min(idleLimit(), perRequest), perRequest, qint64(4) << 20};
}
