#include "Shots.h"

#include "engine/DownloadManager.h"
#include "engine/MediaPresets.h"
#include "platform/UserDefaults.h"

#include <QGuiApplication>

namespace Shots {

namespace {

DownloadItem *ready(const QString &title, DownloadFormat format)
{
    auto *item = new DownloadItem(QStringLiteral("https://videos.example.org/watch/") +
                                      QString(title).replace(QLatin1Char(' '), QLatin1Char('-')),
                                  format);
    item->setTitle(title);
    item->setDuration(1834);
    item->setFormats({{QStringLiteral("137"), QStringLiteral("1080p"), 1080, 412'000'000},
                      {QStringLiteral("136"), QStringLiteral("720p"), 720, 198'000'000}});
    const auto track = [](const char *language, bool original, bool described) {
        return AudioTrack{QString(), QString::fromLatin1(language), QString(), original,
                          described, QStringLiteral("opus"),        128};
    };
    item->setTracks({track("en", true, false), track("de", false, false), track("es", false, false),
                     track("en", false, true)},
                    {{QStringLiteral("en"), QStringLiteral("English"), false, false},
                     {QStringLiteral("fr"), QStringLiteral("French"), false, false},
                     {QStringLiteral("en"), QStringLiteral("English"), true, false},
                     {QStringLiteral("de"), QStringLiteral("German"), true, true}});
    item->setStatus(DownloadStatus::Ready);
    return item;
}

// Opens the popup of the control named `name`, saves the window, closes it.
bool menuShot(Shell &shell, const QString &name, const QString &shot)
{
    QQuickItem *control = shell.find(name);
    QObject *popup = control ? control->property("popup").value<QObject *>() : nullptr;
    if (!popup && control)
        popup = control->findChild<QObject *>(QStringLiteral("subtitlePopup"));
    if (!popup)
        return false;
    QMetaObject::invokeMethod(popup, "open");
    settle(300);
    const bool ok = save(*shell.window, shot);
    QMetaObject::invokeMethod(popup, "close");
    settle(300);
    return ok;
}

bool preferencesShot(Shell &shell)
{
    MediaChoices lectures;
    lectures.audioCodec = Media::AudioCodec::Opus;
    lectures.audioKbps = 64;
    MediaPresets::save(QStringLiteral("Lectures"), lectures);
    MediaPresets::useAsDefault(QStringLiteral("archive"));
    QMetaObject::invokeMethod(shell.window, "openPreferences");
    bool ok = false;
    for (QWindow *w : QGuiApplication::topLevelWindows()) {
        auto *window = qobject_cast<QQuickWindow *>(w);
        if (!window || w->objectName() != QStringLiteral("preferencesWindow") || !w->isVisible())
            continue;
        QQuickItem *menu =
            ViewProbe::find(window->contentItem(), QStringLiteral("defaultPresetMenu"));
        QObject *popup = menu ? menu->property("popup").value<QObject *>() : nullptr;
        ok = popup && save(*window, QStringLiteral("preferences-files"));
        if (popup) {
            QMetaObject::invokeMethod(popup, "open");
            settle(300);
            ok &= save(*window, QStringLiteral("preferences-presets"));
        }
        w->close();
    }
    MediaPresets::remove(QStringLiteral("Lectures"));
    UserDefaults::remove(QStringLiteral("mediaDefaults"));
    return ok;
}

} // namespace

// A ready row's file choices with each menu open, an audio row's, and the
// presets in the preferences.
bool mediaShots()
{
    Shell shell;
    if (!shell.showMain())
        return false;
    DownloadManager *manager = shell.manager();
    manager->insertItem(ready(QStringLiteral("A conference talk, dubbed"), DownloadFormat::Video));
    manager->insertItem(ready(QStringLiteral("Morning radio show"), DownloadFormat::Audio));
    shell.window->resize(1024, 768);
    settle();
    bool ok = save(*shell.window, QStringLiteral("main-media-choices"));
    ok &= menuShot(shell, QStringLiteral("fileFormatMenu"), QStringLiteral("main-media-format"));
    ok &= menuShot(shell, QStringLiteral("audioTrackMenu"), QStringLiteral("main-media-tracks"));
    ok &= menuShot(shell, QStringLiteral("subtitleMenu"), QStringLiteral("main-media-subtitles"));
    ok &= menuShot(shell, QStringLiteral("presetMenu"), QStringLiteral("main-media-presets"));
    return preferencesShot(shell) && ok;
}

} // namespace Shots
