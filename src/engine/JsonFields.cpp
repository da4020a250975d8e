#include "JsonFields.h"

#include <cmath>
#include <limits>

namespace JsonFields {

std::optional<int> integer(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    // A tool's number may be any size: out of int's range it is no count of ours
    // (and converting it would be undefined).
    if (!(d >= double(std::numeric_limits<int>::min()) &&
          d <= double(std::numeric_limits<int>::max())) ||
        d != std::trunc(d))
        return std::nullopt;
    return int(d);
}

std::optional<double> bounded(const QJsonValue &value, double limit)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!(std::abs(d) <= limit))
        return std::nullopt;
    return d;
}

QString text(const QJsonObject &object, const QString &key)
{
    const QJsonValue v = object.value(key);
    return v.isString() ? v.toString() : QString();
}

} // namespace JsonFields
