#include "SubtitleTracks.h"

#include "JsonFields.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSet>
#include <QUrlQuery>

#include <algorithm>

namespace {

// A language key stays as the site wrote it (yt-dlp is asked for it by that
// key), so one that would not survive the trip is not offered.
bool usableKey(const QString &key)
{
    return !key.isEmpty() && key.size() <= 64 &&
           std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c.isPrint(); });
}

// The site's name for a language, as text a row may show: no control or
// direction characters, no run of blanks, no more than a line's worth.
QString cleanName(const QString &name)
{
    QString clean;
    for (const QChar c : name)
        clean += c.isPrint() ? c : QChar(u' ');
    return clean.simplified().left(80);
}

QString firstName(const QJsonArray &formats)
{
    for (const QJsonValue &format : formats) {
        const QString name = JsonFields::text(format.toObject(), QStringLiteral("name"));
        if (!name.isEmpty())
            return cleanName(name);
    }
    return {};
}

// A translated caption's address asks the site for a target language.
bool asksForTranslation(const QJsonArray &formats)
{
    return std::any_of(formats.cbegin(), formats.cend(), [](const QJsonValue &format) {
        const QUrl url(JsonFields::text(format.toObject(), QStringLiteral("url")));
        return QUrlQuery(url).hasQueryItem(QStringLiteral("tlang"));
    });
}

const QString kOriginal = QStringLiteral("-orig");

void addAutomatic(const QJsonObject &captions, QList<SubtitleTrack> &tracks)
{
    const QStringList keys = captions.keys();
    // yt-dlp lists the spoken language twice, once as "<lang>-orig"; the
    // other languages of such a list are the site's translations of it.
    QSet<QString> originals;
    for (const QString &key : keys) {
        if (key.endsWith(kOriginal))
            originals.insert(key.chopped(kOriginal.size()));
    }
    for (const QString &key : keys) {
        const QJsonArray formats = captions.value(key).toArray();
        if (!usableKey(key) || formats.isEmpty() || originals.contains(key))
            continue;
        const bool original = key.endsWith(kOriginal);
        const bool translated = !original && (asksForTranslation(formats) || !originals.isEmpty());
        tracks.append({key, firstName(formats), true, translated});
    }
}

} // namespace

namespace SubtitleTracks {

QList<SubtitleTrack> fromInfo(const QJsonObject &info)
{
    QList<SubtitleTrack> tracks;
    const QJsonObject uploaded = info.value(QStringLiteral("subtitles")).toObject();
    for (auto it = uploaded.constBegin(); it != uploaded.constEnd(); ++it) {
        const QJsonArray formats = it.value().toArray();
        // Live chat replays are listed as subtitles; they are not text to read along.
        if (usableKey(it.key()) && !formats.isEmpty() && it.key() != QStringLiteral("live_chat"))
            tracks.append({it.key(), firstName(formats), false, false});
    }
    addAutomatic(info.value(QStringLiteral("automatic_captions")).toObject(), tracks);
    return tracks;
}

QStringList refusedLanguages(const QStringList &stderrLines)
{
    // "Unable to download video subtitles for 'fr': HTTP Error 429: …", a
    // warning or an error; Python quotes the key with ' or, holding one, ".
    static const QRegularExpression refused(
        QStringLiteral(R"re(Unable to download video subtitles for (?:'([^']*)'|"([^"]*)"))re"));
    QStringList languages;
    for (const QString &line : stderrLines) {
        const QRegularExpressionMatch m = refused.match(line);
        if (!m.hasMatch())
            continue;
        const QString language = m.hasCaptured(1) ? m.captured(1) : m.captured(2);
        if (!languages.contains(language))
            languages.append(language);
    }
    return languages;
}

} // namespace SubtitleTracks
