#include "Follow.h"

#include <QJsonArray>
#include <QUrl>

namespace {

QJsonArray toArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QStringList toStrings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray()) {
        if (v.isString())
            list << v.toString();
    }
    return list;
}

} // namespace

QString Follow::host() const
{
    return QUrl(address).host().toLower();
}

QJsonObject Follow::toJson() const
{
    return {{QStringLiteral("address"), address},
            {QStringLiteral("title"), title},
            {QStringLiteral("options"), toArray(options)},
            {QStringLiteral("firstNewest"), firstNewest},
            {QStringLiteral("paused"), paused},
            {QStringLiteral("mediaServer"), mediaServer},
            {QStringLiteral("lastCheck"), lastCheck.toString(Qt::ISODateWithMs)},
            {QStringLiteral("newCount"), newCount},
            {QStringLiteral("lastError"), lastError},
            {QStringLiteral("lastErrorDetail"), lastErrorDetail},
            {QStringLiteral("seen"), toArray(seen)},
            {QStringLiteral("notBefore"), notBefore.toString(Qt::ISODateWithMs)}};
}

Follow Follow::fromJson(const QJsonObject &json)
{
    Follow f;
    f.address = json.value(QStringLiteral("address")).toString();
    f.title = json.value(QStringLiteral("title")).toString();
    f.options = toStrings(json.value(QStringLiteral("options")));
    f.firstNewest = qMax(0, json.value(QStringLiteral("firstNewest")).toInt());
    f.paused = json.value(QStringLiteral("paused")).toBool();
    f.mediaServer = json.value(QStringLiteral("mediaServer")).toBool();
    f.lastCheck = QDateTime::fromString(json.value(QStringLiteral("lastCheck")).toString(),
                                        Qt::ISODateWithMs);
    f.newCount = qMax(0, json.value(QStringLiteral("newCount")).toInt());
    f.lastError = json.value(QStringLiteral("lastError")).toString();
    f.lastErrorDetail = json.value(QStringLiteral("lastErrorDetail")).toString();
    f.seen = toStrings(json.value(QStringLiteral("seen")));
    f.notBefore = QDateTime::fromString(json.value(QStringLiteral("notBefore")).toString(),
                                        Qt::ISODateWithMs);
    return f;
}
