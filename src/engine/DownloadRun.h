#pragma once

#include "DownloadTypes.h"

#include <QString>
#include <QStringList>

#include <optional>

class DownloadItem;

// Pieces of the download run that need no child process.
namespace DownloadRun {

inline const QString outputTemplate = QStringLiteral("%(title).50s.%(ext)s");

// Text yt-dlp takes as it is inside an output template: a folder named
// "a%(id)s" stays that folder.
QString literalTemplateText(QString text);
QStringList downloadArguments(const DownloadItem &item, bool allowMissingPOT,
                              const std::optional<QString> &caBundlePath,
                              const QString &outputTemplatePath);
QStringList formatArguments(DownloadFormat format, const QString &selectedFormatID, bool youTube,
                            bool allowMissingPOT);
void handleProgressLine(const QString &line, DownloadItem &item);
std::optional<QString> findLatestFile(const QString &folder, const QString &extension);
QString formattedFileSize(const QString &path);
// The host of an address, or the address itself when it has none.
QString siteName(const QString &address);

} // namespace DownloadRun
