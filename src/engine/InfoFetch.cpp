#include "InfoFetch.h"

#include "ToolEnvironment.h"

using namespace std::chrono_literals;

namespace InfoFetch {

QStringList arguments(const QString &address, const YtDlpRun::Attempt &attempt)
{
    using namespace ToolEnvironment;
    // No configuration file of the user's or of any folder: one could add
    // options such as --exec. A video prints as with -j; a list (a feed, a
    // channel, a page of players) prints once, its entries listed but not
    // visited. A video's address inside a list stays that video.
    QStringList args{QStringLiteral("--ignore-config"),  QStringLiteral("--no-playlist"),
                     QStringLiteral("--flat-playlist"),  QStringLiteral("-J"),
                     QStringLiteral("--socket-timeout"), QStringLiteral("15")};
    args << tlsArguments(attempt.bundlePath)
         << javaScriptRuntimeArguments(address, attempt.allowMissingPOT)
         << ffmpegLocationArguments() << attempt.cookies.arguments();
    // "--" ends the options: an address that starts with "-" stays an address.
    args << QStringLiteral("--") << address;
    return args;
}

std::chrono::seconds timeLimit(bool youTube)
{
    return youTube ? 300s : 45s;
}

} // namespace InfoFetch
