#pragma once

#include <QString>

#include <QCoro/QCoroTask>

#include <optional>

class DownloadItem;

// Rewrites an HEVC "hev1" sample-entry tag to "hvc1" without re-encoding.
// Returns the path the rewritten file lies under (the same path), or nothing
// when the file was left as it was.
// The child is held in `item` while it runs.
QCoro::Task<std::optional<QString>> retagHvc1(QString path, QString ffmpegPath,
                                              DownloadItem *item = nullptr);
// The rewrite goes to "._retag_<name>" beside the file, then replaces it.
inline const QString retagTemporaryPrefix = QStringLiteral("._retag_");
QString retagTemporaryPath(const QString &path);
