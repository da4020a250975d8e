#include "ToolEnvironment.h"

#include "log/Logger.h"
#include "platform/Secrets.h"
#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ToolEnvironment {

namespace {

const QStringList kRemovedVariables{QStringLiteral("SSL_CERT_FILE"), QStringLiteral("SSL_CERT_DIR"),
                                    QStringLiteral("REQUESTS_CA_BUNDLE"),
                                    QStringLiteral("CURL_CA_BUNDLE"),
                                    QStringLiteral("PYTHONHTTPSVERIFY")};
const QStringList kProxyVariables{QStringLiteral("HTTPS_PROXY"), QStringLiteral("https_proxy"),
                                  QStringLiteral("HTTP_PROXY"), QStringLiteral("http_proxy")};
const QStringList kBundleVariables{QStringLiteral("SSL_CERT_FILE"),
                                   QStringLiteral("REQUESTS_CA_BUNDLE"),
                                   QStringLiteral("CURL_CA_BUNDLE")};
const QStringList kYouTubeHosts{QStringLiteral("youtube.com"), QStringLiteral("www.youtube.com"),
                                QStringLiteral("m.youtube.com"),
                                QStringLiteral("music.youtube.com"), QStringLiteral("youtu.be")};

} // namespace

std::optional<QString> findTool(const QString &name)
{
    if (const auto found = ToolPaths::locate(name))
        return found->path;
    return std::nullopt;
}

bool isYouTubeURL(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    return kYouTubeHosts.contains(url.host().toLower());
}

QStringList tlsArguments(const std::optional<QString> &caBundlePath)
{
    if (UserDefaults::boolValue(QStringLiteral("allowInsecureTLS"))) {
        Logger::shared().log(
            QStringLiteral("  ⚠︎ allowInsecureTLS actif — vérification des certificats désactivée"),
            LogLevel::Warning);
        return {QStringLiteral("--no-check-certificates")};
    }
    if (caBundlePath)
        return {QStringLiteral("--compat-options"), QStringLiteral("no-certifi")};
    return {};
}

QStringList javaScriptRuntimeArguments(const QString &address, bool allowMissingPOT)
{
    if (!isYouTubeURL(address))
        return {};
    const QString node = ToolPaths::binDirectory() + QStringLiteral("/node");
    if (!ToolPaths::isExecutableFile(node))
        return {};
    QStringList args{QStringLiteral("--js-runtimes"), QStringLiteral("node:") + node,
                     QStringLiteral("--remote-components"), QStringLiteral("ejs:github")};
    if (allowMissingPOT)
        args << QStringLiteral("--extractor-args") << QStringLiteral("youtube:formats=missing_pot");
    return args;
}

QStringList ffmpegLocationArguments()
{
    const auto ffmpeg = findTool(QStringLiteral("ffmpeg"));
    if (!ffmpeg)
        return {};
    return {QStringLiteral("--ffmpeg-location"), QFileInfo(*ffmpeg).path()};
}

void configureEnvironment(QProcess &process, const std::optional<QString> &caBundlePath)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : kRemovedVariables) {
        if (env.contains(name)) {
            Logger::shared().log(QStringLiteral("  env héritée ignorée : ") + name +
                                     QLatin1Char('=') + env.value(name),
                                 LogLevel::Warning);
            env.remove(name);
        }
    }
    for (const QString &name : kProxyVariables) {
        if (env.contains(name)) {
            Logger::shared().log(QStringLiteral("  proxy détecté : ") + name + QLatin1Char('=') +
                                     Secrets::maskPassword(env.value(name)),
                                 LogLevel::Debug);
        }
    }
    if (caBundlePath) {
        for (const QString &name : kBundleVariables)
            env.insert(name, *caBundlePath);
    }
    process.setProcessEnvironment(env);
}

} // namespace ToolEnvironment
