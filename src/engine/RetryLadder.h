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

    std::optional<QString> bundlePath; // the bundle in use, if any
    bool certificateRetryUsed = false;

    // Decides after a failed run (non-zero status, not cancelled, started).
    QCoro::Task<Next> afterFailure(QStringList stderrLines, bool allowMissingPOT, bool youTube);

    static QList<bool> attempts(bool youTube)
    {
        return youTube ? QList<bool>{false, true} : QList<bool>{false};
    }
};
