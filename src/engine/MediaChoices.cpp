#include "MediaChoices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaEnum>

namespace {

template <typename Enum> QString keyOf(Enum value)
{
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value))).toLower();
}

template <typename Enum> Enum enumOf(const QJsonValue &value, Enum fallback)
{
    QString key = value.toString();
    if (key.isEmpty())
        return fallback;
    key[0] = key[0].toUpper();
    bool ok = false;
    const int v = QMetaEnum::fromType<Enum>().keyToValue(key.toLatin1().constData(), &ok);
    return ok ? Enum(v) : fallback;
}

QString text(const QJsonObject &json, const char *key)
{
    return json.value(QLatin1String(key)).toString();
}

bool flag(const QJsonObject &json, const char *key, bool fallback = false)
{
    return json.value(QLatin1String(key)).toBool(fallback);
}

int number(const QJsonObject &json, const char *key)
{
    return qBound(0, json.value(QLatin1String(key)).toInt(), 100000);
}

template <typename T> QJsonArray arrayOf(const QList<T> &list)
{
    QJsonArray array;
    for (const T &entry : list)
        array.append(entry.toJson());
    return array;
}

template <typename T> QList<T> listOf(const QJsonValue &value)
{
    QList<T> list;
    for (const QJsonValue &entry : value.toArray())
        list.append(T::fromJson(entry.toObject()));
    return list;
}

} // namespace

QJsonObject MediaChoices::toJson() const
{
    return {{QStringLiteral("audioCodec"), keyOf(audioCodec)},
            {QStringLiteral("audioKbps"), audioKbps},
            {QStringLiteral("container"), keyOf(container)},
            {QStringLiteral("audioLanguage"), audioLanguage},
            {QStringLiteral("allAudioTracks"), allAudioTracks},
            {QStringLiteral("subtitleLanguages"), QJsonArray::fromStringList(subtitleLanguages)},
            {QStringLiteral("embedSubtitles"), embedSubtitles},
            {QStringLiteral("embedMetadata"), embedMetadata},
            {QStringLiteral("preset"), preset},
            {QStringLiteral("sections"), QJsonArray::fromStringList(sections)},
            {QStringLiteral("sectionChapters"), sectionChapters},
            {QStringLiteral("preciseCuts"), preciseCuts},
            {QStringLiteral("splitChapters"), splitChapters},
            {QStringLiteral("sponsorAction"), keyOf(sponsorAction)},
            {QStringLiteral("sponsorCategories"), QJsonArray::fromStringList(sponsorCategories)},
            {QStringLiteral("sponsorApi"), sponsorApi}};
}

MediaChoices MediaChoices::fromJson(const QJsonObject &json)
{
    MediaChoices c;
    c.audioCodec = enumOf(json.value(QLatin1String("audioCodec")), c.audioCodec);
    c.audioKbps = number(json, "audioKbps");
    c.container = enumOf(json.value(QLatin1String("container")), c.container);
    c.audioLanguage = text(json, "audioLanguage");
    c.allAudioTracks = flag(json, "allAudioTracks");
    for (const QJsonValue &language : json.value(QLatin1String("subtitleLanguages")).toArray())
        if (!language.toString().isEmpty())
            c.subtitleLanguages.append(language.toString());
    c.embedSubtitles = flag(json, "embedSubtitles");
    c.embedMetadata = flag(json, "embedMetadata", true);
    c.preset = text(json, "preset");
    c.sections = json.value(QLatin1String("sections")).toVariant().toStringList();
    c.sectionChapters = text(json, "sectionChapters");
    c.preciseCuts = flag(json, "preciseCuts");
    c.splitChapters = flag(json, "splitChapters");
    c.sponsorAction = enumOf(json.value(QLatin1String("sponsorAction")), c.sponsorAction);
    c.sponsorCategories = json.value(QLatin1String("sponsorCategories")).toVariant().toStringList();
    c.sponsorApi = text(json, "sponsorApi");
    return c;
}

QJsonObject AudioTrack::toJson() const
{
    return {{QStringLiteral("formatId"), formatId},
            {QStringLiteral("language"), language},
            {QStringLiteral("label"), label},
            {QStringLiteral("original"), original},
            {QStringLiteral("descriptive"), descriptive},
            {QStringLiteral("codec"), codec},
            {QStringLiteral("kbps"), kbps}};
}

AudioTrack AudioTrack::fromJson(const QJsonObject &json)
{
    return {text(json, "formatId"), text(json, "language"),    text(json, "label"),
            flag(json, "original"), flag(json, "descriptive"), text(json, "codec"),
            number(json, "kbps")};
}

QJsonObject SubtitleTrack::toJson() const
{
    return {{QStringLiteral("language"), language},
            {QStringLiteral("name"), name},
            {QStringLiteral("automatic"), automatic},
            {QStringLiteral("translated"), translated}};
}

SubtitleTrack SubtitleTrack::fromJson(const QJsonObject &json)
{
    return {text(json, "language"), text(json, "name"), flag(json, "automatic"),
            flag(json, "translated")};
}

QJsonObject Chapter::toJson() const
{
    return {{QStringLiteral("title"), title},
            {QStringLiteral("start"), start},
            {QStringLiteral("end"), end}};
}

Chapter Chapter::fromJson(const QJsonObject &json)
{
    return {text(json, "title"), json.value(QLatin1String("start")).toDouble(),
            json.value(QLatin1String("end")).toDouble()};
}

QString ItemMedia::toText() const
{
    const QJsonObject json{
        {QStringLiteral("choices"), choices.toJson()},
        {QStringLiteral("audioTracks"), arrayOf(audioTracks)},
        {QStringLiteral("subtitles"), arrayOf(subtitles)},
        {QStringLiteral("missingSubtitles"), QJsonArray::fromStringList(missingSubtitles)},
        {QStringLiteral("chapters"), arrayOf(chapters)}};
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

ItemMedia ItemMedia::fromText(const QString &text)
{
    const QJsonObject json = QJsonDocument::fromJson(text.toUtf8()).object();
    return {MediaChoices::fromJson(json.value(QLatin1String("choices")).toObject()),
            listOf<AudioTrack>(json.value(QLatin1String("audioTracks"))),
            listOf<SubtitleTrack>(json.value(QLatin1String("subtitles"))),
            json.value(QLatin1String("missingSubtitles")).toVariant().toStringList(),
            listOf<Chapter>(json.value(QLatin1String("chapters")))};
}
