#include "PrintedInfo.h"

#include "DownloadItem.h"
#include "ItemRun.h"
#include "SavedInfo.h"

#include <QtConcurrent>

#include <QCoro/QCoroFuture>

namespace {

// Whether the format to take depends on the page's audio tracks as only the
// information run reads them: every track, in their order, or the original
// when yt-dlp marked none and the page's manifest tells it.
bool needsTheTracks(const ParsedVideoInfo &info, const MediaChoices &choices)
{
    if (choices.allAudioTracks)
        return info.audioTracks.size() > 1;
    return info.audioManifest && choices.audioLanguage.isEmpty();
}

} // namespace

PrintedInfo::PrintedInfo(DownloadItem &item, QString savePath)
    : m_item(&item), m_savePath(std::move(savePath))
{
    QObject::connect(&m_watcher, &QFutureWatcherBase::finished, &m_watcher, [this] { show(); });
}

QStringList PrintedInfo::printArguments()
{
    // A list's entries are listed, not visited: the list becomes a header
    // row with its entries, as from the information run.
    // An entry listed flat passes; one that is a whole video would be
    // fetched into the list's own working folder, so the run stops there.
    return {QStringLiteral("--flat-playlist"), QStringLiteral("--print"),
            QStringLiteral("video:%()j"),      QStringLiteral("--print"),
            QStringLiteral("playlist:%()j"),   QStringLiteral("--match-filter"),
            QStringLiteral("!playlist_index"), QStringLiteral("--match-filter"),
            QStringLiteral("_type^=url"),      QStringLiteral("--break-on-reject")};
}

bool PrintedInfo::stoppedAtList(const ProcessRunResult &run) const
{
    // yt-dlp's exit status when --break-on-reject stops it.
    constexpr int rejected = 101;
    return run.started() && run.status == rejected && !m_parsed && !m_list;
}

bool PrintedInfo::take(const QString &line)
{
    // JSON on one line: a title's line breaks are escaped in it.
    if (!line.startsWith(QLatin1Char('{')))
        return false;
    const QByteArray json = line.toUtf8();
    if (m_list || m_parsed) {
        m_last = json;
        return true;
    }
    // yt-dlp writes a listed entry's type first; a video has none.
    if (json.startsWith(R"({"_type": "url)")) {
        m_list = true;
        return true;
    }
    m_parsed = true;
    const QString savePath = m_savePath;
    m_parsing = QtConcurrent::run([json, savePath] {
        auto info = parseVideoInfo(json);
        if (info && !info->playlist)
            SavedInfo::write(savePath, json);
        return info;
    });
    m_watcher.setFuture(m_parsing);
    return true;
}

void PrintedInfo::show()
{
    if (m_shown || !m_item || !m_parsing.isFinished())
        return;
    const std::optional<ParsedVideoInfo> info = m_parsing.result();
    if (!info || info->playlist)
        return;
    m_shown = true;
    DownloadItem &item = *m_item;
    // An entry keeps the title its list gave it.
    if (!item.isGroupEntry() || item.title().isEmpty())
        item.setTitle(info->title);
    item.setThumbnailURL(info->thumbnail);
    item.setFormats(info->formats, info->vcodec);
    item.setTracks(info->audioTracks, info->subtitles);
    if (info->duration > 0)
        item.setDuration(info->duration);
    if (needsTheTracks(*info, item.choices()) && item.run()) {
        m_stoppedForTracks = true;
        item.run()->interrupt();
    }
}

QCoro::Task<std::optional<ParsedVideoInfo>> PrintedInfo::settled()
{
    if (m_parsed) {
        co_await m_parsing;
        show();
        // A list without entries prints only itself.
        if (auto info = m_parsing.result(); info && info->playlist)
            co_return info;
    }
    if (!m_list || m_last.isEmpty())
        co_return std::nullopt;
    // Named, not a temporary of the co_await: g++ 12 destroys such a
    // temporary twice, and the JSON it shares with m_last with it.
    auto parsing = QtConcurrent::run([json = m_last] { return parseVideoInfo(json); });
    auto parsed = co_await parsing;
    if (parsed && !parsed->playlist)
        co_return std::nullopt;
    co_return parsed;
}
