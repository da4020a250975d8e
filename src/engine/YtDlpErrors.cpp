#include "YtDlpErrors.h"

#include "SignInErrors.h"
#include "YtDlpAge.h"

#include <QRegularExpression>

namespace YtDlpErrors {

namespace {

bool anyLineContains(const QStringList &lines, std::initializer_list<const char *> markers)
{
    for (const QString &line : lines) {
        for (const char *marker : markers) {
            if (line.contains(QLatin1String(marker), Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}

// A cause, the sentence the item shows for it, and the texts of yt-dlp (and
// of Python's network errors beneath it) that name it.
struct CauseText
{
    Cause cause;
    const char *id;
    std::initializer_list<const char *> markers;
};

// Most telling first: a page that answered 404 is also a failed download.
const CauseText kCauses[] = {
    //% "This video is DRM-protected and cannot be downloaded."
    {Cause::Drm, QT_TRID_NOOP("error.drm_protected"), {"DRM protected"}},
    //% "The site's certificate could not be verified. Check your network or proxy, then retry."
    {Cause::Certificate,
     QT_TRID_NOOP("error.ssl_certificate"),
     {"CERTIFICATE_VERIFY_FAILED", "certificate verify failed",
      "unable to get local issuer certificate", "SSLCertVerificationError",
      "CertificateVerifyError"}},
    //% "This live stream or premiere has not started yet. Retry once it has begun."
    {Cause::LiveNotStarted,
     QT_TRID_NOOP("error.live_not_started"),
     {"will begin in", "Premieres in", "Premiere will begin", "live event will begin",
      "has not started yet", "not started yet", "is upcoming"}},
    //% "This video is not offered in your country, so it cannot be downloaded here."
    {Cause::GeoRestricted,
     QT_TRID_NOOP("error.geo_restricted"),
     {"not available from your location", "not made this video available in your country",
      "not available in your country", "geo restriction", "geo-restricted"}},
    //% "This video is private, removed or unavailable. Check the address in your browser."
    {Cause::Unavailable,
     QT_TRID_NOOP("error.video_unavailable"),
     {"Video unavailable", "This video is unavailable", "This video has been removed",
      "video is no longer available", "This video does not exist", "has been terminated",
      "removed by the uploader"}},
    //% "The site is limiting requests. Try again later."
    {Cause::TooManyRequests,
     QT_TRID_NOOP("error.too_many_requests"),
     {"HTTP Error 429", "Too Many Requests"}},
    //% "The page was not found. Check the address, then retry."
    {Cause::NotFound, QT_TRID_NOOP("error.page_not_found"), {"HTTP Error 404", "HTTP Error 410"}},
    //% "The site refused access. Try again later, or use a browser where you are signed in "
    //% "(Tools ▸ Cookies…)."
    {Cause::Forbidden, QT_TRID_NOOP("error.forbidden"), {"HTTP Error 403"}},
    //% "Reelix found no video at this address. Check that it points to a video's page."
    {Cause::Unsupported, QT_TRID_NOOP("error.unsupported_address"), {"Unsupported URL"}},
    //% "The site's name could not be found. Check the address and your internet connection."
    {Cause::NameNotResolved,
     QT_TRID_NOOP("error.name_not_resolved"),
     {"Name or service not known", "Temporary failure in name resolution",
      "No address associated with hostname", "nodename nor servname", "getaddrinfo failed",
      "Failed to resolve"}},
    //% "The site refused the connection. Check the address, or try again later."
    {Cause::Refused, QT_TRID_NOOP("error.connection_refused"), {"Connection refused"}},
    //% "The site did not answer in time. Check your internet connection, then retry."
    {Cause::TimedOut, QT_TRID_NOOP("error.timed_out"), {"timed out"}},
    //% "Reelix could not reach the site. Check your internet connection, then retry."
    {Cause::NoNetwork,
     QT_TRID_NOOP("error.no_network"),
     {"Network is unreachable", "No route to host", "Connection reset", "Connection aborted",
      "RemoteDisconnected"}},
    //% "yt-dlp could not read this page: the site may have changed. Reelix can update "
    //% "yt-dlp in Tools ▸ Check for updates, then retry."
    {Cause::SiteChanged,
     QT_TRID_NOOP("error.site_changed"),
     {"Unable to extract", "please report this issue"}},
};

const CauseText &textOf(Cause cause)
{
    return *std::find_if(std::begin(kCauses), std::end(kCauses),
                         [cause](const CauseText &entry) { return entry.cause == cause; });
}

bool hasCause(const QStringList &lines, Cause cause)
{
    return anyLineContains(lines, textOf(cause).markers);
}

Failure toolFailure(Cause cause, const QStringList &lines)
{
    return {Failure::Kind::Tool, qtTrId(textOf(cause).id), detail(lines)};
}

// A page yt-dlp could not read is most likely its own age when it is well
// behind the newest release: the row then names both versions.
Failure siteChangedFailure(const QStringList &lines)
{
    const YtDlpAge::Known age = YtDlpAge::current();
    if (!YtDlpAge::isStale(age))
        return toolFailure(Cause::SiteChanged, lines);
    if (age.ownCopy) {
        //% "yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is "
        //% "older than the newest, %2. Update it, then retry."
        return {Failure::Kind::OutdatedTool,
                qtTrId("error.site_changed_old_own").arg(age.version, age.newest), detail(lines)};
    }
    //% "yt-dlp could not read this page: the site may have changed, and the system's yt-dlp "
    //% "%1 is older than the newest, %2. Update it with the package manager, or install "
    //% "Reelix's own in Tools ▸ Check for updates."
    return {Failure::Kind::Tool,
            qtTrId("error.site_changed_old_system").arg(age.version, age.newest), detail(lines)};
}

} // namespace

bool isUnknownOption(const QStringList &lines)
{
    return anyLineContains(lines, {"no such option", "Unknown option"});
}

bool isCertificateFailure(const QStringList &lines)
{
    return hasCause(lines, Cause::Certificate);
}

bool isYouTubeJavaScriptRuntime(const QStringList &lines)
{
    return anyLineContains(lines, {"No supported JavaScript runtime", "n challenge solving failed",
                                   "Only images are available for download"});
}

bool isDrmProtected(const QStringList &lines)
{
    return hasCause(lines, Cause::Drm);
}

std::optional<Cause> cause(const QStringList &lines)
{
    for (const CauseText &entry : kCauses) {
        if (anyLineContains(lines, entry.markers))
            return entry.cause;
    }
    return std::nullopt;
}

std::optional<QString> lastErrorLine(const QStringList &lines)
{
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (it->contains(QStringLiteral("ERROR")))
            return *it;
    }
    if (!lines.isEmpty())
        return lines.last();
    return std::nullopt;
}

QString withoutReportAdvice(const QString &line)
{
    // "…; please report this issue on https://github.com/…, filling out the
    // appropriate issue template. Confirm you are on the latest version using
    // yt-dlp -U" ends many of yt-dlp's lines; the log keeps it.
    static const QRegularExpression request(
        QStringLiteral(R"([;,.\s]*\bplease report this issue\b.*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString kept = QString(line).remove(request).trimmed();
    if (anyLineContains({kept}, {"yt-dlp -U", "Confirm you are on the latest version",
                                 "appropriate issue template"}))
        return {};
    return kept;
}

QString detail(const QStringList &lines)
{
    QStringList kept;
    for (const QString &line : lines) {
        const QString clean = withoutReportAdvice(line);
        if (!clean.isEmpty())
            kept << clean;
    }
    return lastErrorLine(kept).value_or(QString());
}

Failure failure(const QStringList &lines, bool youTube, bool checkDrm, const CookieSource &cookies)
{
    // Cookies that could not be read come first: the page was never asked.
    auto signIn = SignInErrors::classify(lines, cookies);
    if (signIn && signIn->kind == Failure::Kind::CookiesUnreadable)
        return *signIn;
    if (checkDrm && isDrmProtected(lines))
        return toolFailure(Cause::Drm, lines);
    if (isCertificateFailure(lines))
        return toolFailure(Cause::Certificate, lines);
    if (signIn) {
        signIn->detail = detail(lines);
        return *signIn;
    }
    //% "YouTube needs the Node.js runtime. Install or update the tools, then retry."
    if (youTube && isYouTubeJavaScriptRuntime(lines))
        return {Failure::Kind::Tool, qtTrId("error.youtube_js_runtime"), detail(lines)};
    const std::optional<Cause> found = cause(lines);
    if (found == Cause::SiteChanged)
        return siteChangedFailure(lines);
    if (found && (*found != Cause::Drm || checkDrm))
        return toolFailure(*found, lines);
    //% "The download failed. Check the address and your connection, then retry."
    return {Failure::Kind::Tool, qtTrId("error.download_failed"), detail(lines)};
}

Failure launchFailure(const Failure &launch, const QString &tool)
{
    //% "%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates."
    return {launch.kind, qtTrId("error.tool_not_runnable").arg(tool), launch.message};
}

} // namespace YtDlpErrors
