#pragma once

#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

#include <optional>

// The bounded retries shared by the information and download runs: one run
// without the certificate options after yt-dlp refuses them, one bundle
// rebuild after a certificate failure, one YouTube fallback attempt.
class RetryLadder
{
public:
    enum class Next
    {
        Finish,
        SameAttempt,
        NextAttempt
    };

    explicit RetryLadder(bool youTube) : m_attempts(youTube ? 2 : 1) {}

    std::optional<QString> bundlePath; // the bundle in use, if any

    // The current attempt is YouTube's fallback for formats without a token.
    bool allowMissingPOT() const { return m_attempt > 0; }
    // Decides after a failed run (non-zero status, not cancelled, started).
    QCoro::Task<Next> afterFailure(QStringList stderrLines, bool youTube);
    // Moves on as decided; false when the ladder has ended.
    bool advance(Next next);

private:
    int m_attempts;
    int m_attempt = 0;
    bool m_certificateRetryUsed = false;
};
