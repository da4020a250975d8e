#include "VideoInfo.h"

#include "JsonFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

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

bool isVideoStream(const QJsonObject &format)
{
    const QJsonValue vcodec = format.value(QStringLiteral("vcodec"));
    return vcodec.isString() && vcodec.toString() != QStringLiteral("none");
}

double bitrate(const QJsonObject &format)
{
    const QJsonValue tbr = format.value(QStringLiteral("tbr"));
    return tbr.isDouble() ? tbr.toDouble() : 0.0;
}

} // namespace

std::optional<ParsedVideoInfo> parseVideoInfo(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject info = document.object();

    ParsedVideoInfo parsed;
    parsed.title = JsonFields::text(info, QStringLiteral("title"));
    parsed.thumbnail = JsonFields::text(info, QStringLiteral("thumbnail"));
    if (auto listing = Playlist::parse(info)) {
        parsed.title = listing->title;
        parsed.playlist = std::make_shared<const PlaylistListing>(std::move(*listing));
        return parsed;
    }

    QMap<int, QJsonObject> byHeight;
    const QJsonValue formats = info.value(QStringLiteral("formats"));
    if (formats.isArray()) {
        for (const QJsonValue &entry : formats.toArray()) {
            const QJsonObject format = entry.toObject();
            const auto height = JsonFields::integer(format.value(QStringLiteral("height")));
            if (!entry.isObject() || !height || !isVideoStream(format))
                continue;
            const double rate = bitrate(format);
            const auto existing = byHeight.constFind(*height);
            // The highest bitrate wins; on a tie the first one stays.
            if (existing != byHeight.constEnd() &&
                existing->value(QStringLiteral("tbr")).isDouble() &&
                existing->value(QStringLiteral("tbr")).toDouble() >= rate)
                continue;
            byHeight.insert(*height, format);
        }
    }
    for (auto it = byHeight.constEnd(); it != byHeight.constBegin();) {
        --it;
        parsed.formats.append(VideoFormat{JsonFields::text(*it, QStringLiteral("format_id")),
                                          QString::number(it.key()) + QLatin1Char('p'), it.key()});
    }
    parsed.vcodec = dominantVideoCodec(info);
    return parsed;
}

QString dominantVideoCodec(const QJsonObject &info)
{
    const QJsonArray formats = info.value(QStringLiteral("formats")).toArray();
    std::optional<QJsonObject> best;
    for (const QJsonValue &entry : formats) {
        const QJsonObject format = entry.toObject();
        if (!isVideoStream(format))
            continue;
        if (!best || bitrate(format) > bitrate(*best))
            best = format;
    }
    return best ? best->value(QStringLiteral("vcodec")).toString().toLower() : QString();
}

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

RunFailure failure(const QStringList &lines, bool youTube, bool checkDrm,
                   const CookieSource &cookies)
{
    // Cookies that could not be read come first: the page was never asked.
    const auto signIn = SignInErrors::classify(lines, cookies);
    if (signIn && signIn->kind == ErrorKind::CookiesUnreadable)
        return *signIn;
    if (checkDrm && isDrmProtected(lines))
        return {ErrorKind::Other, qtTrId("error.drm_protected")};
    if (isCertificateFailure(lines))
        return {ErrorKind::Other, qtTrId("error.ssl_certificate")};
    if (signIn)
        return *signIn;
    if (youTube && isYouTubeJavaScriptRuntime(lines))
        return {ErrorKind::Other, qtTrId("error.youtube_js_runtime")};
    return {ErrorKind::Other, lastErrorLine(lines).value_or(qtTrId("status.error"))};
}

} // namespace YtDlpErrors
