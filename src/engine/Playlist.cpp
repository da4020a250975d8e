#include "Playlist.h"

#include "JsonFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

// Where an entry's own information run goes: the address a flat listing gives
// for it, or, for an entry the listing resolved already (a page's players),
// its own page, else its media.
QString entryAddress(const QJsonObject &entry, const QString &listPage)
{
    const QString type = JsonFields::text(entry, QStringLiteral("_type"));
    const QString url = JsonFields::text(entry, QStringLiteral("url"));
    const QString page = JsonFields::text(entry, QStringLiteral("webpage_url"));
    if (type == QLatin1String("url") || type == QLatin1String("url_transparent"))
        return url.isEmpty() ? page : url;
    if (!page.isEmpty() && page != listPage)
        return page;
    // The media itself: it keeps the id the list gave it, as yt-dlp's own
    // feed entries do, so that the download archive tells the entries apart.
    const QString id = JsonFields::text(entry, QStringLiteral("id"));
    if (url.isEmpty() || id.isEmpty() || url.contains(QLatin1Char('#')))
        return url;
    const QByteArray data = QJsonDocument(QJsonObject{{QStringLiteral("force_videoid"), id}})
                                .toJson(QJsonDocument::Compact);
    return url + QStringLiteral("#__youtubedl_smuggle=") +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(data)));
}

struct Range
{
    std::optional<int> start, stop;
    int step = 1;
};

// One comma-separated piece: "N", "A-B" or "[A]:[B][:S]".
std::optional<Range> parseRange(const QString &piece)
{
    static const QRegularExpression single(QStringLiteral("^(-?\\d+)$"));
    static const QRegularExpression dash(QStringLiteral("^(-?\\d+)-(-?\\d+)$"));
    static const QRegularExpression slice(QStringLiteral("^(-?\\d+)?:(-?\\d+)?(?::(-?\\d+))?$"));
    const QString text = piece.trimmed();
    if (const auto m = single.match(text); m.hasMatch())
        return Range{m.captured(1).toInt(), m.captured(1).toInt(), 1};
    if (const auto m = dash.match(text); m.hasMatch())
        return Range{m.captured(1).toInt(), m.captured(2).toInt(), 1};
    if (const auto m = slice.match(text); m.hasMatch()) {
        Range r;
        if (!m.captured(1).isEmpty())
            r.start = m.captured(1).toInt();
        if (!m.captured(2).isEmpty())
            r.stop = m.captured(2).toInt();
        r.step = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
        if (r.step == 0)
            return std::nullopt;
        return r;
    }
    return std::nullopt;
}

int absolute(int n, int count)
{
    return n < 0 ? count + 1 + n : n;
}

} // namespace

namespace Playlist {

std::optional<PlaylistListing> parse(const QJsonObject &info)
{
    if (JsonFields::text(info, QStringLiteral("_type")) != QLatin1String("playlist"))
        return std::nullopt;
    PlaylistListing listing;
    listing.title = JsonFields::text(info, QStringLiteral("title"));
    if (listing.title.isEmpty())
        listing.title = JsonFields::text(info, QStringLiteral("id"));
    const QString page = JsonFields::text(info, QStringLiteral("webpage_url"));
    const QJsonArray entries = info.value(QStringLiteral("entries")).toArray();
    listing.count = int(entries.size());
    listing.entries.reserve(entries.size());
    int index = 0;
    for (const QJsonValue &value : entries) {
        ++index;
        const QJsonObject entry = value.toObject();
        PlaylistEntry e;
        e.address = entryAddress(entry, page);
        if (e.address.isEmpty())
            continue;
        e.title = JsonFields::text(entry, QStringLiteral("title"));
        e.duration = int(entry.value(QStringLiteral("duration")).toDouble());
        e.index = index;
        listing.entries.append(std::move(e));
    }
    return listing;
}

QString safeName(const QString &text, int longest, const QString &fallback)
{
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar(0x7f))
            continue;
        name += QStringLiteral("/\\:*?\"<>|").contains(c) ? QChar(u'_') : c;
    }
    name = name.simplified().left(longest);
    while (!name.isEmpty() && (name.front() == u'.' || name.front() == u' '))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u'.' || name.back() == u' '))
        name.chop(1);
    return name.isEmpty() ? fallback : name;
}

QString entryFileStem(int index, int count, const QString &title)
{
    const int width = qMax(2, int(QString::number(count).size()));
    return QStringLiteral("%1 - %2").arg(index, width, 10, QLatin1Char('0')).arg(title);
}

FormatPick pickFormat(const QList<VideoFormat> &formats, int cap)
{
    if (cap <= 0 || formats.isEmpty())
        return {};
    for (const VideoFormat &f : formats) {
        if (f.height <= cap)
            return {f.id, f.height, false};
    }
    return {formats.last().id, formats.last().height, true};
}

bool isValidItems(const QString &choice)
{
    if (choice.trimmed().isEmpty())
        return false;
    for (const QString &piece : choice.split(QLatin1Char(','))) {
        if (!parseRange(piece))
            return false;
    }
    return true;
}

QList<int> pickItems(const QString &choice, int count)
{
    QList<int> picked;
    QSet<int> seen;
    for (const QString &piece : choice.split(QLatin1Char(','))) {
        const auto range = parseRange(piece);
        if (!range)
            continue;
        const int step = range->step;
        int first = range->start ? absolute(*range->start, count) : (step > 0 ? 1 : count);
        const int last = range->stop ? absolute(*range->stop, count) : (step > 0 ? count : 1);
        for (int n = first; step > 0 ? n <= last : n >= last; n += step) {
            if (n >= 1 && n <= count && !seen.contains(n)) {
                seen.insert(n);
                picked << n;
            }
        }
    }
    return picked;
}

} // namespace Playlist
