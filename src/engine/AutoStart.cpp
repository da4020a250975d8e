#include "AutoStart.h"

#include "DownloadManager.h"

#include "platform/UserDefaults.h"

namespace {
const QString kEnabledKey = QStringLiteral("autoStart");
const QString kChoiceKey = QStringLiteral("autoStartChoice");
} // namespace

namespace AutoStart {

bool enabled()
{
    return UserDefaults::boolValue(kEnabledKey);
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

QString pickFormat(const QList<VideoFormat> &formats, Choice choice)
{
    if (formats.isEmpty())
        return {};
    const int limit = choice == Choice::Max1080 ? 1080 : choice == Choice::Max720 ? 720 : 0;
    for (const VideoFormat &f : formats) {
        if (limit == 0 || f.height <= limit)
            return f.id;
    }
    return formats.last().id;
}

void follow(DownloadManager &manager)
{
    QObject::connect(&manager, &DownloadManager::itemSettled, &manager,
                     [&manager](DownloadItem *item) {
                         if (!enabled() || item->status() != DownloadStatus::Ready)
                             return;
                         if (item->format() == DownloadFormat::Video)
                             item->setSelectedFormatID(pickFormat(item->formats(), choice()));
                         manager.start(item);
                     });
}

} // namespace AutoStart
