#include "Preferences.h"

#include "engine/AutoStart.h"
#include "engine/RunLimits.h"
#include "platform/UserDefaults.h"

#include <algorithm>

bool Preferences::autoStart() const
{
    return AutoStart::enabled();
}

void Preferences::setAutoStart(bool on)
{
    AutoStart::setEnabled(on);
    emit changed();
}

int Preferences::autoStartChoice() const
{
    return int(AutoStart::choice());
}

void Preferences::setAutoStartChoice(int choice)
{
    AutoStart::setChoice(AutoStart::Choice(std::clamp(choice, 0, 3)));
    emit changed();
}

int Preferences::maxDownloads() const
{
    return RunLimits::maxConcurrentDownloads();
}

void Preferences::setMaxDownloads(int value)
{
    UserDefaults::setValue(QStringLiteral("maxConcurrentDownloads"), std::clamp(value, 0, 16));
    emit changed();
}

int Preferences::fragments() const
{
    return RunLimits::concurrentFragments();
}

void Preferences::setFragments(int value)
{
    UserDefaults::setValue(QStringLiteral("concurrentFragments"),
                           RunLimits::clampedFragments(value));
    emit changed();
}
