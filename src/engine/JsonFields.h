#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

// Typed reads of the tools' JSON, where a field of another type counts as absent.
namespace JsonFields {

// JSON numbers are doubles; only a whole number within int's range counts.
std::optional<int> integer(const QJsonValue &value);
// Beyond these a duration (about 31 years) or a size (an exabyte) is a page's
// nonsense, taken as unknown.
constexpr double longestSeconds = 1e9;
constexpr double largestBytes = 1e18;
// A number no larger than `limit` either way (a duration, a size), or nothing: a
// page may write any number, and a huge one converts to no integer type.
std::optional<double> bounded(const QJsonValue &value, double limit);
// The member's text, or an empty string when it is missing or not a string.
QString text(const QJsonObject &object, const QString &key);

} // namespace JsonFields
