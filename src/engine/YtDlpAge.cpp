#include "YtDlpAge.h"

#include <QDate>

namespace YtDlpAge {

namespace {

// Set and read on the GUI thread, where the runs end.
Known &known()
{
    static Known value;
    return value;
}

} // namespace

void set(const Known &value)
{
    known() = value;
}

Known current()
{
    return known();
}

std::optional<int> daysBetween(const QString &olderVersion, const QString &newerVersion)
{
    const auto date = [](const QString &version) {
        return QDate::fromString(version.left(10), QStringLiteral("yyyy.MM.dd"));
    };
    const QDate older = date(olderVersion);
    const QDate newer = date(newerVersion);
    if (!older.isValid() || !newer.isValid())
        return std::nullopt;
    return int(older.daysTo(newer));
}

bool isStale(const Known &value)
{
    const std::optional<int> behind = daysBetween(value.version, value.newest);
    return behind && *behind > staleDays;
}

} // namespace YtDlpAge
