#pragma once

#include "MediaChoices.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A named set of file choices: a few ship with the program, the user saves
// more. The window and the command line read the same ones from the settings.
struct MediaPreset
{
    QString key;  // what the settings and --preset know it by
    QString name; // what the window shows: a shipped one's translated name
    MediaChoices choices;
    bool shipped = false;
};

// The settings "mediaPresets" (the user's presets) and "mediaDefaults" (the
// choices new items start from; its `preset` names the preset they came from).
namespace MediaPresets {

QList<MediaPreset> shipped();
QList<MediaPreset> user();
// Shipped first, then the user's in the order they were saved.
QList<MediaPreset> all();
QStringList keys();
// By key, ignoring case.
std::optional<MediaPreset> find(const QString &key);

// Keeps the choices under `name` (replacing a user preset of that name);
// false for an empty name or a shipped preset's.
bool save(const QString &name, const MediaChoices &choices);
void remove(const QString &key);

MediaChoices defaultChoices();
void setDefaultChoices(const MediaChoices &choices);
// A preset's choices become the defaults; false for an unknown key.
bool useAsDefault(const QString &key);

} // namespace MediaPresets
