#include "SubtitleFiles.h"

#include "DownloadRun.h"
#include "log/Logger.h"

#include <QFileInfo>

namespace {

// "Name.mp4" → ".../Name.fr.srt"; empty when the language would name a file
// in another folder.
QString subtitlePath(const QString &media, const QString &language)
{
    if (language.contains(QLatin1Char('/')) || language.contains(QLatin1Char('\\')) ||
        language.startsWith(QLatin1Char('.')))
        return {};
    const QFileInfo info(media);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.') + language +
           QStringLiteral(".srt");
}

} // namespace

namespace SubtitleFiles {

QStringList placeBeside(const QString &downloaded, const QString &placed,
                        const QStringList &languages)
{
    QStringList moved;
    for (const QString &language : languages) {
        const QString from = subtitlePath(downloaded, language);
        const QFileInfo source(from);
        if (from.isEmpty() || !source.isFile() || source.isSymLink())
            continue;
        const Result<QString> to =
            DownloadRun::moveToFreeName(from, subtitlePath(placed, language));
        if (to)
            moved << language;
        else
            Logger::shared().log(QStringLiteral("  ") + to.failure().message, LogLevel::Error);
    }
    return moved;
}

QStringList missing(const MediaChoices &choices, DownloadFormat format, const QStringList &refused,
                    const QStringList &placed)
{
    const bool embedded = choices.embedSubtitles && format == DownloadFormat::Video;
    QStringList languages;
    for (const QString &language : choices.subtitleLanguages) {
        if (refused.contains(language) || (!embedded && !placed.contains(language)))
            languages << language;
    }
    return languages;
}

} // namespace SubtitleFiles
