#include "YtDlpErrors.h"

#include "SignInErrors.h"

namespace {

bool anyLineContains(const QStringList &lines, std::initializer_list<const char *> markers)
{
    for (const QString &line : lines) {
        for (const char *marker : markers) {
            if (line.contains(QLatin1String(marker)))
                return true;
        }
    }
    return false;
}

} // namespace

namespace YtDlpErrors {

bool isUnknownOption(const QStringList &lines)
{
    return anyLineContains(lines, {"no such option", "Unknown option"});
}

bool isCertificateFailure(const QStringList &lines)
{
    return anyLineContains(lines, {"CERTIFICATE_VERIFY_FAILED", "certificate verify failed",
                                   "unable to get local issuer certificate",
                                   "SSLCertVerificationError", "CertificateVerifyError"});
}

bool isYouTubeJavaScriptRuntime(const QStringList &lines)
{
    return anyLineContains(lines, {"No supported JavaScript runtime", "n challenge solving failed",
                                   "Only images are available for download"});
}

bool isDrmProtected(const QStringList &lines)
{
    return anyLineContains(lines, {"DRM protected"});
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

Failure failure(const QStringList &lines, bool youTube, bool checkDrm, const CookieSource &cookies)
{
    // Cookies that could not be read come first: the page was never asked.
    const auto signIn = SignInErrors::classify(lines, cookies);
    if (signIn && signIn->kind == Failure::Kind::CookiesUnreadable)
        return *signIn;
    if (checkDrm && isDrmProtected(lines))
        return {Failure::Kind::Tool, qtTrId("error.drm_protected")};
    if (isCertificateFailure(lines))
        return {Failure::Kind::Tool, qtTrId("error.ssl_certificate")};
    if (signIn)
        return *signIn;
    if (youTube && isYouTubeJavaScriptRuntime(lines))
        return {Failure::Kind::Tool, qtTrId("error.youtube_js_runtime")};
    return {Failure::Kind::Tool, lastErrorLine(lines).value_or(qtTrId("status.error"))};
}

} // namespace YtDlpErrors
