#include "Preferences.h"

#include "engine/AutoStart.h"
#include "engine/Clips.h"
#include "engine/MediaPresets.h"
#include "engine/RunLimits.h"
#include "i18n/Localization.h"
#include "platform/UserDefaults.h"

#include <QList>

#include <algorithm>

namespace {
// GUI thread only, as every QML object.
QList<Preferences *> &instances()
{
    static QList<Preferences *> all;
    return all;
}
} // namespace

Preferences::Preferences(QObject *parent) : QObject(parent)
{
    instances().append(this);
}

Preferences::~Preferences()
{
    instances().removeOne(this);
}

void Preferences::tellAll()
{
    for (Preferences *p : std::as_const(instances()))
        emit p->changed();
}

bool Preferences::autoStart() const
{
    return AutoStart::enabled();
}

void Preferences::setAutoStart(bool on)
{
    AutoStart::setEnabled(on);
    tellAll();
}

int Preferences::autoStartChoice() const
{
    return int(AutoStart::choice());
}

void Preferences::setAutoStartChoice(int choice)
{
    AutoStart::setChoice(AutoStart::Choice(std::clamp(choice, 0, 3)));
    tellAll();
}

int Preferences::maxDownloads() const
{
    return RunLimits::maxConcurrentDownloads();
}

void Preferences::setMaxDownloads(int value)
{
    UserDefaults::setValue(QStringLiteral("maxConcurrentDownloads"), std::clamp(value, 0, 16));
    tellAll();
}

int Preferences::fragments() const
{
    return RunLimits::concurrentFragments();
}

void Preferences::setFragments(int value)
{
    UserDefaults::setValue(QStringLiteral("concurrentFragments"),
                           RunLimits::clampedFragments(value));
    tellAll();
}

MediaChoices Preferences::defaultChoices() const
{
    return MediaPresets::defaultChoices();
}

void Preferences::setDefaultChoices(const MediaChoices &choices)
{
    MediaPresets::setDefaultChoices(choices);
    tellAll();
}

QString Preferences::language() const
{
    return UserDefaults::value(QStringLiteral("language")).toString();
}

void Preferences::setLanguage(const QString &code)
{
    if (code.isEmpty())
        UserDefaults::remove(QStringLiteral("language"));
    else
        UserDefaults::setValue(QStringLiteral("language"), code);
    tellAll();
}

QVariantList Preferences::languages()
{
    const auto choice = [](const QString &label, const QString &code) {
        return QVariantMap{{QStringLiteral("label"), label}, {QStringLiteral("code"), code}};
    };
    //% "System language"
    QVariantList list{choice(qtTrId("prefs.language.system"), {})};
    for (const QString &code : Localization::available()) {
        const QLocale locale(code);
        QString name = locale.nativeLanguageName();
        // pt_BR and zh_CN name their country, as a language may have several.
        if (code.contains(u'_'))
            name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
        if (!name.isEmpty())
            name[0] = name.at(0).toUpper();
        list << choice(name, code);
    }
    if (Localization::pseudoOffered())
        //% "Pseudo-language"
        list << choice(qtTrId("prefs.language.pseudo"), Localization::kPseudo);
    return list;
}

QVariantList Preferences::presets() const
{
    QVariantList list;
    for (const MediaPreset &p : MediaPresets::all())
        list.append(QVariantMap{{QStringLiteral("key"), p.key},
                                {QStringLiteral("name"), p.name},
                                {QStringLiteral("shipped"), p.shipped}});
    return list;
}

MediaChoices Preferences::presetChoices(const QString &key) const
{
    const std::optional<MediaPreset> preset = MediaPresets::find(key);
    return preset ? preset->choices : MediaPresets::defaultChoices();
}

void Preferences::useDefaultPreset(const QString &key)
{
    if (MediaPresets::useAsDefault(key))
        tellAll();
}

bool Preferences::saveDefaultsAs(const QString &name)
{
    if (!MediaPresets::save(name, MediaPresets::defaultChoices()))
        return false;
    MediaPresets::useAsDefault(name.simplified());
    tellAll();
    return true;
}

void Preferences::removePreset(const QString &key)
{
    MediaPresets::remove(key);
    tellAll();
}

int Preferences::sponsorAction() const
{
    return int(Clips::sponsorSetting().action);
}

void Preferences::setSponsorAction(int action)
{
    Clips::SponsorSetting setting = Clips::sponsorSetting();
    setting.action = Media::SponsorAction(qBound(0, action, 2));
    // Turned on with nothing chosen: the usual ones, not an empty list.
    if (setting.action != Media::SponsorAction::Keep && setting.categories.isEmpty())
        setting.categories = {QStringLiteral("sponsor"), QStringLiteral("selfpromo"),
                              QStringLiteral("interaction")};
    Clips::setSponsorSetting(setting);
    tellAll();
}

QStringList Preferences::sponsorCategories() const
{
    return Clips::sponsorSetting().categories;
}

void Preferences::setSponsorCategories(const QStringList &categories)
{
    Clips::SponsorSetting setting = Clips::sponsorSetting();
    setting.categories.clear();
    for (const QString &name : Clips::sponsorCategories())
        if (categories.contains(name))
            setting.categories << name;
    Clips::setSponsorSetting(setting);
    tellAll();
}

QString Preferences::sponsorApi() const
{
    return Clips::sponsorSetting().api;
}

void Preferences::setSponsorApi(const QString &address)
{
    Clips::SponsorSetting setting = Clips::sponsorSetting();
    setting.api = address.trimmed();
    Clips::setSponsorSetting(setting);
    tellAll();
}

QStringList Preferences::sponsorCategoryNames() const
{
    return Clips::sponsorCategories();
}
