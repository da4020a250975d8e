#include "DependencyChecker.h"
#include "ToolInstall.h"

#include "platform/PlatformProfile.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QUuid>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>
#include <QCoro/QCoroSignal>

#include <memory>

namespace {

QString uuidText()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

} // namespace

DependencyChecker::Source DependencyChecker::sourceFor(const Dependency *tool,
                                                       const QString &nodeVersion) const
{
    const PlatformProfile profile = PlatformProfile::current();
    if (tool == m_ytdlp)
        return {profile.ytdlpDownloadURL(), Placement::Executable, "setup.step.ytdlp",
                "update.step.ytdlp"};
    if (tool == m_ffmpeg)
        return {profile.ffmpegDownloadURL(), Placement::FfmpegArchive, "setup.step.ffmpeg",
                "update.step.ffmpeg"};
    return {profile.nodeDownloadURL(nodeVersion), Placement::NodeArchive, "setup.step.node",
            "update.step.node"};
}

void DependencyChecker::reportProgress(double fraction, Dependency *tool)
{
    tool->setProgress(fraction);
    if (tool->status().kind() == DepStatus::Kind::Updating)
        tool->setStatus(DepStatus::updating(fraction));
    else
        tool->setStatus(DepStatus::downloading(fraction));
}

QCoro::Task<DependencyChecker::Download>
DependencyChecker::downloadFile(QUrl url, std::function<void(double)> onProgress)
{
    Download result;
    const QString path = QDir::tempPath() + QStringLiteral("/reelix_dl_") + uuidText();
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result.error = file->errorString();
        co_return result;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QPointer<QNetworkReply> reply = network()->get(request);
    QObject context;
    bool writeFailed = false;
    // The body goes to disk as it arrives: archives are tens of megabytes.
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &context, [&, file] {
        const QByteArray chunk = reply->readAll();
        if (file->write(chunk) != chunk.size())
            writeFailed = true;
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &context,
                     [onProgress](qint64 received, qint64 total) {
                         if (total > 0 && onProgress)
                             onProgress(double(received) / double(total));
                     });
    co_await qCoro(reply.get(), &QNetworkReply::finished);
    QObject::disconnect(reply.get(), nullptr, &context, nullptr);
    const QByteArray rest = reply->readAll();
    if (file->write(rest) != rest.size())
        writeFailed = true;
    const QString writeError = file->errorString();
    file->close();
    reply->deleteLater();

    // Whatever arrives with an error status is an error page, not the tool.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        const QString reason =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        result.error = reason.isEmpty()
                           ? QStringLiteral("Le serveur a répondu HTTP %1").arg(status.toInt())
                           : QStringLiteral("Le serveur a répondu HTTP %1 (%2)")
                                 .arg(status.toInt())
                                 .arg(reason);
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else if (writeFailed) {
        result.error = writeError;
    }
    if (!result.error.isEmpty()) {
        QFile::remove(path);
        co_return result;
    }
    if (!QFileInfo::exists(path)) {
        result.error = InstallError::reelix(10).description;
        co_return result;
    }
    result.path = path;
    co_return result;
}

QCoro::Task<bool> DependencyChecker::installTool(Dependency *tool, QString address,
                                                 QString destination, Placement placement)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        co_return false;
    // Reports stop the moment the download is over, so none can land after
    // the final installed/failed status.
    auto open = std::make_shared<bool>(true);
    QPointer<DependencyChecker> self(this);
    const auto onProgress = [self, tool, open](double fraction) {
        if (*open && self)
            self->reportProgress(fraction, tool);
    };
    const Download download = co_await downloadFile(url, onProgress);
    *open = false;
    InstallResult failure;
    if (!download.path) {
        failure = InstallError{0, download.error};
    } else {
        const PlatformProfile profile = PlatformProfile::current();
        const QString source = *download.path;
        auto placing =
            QtConcurrent::run([placement, source, destination, profile]() -> InstallResult {
                switch (placement) {
                case Placement::Executable:
                    return ToolInstall::placeExecutable(source, destination, profile);
                case Placement::FfmpegArchive:
                    return ToolInstall::extractFfmpeg(source, destination, profile);
                case Placement::NodeArchive:
                    return ToolInstall::extractNode(source, destination, profile);
                }
                return std::nullopt;
            });
        failure = co_await placing;
    }
    if (failure) {
        tool->setStatus(DepStatus::failed(failure->description));
        appendLog(QStringLiteral("✗ ") + failure->description);
        co_return false;
    }
    tool->setStatus(DepStatus::installedStatus());
    co_return true;
}

QCoro::Task<> DependencyChecker::installAll()
{
    setIsInstalling(true);
    setLogOutput(QString());
    for (Dependency *tool : tools()) {
        if (tool->status().kind() == DepStatus::Kind::Installed)
            continue;
        const Source source = sourceFor(tool, QString::fromLatin1(nodeSetupVersion));
        setCurrentStep(qtTrId(source.setupStep));
        appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
        const bool installed =
            co_await installTool(tool, source.address, toolPath(tool), source.placement);
        if (!installed) {
            setIsInstalling(false);
            co_return;
        }
        appendLog(QStringLiteral("✓ ") + tool->name() + QLatin1Char(' ') + qtTrId("update.ready"));
    }
    setIsInstalling(false);
    setCurrentStep(QString());
}

QCoro::Task<> DependencyChecker::updateAll()
{
    setIsInstalling(true);
    setLogOutput(QString());
    for (Dependency *tool : tools()) {
        if (tool->status().kind() != DepStatus::Kind::UpdateAvailable)
            continue;
        const QString latest = tool->status().latest();
        // The Node.js address carries the version without its "v".
        const Source source =
            sourceFor(tool, latest.startsWith(QLatin1Char('v')) ? latest.mid(1) : latest);
        setCurrentStep(qtTrId(source.updateStep));
        appendLog(QStringLiteral("▶ ") + m_currentStep + QStringLiteral("…"));
        tool->setStatus(DepStatus::updating(0));
        const bool installed =
            co_await installTool(tool, source.address, toolPath(tool), source.placement);
        if (!installed) {
            setIsInstalling(false);
            co_return;
        }
        if (tool == m_ffmpeg) {
            appendLog(QStringLiteral("✓ ffmpeg ") + qtTrId("update.done"));
        } else {
            tool->setStatus(DepStatus::upToDate(latest));
            appendLog(QStringLiteral("✓ ") + tool->name() + QLatin1Char(' ') + latest);
        }
    }
    setIsInstalling(false);
    setCurrentStep(QString());
}
