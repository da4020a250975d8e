#include "RetryLadder.h"

#include "YtDlpErrors.h"
#include "certs/CertificateStore.h"
#include "log/Logger.h"

QCoro::Task<RetryLadder::Next> RetryLadder::afterFailure(QStringList stderrLines, bool youTube)
{
    if (YtDlpErrors::isUnknownOption(stderrLines) && bundlePath) {
        Logger::shared().log(QStringLiteral("  yt-dlp refuse les options TLS — nouvel essai sans "
                                            "elles (mettre yt-dlp à jour)"),
                             LogLevel::Warning);
        bundlePath.reset();
        co_return Next::SameAttempt;
    }
    if (!m_certificateRetryUsed && YtDlpErrors::isCertificateFailure(stderrLines)) {
        Logger::shared().log(QStringLiteral("  Échec de vérification TLS — reconstruction du "
                                            "magasin de certificats puis nouvel essai"),
                             LogLevel::Warning);
        bundlePath = co_await CertificateStore::bundlePath(true);
        m_certificateRetryUsed = true;
        co_return Next::SameAttempt;
    }
    if (!allowMissingPOT() && youTube && YtDlpErrors::isYouTubeJavaScriptRuntime(stderrLines))
        co_return Next::NextAttempt;
    co_return Next::Finish;
}

bool RetryLadder::advance(Next next)
{
    if (next == Next::SameAttempt)
        return true;
    if (next == Next::NextAttempt && m_attempt + 1 < m_attempts) {
        ++m_attempt;
        return true;
    }
    return false;
}
