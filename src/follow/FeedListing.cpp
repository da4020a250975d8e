#include "FeedListing.h"

#include "engine/ProcessRunner.h"
#include "engine/ToolEnvironment.h"
#include "engine/ToolSandbox.h"
#include "engine/YtDlpErrors.h"
#include "log/Logger.h"
#include "platform/PlainText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

using namespace std::chrono_literals;

QStringList FeedListing::arguments(const QString &address)
{
    using namespace ToolEnvironment;
    // No configuration file of the user's: one could add options such as
    // --exec. The list prints once, its entries listed but not visited.
    // --print-traffic puts each answer's status line and headers on
    // standard output before the JSON.
    QStringList args{QStringLiteral("--ignore-config"),
                     QStringLiteral("--yes-playlist"),
                     QStringLiteral("--flat-playlist"),
                     QStringLiteral("-J"),
                     QStringLiteral("--print-traffic"),
                     QStringLiteral("--socket-timeout"),
                     QStringLiteral("15")};
    args << javaScriptRuntimeArguments(address, false) << ffmpegLocationArguments()
         << CookieSource::fromSettings().arguments();
    args << QStringLiteral("--") << address;
    return args;
}

QDateTime FeedListing::retryAfter(const QString &value, const QDateTime &now)
{
    bool ok = false;
    const qint64 seconds = value.trimmed().toLongLong(&ok);
    if (ok)
        return seconds >= 0 ? now.addSecs(qMin<qint64>(seconds, 7 * 24 * 3600)) : QDateTime();
    return QDateTime::fromString(value.trimmed(), Qt::RFC2822Date);
}

FeedListing FeedListing::read(const QByteArray &out, const QString &err, const QDateTime &now)
{
    static const QRegularExpression reply(QStringLiteral("^reply: 'HTTP/[0-9.]+ ([0-9]{3})"));
    FeedListing result;
    for (const QByteArray &raw : out.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (const auto m = reply.match(line); m.hasMatch()) {
            result.httpStatus = m.captured(1).toInt();
            result.retryAt = {};
        } else if (line.startsWith(QLatin1String("header: Retry-After:"), Qt::CaseInsensitive)) {
            result.retryAt = retryAfter(line.section(QLatin1Char(':'), 2), now);
        } else if (line.startsWith(QLatin1Char('{'))) {
            const QJsonObject info = QJsonDocument::fromJson(raw).object();
            result.listing = Playlist::parse(info);
            if (result.listing)
                result.info = info;
            if (!result.listing && !info.isEmpty())
                //% "This address is one video, not a list."
                result.error = qtTrId("follow.error.not_list");
        }
    }
    if (!result.listing && result.error.isEmpty()) {
        const QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.isEmpty()) {
            //% "yt-dlp could not read the list."
            result.error = qtTrId("follow.error.unread");
        } else {
            // Explained as a download row explains it, yt-dlp's line kept as the detail.
            const Failure failure =
                YtDlpErrors::failure(lines, false, false, CookieSource::fromSettings());
            result.error = failure.message;
            result.errorDetail = PlainText::withoutHidden(failure.detail);
        }
    }
    return result;
}

QCoro::Task<FeedListing> FeedListing::fetch(QString address)
{
    const std::optional<QString> ytdlp = ToolEnvironment::findTool(QStringLiteral("yt-dlp"));
    if (!ytdlp) {
        FeedListing missing;
        //% "yt-dlp is not installed."
        missing.error = qtTrId("follow.error.no_ytdlp");
        co_return missing;
    }
    QProcess process;
    process.setProgram(*ytdlp);
    process.setArguments(arguments(address));
    Logger::shared().logCommand(QStringLiteral("yt-dlp"), process.arguments());
    ToolEnvironment::configureEnvironment(process, std::nullopt);
    RunOptions options;
    options.timeLimit = ToolEnvironment::isYouTubeURL(address) ? 300s : 45s;
    options.siteName = QStringLiteral("follow listing");
    options.sandbox = ToolSandbox::forYtDlp({}, {}, CookieSource::fromSettings());
    const ProcessRunResult run = co_await ::run(process, options);
    if (!run.started()) {
        FeedListing failed;
        failed.error = run.launchError->message;
        co_return failed;
    }
    co_return read(run.stdoutData, run.stderrText, QDateTime::currentDateTimeUtc());
}
