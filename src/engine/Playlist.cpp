#include "Playlist.h"

#include "JsonFields.h"

#include "platform/PlainText.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

// The id yt-dlp gives the players of a page is their place on it ("page-2"),
// which a page that adds a video above them changes: such an entry is known
// by its media's address instead, kept in the same form ("page-" and a hash).
QString stableId(const QString &id, const QString &media, const QString &listId, int index)
{
    if (listId.isEmpty() || id != listId + QLatin1Char('-') + QString::number(index))
        return id;
    const QByteArray hash = QCryptographicHash::hash(media.toUtf8(), QCryptographicHash::Sha1);
    return listId + QLatin1Char('-') + QString::fromLatin1(hash.toHex().left(12));
}

// Where an entry's own information run goes: the address a flat listing gives
// for it, or, for an entry the listing resolved already (a page's players),
// its own page, else its media.
QString entryAddress(const QJsonObject &entry, const QJsonObject &list, int index)
{
    const QString listPage = JsonFields::text(list, QStringLiteral("webpage_url"));
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
    return Playlist::withVideoId(
        url, stableId(id, url, JsonFields::text(list, QStringLiteral("id")), index));
}

struct Range
{
    std::optional<int> start, stop;
    int step = 1;
};

// A number of --playlist-items, refused beyond what an index can be; ranges
// are then worked out in 64 bits, so that none overflows.
std::optional<int> itemNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// One comma-separated piece: "N", "A-B" or "[A]:[B][:S]".
std::optional<Range> parseRange(const QString &piece)
{
    static const QRegularExpression single(QStringLiteral("^(-?\\d+)$"));
    static const QRegularExpression dash(QStringLiteral("^(-?\\d+)-(-?\\d+)$"));
    static const QRegularExpression slice(QStringLiteral("^(-?\\d+)?:(-?\\d+)?(?::(-?\\d+))?$"));
    const QString text = piece.trimmed();
    if (const auto m = single.match(text); m.hasMatch()) {
        const auto n = itemNumber(m.captured(1));
        return n ? std::optional<Range>(Range{n, n, 1}) : std::nullopt;
    }
    if (const auto m = dash.match(text); m.hasMatch()) {
        const auto from = itemNumber(m.captured(1)), to = itemNumber(m.captured(2));
        return from && to ? std::optional<Range>(Range{from, to, 1}) : std::nullopt;
    }
    if (const auto m = slice.match(text); m.hasMatch()) {
        const QString from = m.captured(1), to = m.captured(2), every = m.captured(3);
        Range r{itemNumber(from), itemNumber(to), 1};
        const auto step = every.isEmpty() ? std::optional<int>(1) : itemNumber(every);
        if ((!from.isEmpty() && !r.start) || (!to.isEmpty() && !r.stop) || !step || *step == 0)
            return std::nullopt;
        r.step = *step;
        return r;
    }
    return std::nullopt;
}

qint64 absolute(int n, int count)
{
    return n < 0 ? qint64(count) + 1 + n : n;
}

// The numbers of one range that fall within 1..count, found without walking
// the part of the range outside the list.
void addRange(const Range &range, int count, QList<int> &picked, QSet<int> &seen)
{
    const qint64 step = range.step;
    const qint64 first = range.start ? absolute(*range.start, count) : (step > 0 ? 1 : count);
    const qint64 last = range.stop ? absolute(*range.stop, count) : (step > 0 ? count : 1);
    const qint64 low = std::max<qint64>(1, step > 0 ? first : last);
    const qint64 high = std::min<qint64>(count, step > 0 ? last : first);
    if (low > high)
        return;
    // The first number of the range inside the list, then every step'th.
    const qint64 outside = step > 0 ? low - first : first - high;
    const qint64 skip = outside > 0 ? (outside + std::abs(step) - 1) / std::abs(step) : 0;
    for (qint64 n = first + skip * step; n >= low && n <= high; n += step) {
        if (!seen.contains(int(n))) {
            seen.insert(int(n));
            picked << int(n);
        }
    }
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
    const QJsonArray entries = info.value(QStringLiteral("entries")).toArray();
    listing.count = int(entries.size());
    listing.entries.reserve(entries.size());
    int index = 0;
    for (const QJsonValue &value : entries) {
        ++index;
        const QJsonObject entry = value.toObject();
        PlaylistEntry e;
        e.address = entryAddress(entry, info, index);
        if (e.address.isEmpty())
            continue;
        e.title = JsonFields::text(entry, QStringLiteral("title"));
        e.duration = int(
            JsonFields::bounded(entry.value(QStringLiteral("duration")), JsonFields::longestSeconds)
                .value_or(0));
        e.index = index;
        listing.entries.append(std::move(e));
    }
    return listing;
}

QString withVideoId(const QString &media, const QString &id)
{
    const QByteArray data = QJsonDocument(QJsonObject{{QStringLiteral("force_videoid"), id}})
                                .toJson(QJsonDocument::Compact);
    return media + QStringLiteral("#__youtubedl_smuggle=") +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(data)));
}

QString safeName(const QString &text, int longest, const QString &fallback)
{
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        if (PlainText::isHidden(c))
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
        if (const auto range = parseRange(piece))
            addRange(*range, count, picked, seen);
    }
    return picked;
}

} // namespace Playlist
