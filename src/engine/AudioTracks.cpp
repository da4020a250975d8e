#include "AudioTracks.h"

#include "JsonFields.h"

#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>

#include <functional>
#include <optional>

namespace {

bool isAudioOnly(const QJsonObject &format)
{
    return format.value(QStringLiteral("vcodec")).toString() == QStringLiteral("none") &&
           format.value(QStringLiteral("acodec")).toString() != QStringLiteral("none");
}

double rateOf(const QJsonObject &format)
{
    for (const QString &key : {QStringLiteral("abr"), QStringLiteral("tbr")}) {
        const QJsonValue value = format.value(key);
        if (value.isDouble() && value.toDouble() > 0)
            return value.toDouble();
    }
    return 0;
}

int preferenceOf(const QJsonObject &format)
{
    return JsonFields::integer(format.value(QStringLiteral("language_preference"))).value_or(-1);
}

// A site's own text, kept short and free of control characters.
QString cleanLabel(const QString &text)
{
    static const QRegularExpression control(
        QStringLiteral("[\\x00-\\x1f\\x7f-\\x9f\\x{2028}\\x{2029}]"));
    return QString(text).replace(control, QStringLiteral(" ")).simplified().left(80);
}

bool says(const QString &note, const char *word)
{
    const QRegularExpression re(QStringLiteral("\\b%1\\b").arg(QLatin1String(word)),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(note).hasMatch();
}

AudioTrack trackOf(const QJsonObject &format)
{
    AudioTrack track;
    track.formatId = JsonFields::text(format, QStringLiteral("format_id"));
    track.language = JsonFields::text(format, QStringLiteral("language"));
    const QString note = JsonFields::text(format, QStringLiteral("format_note"));
    track.label = cleanLabel(note);
    track.descriptive = preferenceOf(format) <= -10 ||
                        track.language.endsWith(QStringLiteral("-desc")) ||
                        says(note, "descriptive") || says(note, "audio description");
    track.codec = JsonFields::text(format, QStringLiteral("acodec"));
    track.kbps = qRound(rateOf(format));
    return track;
}

// The original: ranked first by yt-dlp, else named "original", else "default".
void markOriginal(QList<AudioTrack> &tracks, const QList<QJsonObject> &best)
{
    const std::function<bool(qsizetype)> tests[] = {
        [&](qsizetype i) { return preferenceOf(best.at(i)) >= 10; },
        [&](qsizetype i) { return says(tracks.at(i).label, "original"); },
        [&](qsizetype i) { return says(tracks.at(i).label, "default"); },
    };
    for (const auto &test : tests) {
        for (qsizetype i = 0; i < tracks.size(); ++i) {
            if (!tracks.at(i).descriptive && test(i)) {
                tracks[i].original = true;
                return;
            }
        }
    }
}

} // namespace

namespace AudioTracks {

QList<AudioTrack> read(const QJsonObject &info)
{
    QList<QJsonObject> best; // one per language, in the order yt-dlp lists them
    QStringList languages;
    for (const QJsonValue &entry : info.value(QStringLiteral("formats")).toArray()) {
        const QJsonObject format = entry.toObject();
        if (!isAudioOnly(format) || JsonFields::text(format, QStringLiteral("format_id")).isEmpty())
            continue;
        const QString language = JsonFields::text(format, QStringLiteral("language"));
        const qsizetype at = languages.indexOf(language);
        if (at < 0) {
            languages << language;
            best << format;
        } else if (rateOf(format) >= rateOf(best.at(at))) {
            best[at] = format; // yt-dlp lists formats worst first
        }
    }
    if (best.size() < 2)
        return {};
    QList<AudioTrack> tracks;
    for (const QJsonObject &format : std::as_const(best))
        tracks << trackOf(format);
    markOriginal(tracks, best);
    return tracks;
}

std::optional<AudioTrack> wanted(const QList<AudioTrack> &tracks, const QString &language)
{
    for (const AudioTrack &track : tracks) {
        if (language.isEmpty() ? track.original : track.language == language)
            return track;
    }
    // "fr", "fra" and "fre" name one language.
    const QString iso = isoLanguage(language);
    for (const AudioTrack &track : tracks) {
        if (!iso.isEmpty() && isoLanguage(track.language) == iso)
            return track;
    }
    return std::nullopt;
}

QString isoLanguage(const QString &language)
{
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z]{2,3}(?:[-_][A-Za-z0-9]+)*$"));
    if (!shape.match(language).hasMatch())
        return {};
    const QString base =
        language.section(QRegularExpression(QStringLiteral("[-_]")), 0, 0).toLower();
    const QLocale::Language known = QLocale::codeToLanguage(base);
    if (known == QLocale::AnyLanguage || known == QLocale::C)
        return {};
    return QLocale::languageToCode(known, QLocale::ISO639Part2B);
}

} // namespace AudioTracks
