#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>

#include <QCoro/QCoroTask>

class QNetworkAccessManager;
class StopSwitch;
struct ToolSource;

// A download checked against the sums its distributor publishes beside it,
// before anything is placed.
namespace DownloadCheck {

// The digest (lower-case hex) listed for `assetName` in a sums file of
// "<digest>  <name>" lines; a failure when none is, or when the name is
// listed more than once with different digests (which one would be right?).
Result<QByteArray> digestFor(const QByteArray &sumsFile, const QString &assetName);
// The published digest of the source's download; a failure when the sums
// file cannot be fetched (a stop ends that transfer) or names no one digest.
QCoro::Task<Result<QByteArray>> publishedDigest(QNetworkAccessManager &network, ToolSource source,
                                                const StopSwitch *stop);
// Blocking: hashes the downloaded file as the source's sums do and compares.
Outcome matches(const QString &path, const QByteArray &digest, const ToolSource &source);

} // namespace DownloadCheck
