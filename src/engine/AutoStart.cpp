#include "AutoStart.h"

#include "platform/UserDefaults.h"

#include <limits>

namespace {
const QString kEnabledKey = QStringLiteral("autoStart");
const QString kChoiceKey = QStringLiteral("autoStartChoice");
} // namespace

namespace AutoStart {

// On until the user turns it off: a new user's first address becomes a file
// without a further click.
bool enabled()
{
    const QVariant value = UserDefaults::value(kEnabledKey);
    return value.isNull() || value.toBool();
}

void setEnabled(bool on)
{
    UserDefaults::setValue(kEnabledKey, on);
}

Choice choice()
{
    return choiceFrom(UserDefaults::value(kChoiceKey).toString());
}

void setChoice(Choice choice)
{
    UserDefaults::setValue(kChoiceKey, choiceName(choice));
}

QString choiceName(Choice choice)
{
    switch (choice) {
    case Choice::Max1080:
        return QStringLiteral("1080");
    case Choice::Max720:
        return QStringLiteral("720");
    case Choice::Audio:
        return QStringLiteral("mp3");
    case Choice::Best:
        break;
    }
    return QStringLiteral("best");
}

Choice choiceFrom(const QString &name)
{
    for (Choice c : {Choice::Max1080, Choice::Max720, Choice::Audio}) {
        if (choiceName(c) == name)
            return c;
    }
    return Choice::Best;
}

DownloadFormat formatFor(Choice choice)
{
    return choice == Choice::Audio ? DownloadFormat::Audio : DownloadFormat::Video;
}

int qualityCap(Choice choice)
{
    switch (choice) {
    case Choice::Max1080:
        return 1080;
    case Choice::Max720:
        return 720;
    case Choice::Best:
    case Choice::Audio:
        break;
    }
    return std::numeric_limits<int>::max();
}

} // namespace AutoStart
