#include "DownloadRun.h"

#include "AudioTracks.h"
#include "DownloadItem.h"
#include "FileDataArguments.h"
#include "MediaArguments.h"
#include "PrintedInfo.h"
#include "SizeText.h"
#include "ToolEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <unistd.h>

namespace DownloadRun {

QStringList formatArguments(DownloadFormat format, const QString &selectedFormatID, bool youTube,
                            bool allowMissingPOT, const MediaChoices &choices,
                            const QList<AudioTrack> &tracks)
{
    // YouTube's fallback without a proof-of-origin token takes the muxed
    // formats, each with one audio track: no track is asked for there.
    const QString audioFilter =
        youTube && allowMissingPOT ? QString() : MediaArguments::audioFilter(choices, tracks);
    if (format == DownloadFormat::Audio)
        return MediaArguments::audioArguments(choices, audioFilter);
    if (choices.container != Media::Container::Mp4)
        return MediaArguments::containerArguments(choices, tracks, selectedFormatID);
    QString selector;
    if (!selectedFormatID.isEmpty())
        // A format with its own audio (a muxed HLS variant) has no separate
        // audio to join: it is taken on its own before anything else is.
        selector = selectedFormatID + QStringLiteral("+bestaudio/") + selectedFormatID +
                   QStringLiteral("/best");
    else if (!youTube)
        selector = QStringLiteral("bestvideo[ext=mp4]+bestaudio[ext=m4a]/bestvideo+bestaudio/best");
    else if (!allowMissingPOT)
        selector = QStringLiteral("bestvideo[vcodec^=avc1]+bestaudio[acodec^=mp4a]/"
                                  "bestvideo[vcodec^=avc1]+bestaudio/bestvideo+bestaudio/best");
    else
        selector =
            QStringLiteral("best[ext=mp4]/18/bestvideo[vcodec^=avc1]+bestaudio[acodec^=mp4a]/"
                           "bestvideo[vcodec^=avc1]+bestaudio/best");
    QStringList args{QStringLiteral("-f"), MediaArguments::preferAudio(selector, audioFilter),
                     QStringLiteral("--merge-output-format"), QStringLiteral("mp4")};
    if (const auto track = AudioTracks::wanted(tracks, choices.audioLanguage))
        args << MediaArguments::languageTags({track->language});
    return args;
}

QString cappedSelector(int cap)
{
    // "<=?": a format of unknown height is taken as within the cap.
    const QString within = cap == std::numeric_limits<int>::max()
                               ? QString()
                               : QStringLiteral("[height<=?%1]").arg(cap);
    return QStringLiteral("bv*%1+bestaudio/bv*%1/wv*+bestaudio/wv*/b").arg(within);
}

QString literalTemplateText(QString text)
{
    return text.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

QStringList downloadArguments(const DownloadItem &item, const YtDlpRun::Attempt &attempt,
                              const QString &outputTemplatePath, const Source &source)
{
    const bool allowMissingPOT = attempt.allowMissingPOT;
    QStringList args{QStringLiteral("--ignore-config"), // as in the information run
                     QStringLiteral("--no-playlist"), QStringLiteral("--newline"),
                     QStringLiteral("--progress"), QStringLiteral("--print"),
                     QStringLiteral("after_move:filepath"), QStringLiteral("--no-simulate"),
                     QStringLiteral("-o"), outputTemplatePath,
                     // DASH and HLS formats come in small pieces, each one slow
                     // where a site limits every connection's speed.
                     QStringLiteral("--concurrent-fragments"), QString::number(source.fragments)};
    args << ToolEnvironment::tlsArguments(attempt.bundlePath)
         << ToolEnvironment::javaScriptRuntimeArguments(item.url(), allowMissingPOT)
         << formatArguments(item.format(), item.selectedFormatID(),
                            ToolEnvironment::isYouTubeURL(item.url()), allowMissingPOT,
                            item.choices(), item.audioTracks())
         << FileDataArguments::arguments(item) << ToolEnvironment::ffmpegLocationArguments()
         << attempt.cookies.arguments();
    if (!source.archive.isEmpty()) {
        // yt-dlp writes one line per id: an id with a line break in it (a
        // page's or a feed's own text) would add lines of its choosing.
        args << QStringLiteral("--download-archive") << source.archive
             << QStringLiteral("--replace-in-metadata") << QStringLiteral("id")
             << QStringLiteral("[\\x00-\\x1f\\x7f-\\x9f\\u2028\\u2029]") << QString();
    }
    if (!source.infoJson.isEmpty())
        return args << QStringLiteral("--load-info-json") << source.infoJson;
    if (source.printInfo)
        args << PrintedInfo::printArguments();
    // The last -f is yt-dlp's choice; the fallback attempt keeps its own.
    if (source.heightCap > 0 && item.format() == DownloadFormat::Video &&
        item.selectedFormatID().isEmpty() && !allowMissingPOT)
        args << QStringLiteral("-f")
             << MediaArguments::preferAudio(
                    cappedSelector(source.heightCap),
                    MediaArguments::audioFilter(item.choices(), item.audioTracks()));
    // "--" ends the options: an address that starts with "-" stays an address.
    args << QStringLiteral("--") << item.url();
    return args;
}

namespace {

// "9.61MiB", "512.00B": yt-dlp counts in powers of 1024.
std::optional<qint64> bytesOf(const QString &number, const QString &unit)
{
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const qsizetype power =
        unit.size() > 1 ? QStringLiteral("KMGTPEZY").indexOf(unit.at(0)) + 1 : 0;
    return std::llround(value * std::pow(1024.0, double(power)));
}

// "01:05" or "01:02:03".
qint64 secondsOf(const QString &clock)
{
    qint64 seconds = 0;
    for (const QString &part : clock.split(QLatin1Char(':')))
        seconds = seconds * 60 + part.toLongLong();
    return seconds;
}

} // namespace

std::optional<ProgressFigures> parseProgressLine(const QString &line)
{
    const QString text = line.trimmed();
    if (!text.startsWith(QStringLiteral("[download]")))
        return std::nullopt;
    const QString rest = text.mid(10).trimmed();
    static const QString size = QStringLiteral(R"((\d+(?:\.\d+)?)([KMGTPEZY]?i?B))");
    static const QRegularExpression percent(QStringLiteral(R"(^(\d+(?:\.\d+)?)%)"));
    static const QRegularExpression done(QLatin1Char('^') + size + QStringLiteral(R"(\s+at\b)"));
    static const QRegularExpression total(QStringLiteral(R"(\bof\s+(~)?\s*)") + size);
    static const QRegularExpression speed(QStringLiteral(R"(\bat\s+)") + size +
                                          QStringLiteral("/s"));
    static const QRegularExpression eta(QStringLiteral(R"(\bETA\s+(\d+(?::\d+){1,2}))"));
    ProgressFigures figures;
    if (const auto m = percent.match(rest); m.hasMatch())
        figures.percent = m.captured(1).toDouble();
    else if (const auto d = done.match(rest); d.hasMatch())
        figures.doneBytes = bytesOf(d.captured(1), d.captured(2));
    else
        return std::nullopt;
    if (const auto m = total.match(rest); m.hasMatch()) {
        figures.totalEstimated = m.hasCaptured(1);
        figures.totalBytes = bytesOf(m.captured(2), m.captured(3));
    }
    if (const auto m = speed.match(rest); m.hasMatch())
        figures.bytesPerSecond = bytesOf(m.captured(1), m.captured(2));
    if (const auto m = eta.match(rest); m.hasMatch())
        figures.secondsLeft = secondsOf(m.captured(1));
    return figures;
}

void handleProgressLine(const QString &line, DownloadItem &item)
{
    const QString text = line.trimmed();
    if (text.startsWith(QLatin1Char('/'))) {
        if (ItemRun *run = item.run())
            run->setReportedFilePath(text);
        return;
    }
    if (PrintedInfo *info = item.run() ? item.run()->printedInfo() : nullptr;
        info && info->take(text))
        return;
    const std::optional<ProgressFigures> figures = parseProgressLine(text);
    if (!figures)
        return;
    if (figures->percent)
        item.setProgress(*figures->percent / 100.0);
    item.setStatusMessage(ProgressText::line(*figures));
}

std::optional<QString> findLatestFile(const QString &folder, const QString &extension)
{
    const QDir dir(folder);
    if (!dir.exists())
        return std::nullopt;
    std::optional<QFileInfo> newest;
    QDateTime newestTime;
    const auto entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().toLower() != extension)
            continue;
        // Creation time where the file system keeps it, else the last change.
        QDateTime when = entry.birthTime();
        if (!when.isValid())
            when = entry.lastModified();
        if (!newest || (when.isValid() && (!newestTime.isValid() || when > newestTime))) {
            newest = entry;
            newestTime = when;
        }
    }
    if (!newest)
        return std::nullopt;
    return newest->absoluteFilePath();
}

