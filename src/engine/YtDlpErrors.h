#pragma once

#include "cookies/CookieSource.h"
#include "platform/Failure.h"

#include <QStringList>

#include <optional>

// Recognisers over yt-dlp's standard-error lines, and the sentences a failed
// item shows for them.
namespace YtDlpErrors {

// What yt-dlp's lines say went wrong, as far as a sentence tells it apart.
enum class Cause
{
    Drm,
    Certificate,
    LiveNotStarted,
    GeoRestricted,
    Unavailable,
    TooManyRequests,
    NotFound,
    Forbidden,
    Unsupported,
    NameNotResolved,
    Refused,
    TimedOut,
    NoNetwork,
    SiteChanged, // an extractor that no longer reads the site: a newer yt-dlp may
};

bool isUnknownOption(const QStringList &lines);
bool isCertificateFailure(const QStringList &lines);
bool isYouTubeJavaScriptRuntime(const QStringList &lines);
bool isDrmProtected(const QStringList &lines);
// The first cause of the table a line names, most telling first.
std::optional<Cause> cause(const QStringList &lines);
// The last line containing "ERROR", else the last line, else nothing.
std::optional<QString> lastErrorLine(const QStringList &lines);
// yt-dlp's line without its requests to report the problem upstream or to
// update it by hand (Reelix updates it); empty when nothing else is left.
QString withoutReportAdvice(const QString &line);
// The tool's own text a failure keeps as its detail: the last error line
// without report advice.
QString detail(const QStringList &lines);
// Why a run failed as the item shows it, the most telling cause first; the
// download run also recognises protected content. `cookies`: where the run
// took its cookies from.
Failure failure(const QStringList &lines, bool youTube, bool checkDrm, const CookieSource &cookies);
// A tool that was found but could not be started: the system's reason
// becomes the detail.
Failure launchFailure(const Failure &launch, const QString &tool);
} // namespace YtDlpErrors
