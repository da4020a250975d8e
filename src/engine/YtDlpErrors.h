#pragma once

#include "cookies/CookieSource.h"
#include "platform/Failure.h"

#include <QStringList>

#include <optional>

// Recognisers over yt-dlp's standard-error lines.
namespace YtDlpErrors {
bool isUnknownOption(const QStringList &lines);
bool isCertificateFailure(const QStringList &lines);
bool isYouTubeJavaScriptRuntime(const QStringList &lines);
bool isDrmProtected(const QStringList &lines);
// The last line containing "ERROR", else the last line, else nothing.
std::optional<QString> lastErrorLine(const QStringList &lines);
// Why a run failed as the item shows it, the most telling cause first; the
// download run also recognises protected content. `cookies`: where the run
// took its cookies from.
Failure failure(const QStringList &lines, bool youTube, bool checkDrm, const CookieSource &cookies);
} // namespace YtDlpErrors