QString formattedFileSize(const QString &path)
{
    const QFileInfo info(path);
    return sizeText(info.exists() ? info.size() : 0);
}

QString freePath(const QString &wanted)
{
    const QFileInfo info(wanted);
    const QString folder = info.path() + QLatin1Char('/');
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString candidate = wanted;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = folder + base + QStringLiteral(" (%1)").arg(n) + suffix;
    return candidate;
}

Result<QString> moveToFreeName(const QString &from, const QString &wanted)
{
    // link() fails when the name is taken, also when it was taken a moment
    // ago by someone else; rename() would replace that file.
    int code = EEXIST;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString target = freePath(wanted);
        if (::link(QFile::encodeName(from).constData(), QFile::encodeName(target).constData()) ==
            0) {
            QFile::remove(from);
            return target;
        }
        if (errno == EEXIST)
            continue;
        // A file system without hard links (FAT, exFAT): a plain rename to a
        // name free a moment ago.
        if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(target).constData()) ==
            0)
            return target;
        code = errno;
        break;
    }
    return Failure{Failure::Kind::FileSystem,
                   QStringLiteral("%1 could not be moved to %2: %3")
                       .arg(from, wanted, QString::fromLocal8Bit(std::strerror(code)))};
}

std::optional<Failure> diskFull(const QStringList &stderrLines, const QString &folder)
{
    // strerror(ENOSPC) as Python and ffmpeg print it; neither translates it.
    for (const QString &line : stderrLines) {
        if (line.contains(QStringLiteral("No space left on device")))
            return Failure{Failure::Kind::FileSystem,
                           //% "The disk is full: free some space in %1 and try again."
                           qtTrId("error.disk_full").arg(QDir::toNativeSeparators(folder)),
                           line.trimmed()};
    }
    return std::nullopt;
}

bool outOfFileHandles(const ProcessRunResult &run, const QStringList &stderrLines)
{
    if (run.outOfFileHandles)
        return true;
    // strerror(EMFILE) and strerror(ENFILE) as Python and ffmpeg print them.
    return run.status != 0 &&
           std::any_of(stderrLines.cbegin(), stderrLines.cend(), [](const QString &line) {
               return line.contains(QStringLiteral("Too many open files"));
           });
}

QString siteName(const QString &address)
{
    const QUrl url(address);
    const QString host = url.host();
    return host.isEmpty() ? address : host;
}

} // namespace DownloadRun
