#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

// Typed reads of the tools' JSON, where a field of another type counts as absent.
namespace JsonFields {

// JSON numbers are doubles; only a whole number counts.
std::optional<int> integer(const QJsonValue &value);
// The member's text, or an empty string when it is missing or not a string.
QString text(const QJsonObject &object, const QString &key);

} // namespace JsonFields
