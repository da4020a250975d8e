#pragma once

#include "platform/Failure.h"

#include <QString>

#include <QCoro/QCoroTask>

class DownloadItem;

// Rewrites an HEVC "hev1" sample-entry tag to "hvc1" without re-encoding.
// The rewritten file replaces the one at `path`; on a failure the file is
// left as it was. The child is held in `item` while it runs.
QCoro::Task<Outcome> retagHvc1(QString path, QString ffmpegPath, DownloadItem *item = nullptr);
// The rewrite goes to "._retag_<name>" beside the file, then replaces it.
inline const QString retagTemporaryPrefix = QStringLiteral("._retag_");
QString retagTemporaryPath(const QString &path);
