#pragma once

#include "DownloadTypes.h"
#include "MediaChoices.h"
#include "ProgressText.h"
#include "YtDlpRun.h"
#include "platform/Failure.h"

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
// Where a download run starts from, and how many fragments it has in flight.
struct Source
{
    int fragments = 1;
    QString infoJson; // the saved information run's JSON; empty: the page itself
    QString archive;  // yt-dlp's download archive to skip and record in; empty: none
    // From the page only: the run prints the page's information as it goes
    // (see PrintedInfo), and takes the highest format at or below this
    // height when none is chosen (0: the usual choice; audio: none).
    bool printInfo = false;
    int heightCap = 0;
};

QStringList downloadArguments(const DownloadItem &item, const YtDlpRun::Attempt &attempt,
                              const QString &outputTemplatePath, const Source &source);
// yt-dlp's choice of the highest format at or below `cap`, else the lowest
// one: what Playlist::pickFormat picks once the formats are known.
QString cappedSelector(int cap);
// The format selection and conversion the item's choices ask for.
QStringList formatArguments(DownloadFormat format, const QString &selectedFormatID, bool youTube,
                            bool allowMissingPOT, const MediaChoices &choices = {},
                            const QList<AudioTrack> &tracks = {});
// The figures of one of yt-dlp's "[download]" progress lines; nothing for
// its other lines.
std::optional<ProgressFigures> parseProgressLine(const QString &line);
// Follows one line of the download run: progress, the row's progress line in
// the user's language, and the file yt-dlp reports at its end.
void handleProgressLine(const QString &line, DownloadItem &item);
std::optional<QString> findLatestFile(const QString &folder, const QString &extension);
QString formattedFileSize(const QString &path);
// `wanted` when no file has that name, else the first free "Name (2).ext",
// "Name (3).ext" … in the same folder.
QString freePath(const QString &wanted);
// Renames `from` to `wanted` or to the first free name after it, never over
// an existing file; the name it got, or why it could not be moved.
Result<QString> moveToFreeName(const QString &from, const QString &wanted);
// The item's failure when a tool's standard error says the disk is full
// (the line naming the cause comes before the tool's last words); nothing
// otherwise. `folder` is where space is needed.
std::optional<Failure> diskFull(const QStringList &stderrLines, const QString &folder);
// Whether a run failed for want of file handles, at its start or in the
// tool (EMFILE, ENFILE): it may go once other runs have ended.
bool outOfFileHandles(const ProcessRunResult &run, const QStringList &stderrLines);
// The host of an address, or the address itself when it has none.
QString siteName(const QString &address);

} // namespace DownloadRun
