#include "HostMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

HostRefusal refusal(const char *code, const char *message)
{
    return {QString::fromLatin1(code), QString::fromLatin1(message)};
}

bool hasControlOrSpace(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Format ||
            c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            return true;
    }
    return false;
}

std::variant<QStringList, HostRefusal> readAddresses(const QJsonValue &value)
{
    if (!value.isArray())
        return refusal("bad-shape", "\"addresses\" must be an array of strings");
    const QJsonArray list = value.toArray();
    if (list.isEmpty())
        return refusal("bad-shape", "\"addresses\" is empty");
    if (list.size() > HostMessage::kMaxAddresses)
        return refusal("too-many", "too many addresses in one message");
    QStringList addresses;
    for (const QJsonValue &item : list) {
        if (!item.isString())
            return refusal("bad-shape", "\"addresses\" must be an array of strings");
        const QString address = HostMessage::checkedAddress(item.toString());
        if (address.isEmpty())
            return refusal("bad-address", "only http and https addresses are taken");
        if (!addresses.contains(address))
            addresses << address;
    }
    return addresses;
}

} // namespace

namespace HostMessage {

QString checkedAddress(const QString &text)
{
    if (text.isEmpty() || text.size() > kMaxAddressLength || hasControlOrSpace(text))
        return {};
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    // A name and password in a page's address would end up in the list and
    // the log; Reelix has its own place for credentials.
    if (url.host().isEmpty() || !url.userInfo().isEmpty())
        return {};
    return url.toString(QUrl::FullyEncoded);
}

std::variant<HostRequest, HostRefusal> parse(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return refusal("not-json", "the message is not JSON");
    if (!document.isObject())
        return refusal("bad-shape", "the message must be a JSON object");
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() != QLatin1String("addresses") && it.key() != QLatin1String("format"))
            return refusal("bad-shape", "the message has a key Reelix does not know");
    }
    HostRequest request;
    const QJsonValue format = object.value(QLatin1String("format"));
    if (!format.isUndefined()) {
        request.format = format.toString();
        if (!format.isString() ||
            (request.format != QLatin1String("video") && request.format != QLatin1String("audio") &&
             request.format != QLatin1String("default")))
            return refusal("bad-shape", "\"format\" must be \"video\", \"audio\" or \"default\"");
        if (request.format == QLatin1String("default"))
            request.format.clear();
    }
    auto addresses = readAddresses(object.value(QLatin1String("addresses")));
    if (const auto *refused = std::get_if<HostRefusal>(&addresses))
        return *refused;
    request.addresses = std::get<QStringList>(std::move(addresses));
    return request;
}

QJsonObject taken(int count)
{
    return {{QStringLiteral("taken"), true}, {QStringLiteral("count"), count}};
}

QJsonObject refused(const HostRefusal &refusal)
{
    return {{QStringLiteral("taken"), false},
            {QStringLiteral("error"), refusal.code},
            {QStringLiteral("message"), refusal.message}};
}

} // namespace HostMessage
