#include "JsonFields.h"

namespace JsonFields {

std::optional<int> integer(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d != double(qint64(d)))
        return std::nullopt;
    return int(d);
}

QString text(const QJsonObject &object, const QString &key)
{
    const QJsonValue v = object.value(key);
    return v.isString() ? v.toString() : QString();
}

} // namespace JsonFields
