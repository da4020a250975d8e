#pragma once

#include "ReelixApp.h"
#include "StagedChecker.h"
#include "ViewProbe.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

// What every group of screenshots shares: where they go, how one is taken,
// and the real window over a staged shell.
namespace Shots {

inline QString out;
inline QString language; // "en" or "fr", the suffix of every file
inline QString scheme;   // "-light" in the light colour scheme, else empty

void settle(int ms = 900); // entrance animations and transitions finish
bool save(QQuickWindow &window, const QString &name);

// The real window over a shell whose checker is staged here, as the app
// shows it after its start-up check (tools missing: setup).
struct Shell
{
    explicit Shell(QueueStore *store = nullptr) : app(std::make_unique<StagedChecker>(), store) {}
    ReelixApp app;
    QQmlApplicationEngine engine;
    QQuickWindow *window = ViewProbe::openMain(engine, app);

    StagedChecker &checker() { return static_cast<StagedChecker &>(*app.checker()); }
    QQuickItem *view() const { return ViewProbe::currentView(window); }
    QQuickItem *find(const QString &name) const { return ViewProbe::find(view(), name); }
    bool started()
    {
        return window && QTest::qWaitFor(
                             [&] { return app.view() != ReelixApp::View::Placeholder && view(); });
    }
    bool showMain()
    {
        if (!started())
            return false;
        app.leaveSetup();
        return QTest::qWaitFor([&] { return app.view() == ReelixApp::View::Main && view(); });
    }
    DownloadManager *manager() const
    {
        return view()->property("manager").value<DownloadManager *>();
    }
};

// The setup and updates view in each of its states.
bool setupShots();
// The download folder chooser, browsing and naming a new folder.
bool folderPickerShots();
// The history, the preferences window, a saved list set aside.
bool storeShots();
// Finished rows and their actions, the quit question, About, the shortcuts.
bool desktopShots();
// A ready row's format, track, subtitle and preset menus; the presets in the preferences.
bool mediaShots();
// Help ▸ "Check my setup", healthy and broken.
bool doctorShots();
// The followed lists.
bool followShots();
// The trim dialog, with and without chapters.
bool trimShots();

} // namespace Shots
