#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <variant>

// What the browser extension asks for, checked before anything is done with it.
struct HostRequest
{
    QStringList addresses; // http and https only, without credentials
    QString format;        // "video", "audio" or empty for Reelix's default choice
};

// Why a message was refused: a short code the extension can act on, and a
// sentence for its console.
struct HostRefusal
{
    QString code;
    QString message;
};

namespace HostMessage {

// A message larger than this is refused unread: an address list needs far
// less, and the browser sends up to 1 MiB (4 GiB from the host's side).
constexpr quint32 kMaxBytes = 64 * 1024;
constexpr int kMaxAddresses = 50;
constexpr int kMaxAddressLength = 4096;

// Reads one message's JSON: an object with "addresses" (an array of strings)
// and an optional "format"; any other key, type or address is refused.
std::variant<HostRequest, HostRefusal> parse(const QByteArray &json);
// The address as it goes to Reelix, or empty when it is not one to pass on.
QString checkedAddress(const QString &text);

QJsonObject taken(int count);
QJsonObject refused(const HostRefusal &refusal);

} // namespace HostMessage
