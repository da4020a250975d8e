// reelix-native-host: the browser extension's way to Reelix. The browser
// starts it and speaks the native messaging protocol on its standard input
// and output: each message a 4-byte length in this machine's byte order,
// then that many bytes of UTF-8 JSON. It passes checked addresses to the
// window and runs nothing else. "reelix-native-host --for-user" writes the
// user's own manifests, for the browsers to find it.
#include "HostMessage.h"
#include "ReelixBus.h"
#include "UserManifests.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

void answer(const QJsonObject &object)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Compact);
    const auto length = std::uint32_t(json.size());
    char header[sizeof length];
    std::memcpy(header, &length, sizeof length);
    std::fwrite(header, 1, sizeof header, stdout);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fflush(stdout);
}

enum class Read
{
    Message,
    End,    // the browser closed the pipe between messages
    Broken, // too large or cut short: the stream cannot be trusted further
};

Read readMessage(QByteArray &body)
{
    char header[4];
    const size_t got = std::fread(header, 1, sizeof header, stdin);
    if (got == 0)
        return Read::End;
    if (got != sizeof header)
        return Read::Broken;
    std::uint32_t length = 0;
    std::memcpy(&length, header, sizeof length);
    if (length == 0 || length > HostMessage::kMaxBytes)
        return Read::Broken;
    body.resize(qsizetype(length));
    return std::fread(body.data(), 1, length, stdin) == length ? Read::Message : Read::Broken;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The browsers give an origin or a manifest's path and an id, never this.
    if (argc == 2 && std::strcmp(argv[1], "--for-user") == 0) {
        const QStringList written = UserManifests::write();
        for (const QString &path : written)
            std::printf("%s\n", qPrintable(path));
        return written.isEmpty() ? 1 : 0;
    }
    QByteArray body;
    for (;;) {
        const Read read = readMessage(body);
        if (read == Read::End)
            return 0;
        if (read == Read::Broken) {
            answer(HostMessage::refused(
                {QStringLiteral("bad-length"),
                 QStringLiteral("the message is empty, too large or cut short")}));
            return 1;
        }
        const auto parsed = HostMessage::parse(body);
        if (const auto *refusal = std::get_if<HostRefusal>(&parsed)) {
            answer(HostMessage::refused(*refusal));
            continue;
        }
        const HostRequest &request = std::get<HostRequest>(parsed);
        if (const auto failed = ReelixBus::deliver(request))
            answer(HostMessage::refused(*failed));
        else
            answer(HostMessage::taken(int(request.addresses.size())));
    }
}
