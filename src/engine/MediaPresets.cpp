#include "MediaPresets.h"

#include "Clips.h"

#include "platform/UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString kPresetsKey = QStringLiteral("mediaPresets");
const QString kDefaultsKey = QStringLiteral("mediaDefaults");

MediaPreset preset(const char *key, const QString &name, MediaChoices choices)
{
    choices.preset = QString::fromLatin1(key);
    return {choices.preset, name, choices, true};
}

QJsonArray storedPresets()
{
    return QJsonDocument::fromJson(UserDefaults::value(kPresetsKey).toString().toUtf8()).array();
}

void storePresets(const QList<MediaPreset> &presets)
{
    QJsonArray array;
    for (const MediaPreset &p : presets)
        array.append(QJsonObject{{QStringLiteral("name"), p.key},
                                 {QStringLiteral("choices"), p.choices.toJson()}});
    UserDefaults::setValue(kPresetsKey,
                           QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

bool sameKey(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

namespace MediaPresets {

QList<MediaPreset> shipped()
{
    MediaChoices podcast;
    podcast.audioCodec = Media::AudioCodec::Opus;
    podcast.audioKbps = 96;
    MediaChoices music;
    music.audioCodec = Media::AudioCodec::M4a;
    MediaChoices archive;
    archive.container = Media::Container::Mkv;
    archive.allAudioTracks = true;
    archive.subtitleLanguages = {QStringLiteral("all")};
    archive.embedSubtitles = true;
    //% "Podcast: Opus 96 kbit/s"
    return {preset("podcast", qtTrId("preset.podcast"), podcast),
            //% "Music: M4A, as the source"
            preset("music", qtTrId("preset.music"), music),
            //% "Archive: MKV, all tracks and subtitles"
            preset("archive", qtTrId("preset.archive"), archive)};
}

QList<MediaPreset> user()
{
    QList<MediaPreset> presets;
    for (const QJsonValue &entry : storedPresets()) {
        const QJsonObject json = entry.toObject();
        const QString name = json.value(QLatin1String("name")).toString().trimmed();
        if (name.isEmpty())
            continue;
        MediaChoices choices =
            MediaChoices::fromJson(json.value(QLatin1String("choices")).toObject());
        choices.preset = name;
        presets.append({name, name, choices, false});
    }
    return presets;
}

QList<MediaPreset> all()
{
    return shipped() + user();
}

QStringList keys()
{
    QStringList names;
    for (const MediaPreset &p : all())
        names << p.key;
    return names;
}

std::optional<MediaPreset> find(const QString &key)
{
    for (MediaPreset p : all()) {
        if (sameKey(p.key, key)) {
            // Sponsor segments are a setting of their own, not a preset's.
            p.choices = Clips::withSponsorSetting(p.choices);
            return p;
        }
    }
    return std::nullopt;
}

bool save(const QString &name, const MediaChoices &choices)
{
    const QString key = name.simplified();
    const QList<MediaPreset> ships = shipped();
    if (key.isEmpty() || std::any_of(ships.cbegin(), ships.cend(), [&](const MediaPreset &p) {
            return sameKey(p.key, key) || p.name == key;
        }))
        return false;
    QList<MediaPreset> presets = user();
    MediaChoices kept = choices;
    kept.preset = key;
    const auto same = std::find_if(presets.begin(), presets.end(),
                                   [&](const MediaPreset &p) { return sameKey(p.key, key); });
    if (same != presets.end())
        *same = {key, key, kept, false};
    else
        presets.append({key, key, kept, false});
    storePresets(presets);
    return true;
}

void remove(const QString &key)
{
    QList<MediaPreset> presets = user();
    presets.removeIf([&](const MediaPreset &p) { return sameKey(p.key, key); });
    storePresets(presets);
    // The defaults keep their choices but no longer name a preset that is gone.
    MediaChoices defaults = defaultChoices();
    if (sameKey(defaults.preset, key)) {
        defaults.preset.clear();
        setDefaultChoices(defaults);
    }
}

MediaChoices defaultChoices()
{
    const QString text = UserDefaults::value(kDefaultsKey).toString();
    return Clips::withSponsorSetting(
        MediaChoices::fromJson(QJsonDocument::fromJson(text.toUtf8()).object()));
}

void setDefaultChoices(const MediaChoices &choices)
{
    UserDefaults::setValue(
        kDefaultsKey,
        QString::fromUtf8(QJsonDocument(choices.toJson()).toJson(QJsonDocument::Compact)));
}

bool useAsDefault(const QString &key)
{
    const std::optional<MediaPreset> p = find(key);
    if (p)
        setDefaultChoices(p->choices);
    return p.has_value();
}

} // namespace MediaPresets
