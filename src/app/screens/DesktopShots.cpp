#include "Shots.h"

#include "engine/DownloadManager.h"

#include <cstdio>

namespace Shots {

namespace {

DownloadItem *finished(const QString &title, const QString &size, bool convert,
                       const QString &codecs)
{
    auto *item = new DownloadItem(QStringLiteral("https://videos.example.org/watch/") +
                                      QString(title).replace(QLatin1Char(' '), QLatin1Char('-')),
                                  DownloadFormat::Video);
    item->setTitle(title);
    item->setStatus(DownloadStatus::Done);
    item->setFile({QStringLiteral("/home/user/Videos/Reelix/") + title + QStringLiteral(".mp4"),
                   size, convert, codecs});
    item->setProgress(1);
    return item;
}

// Opens the popup named `name`, saves the window as `shot`, closes it.
bool popupShot(Shell &shell, const QString &name, const QString &shot)
{
    QObject *popup = shell.window->findChild<QObject *>(name);
    if (!popup)
        return false;
    QMetaObject::invokeMethod(popup, "open");
    const bool ok = save(*shell.window, shot);
    QMetaObject::invokeMethod(popup, "close");
    settle(300);
    return ok;
}

} // namespace

// The window as a desktop app, on a 1024×768 screen: finished rows and their
// actions, the question before a file is deleted, before quitting, About,
// the keyboard shortcuts and the Help menu.
bool desktopShots()
{
    Shell shell;
    if (!shell.showMain())
        return false;
    DownloadManager *manager = shell.manager();
    manager->insertItem(finished(QStringLiteral("Northern lights over the fjord"),
                                 QStringLiteral("84.1 MB"), false, QStringLiteral("H.264 + AAC")));
    manager->insertItem(finished(QStringLiteral("Trail running in the Alps"),
                                 QStringLiteral("210.7 MB"), true, QStringLiteral("VP9 + Opus")));
    manager->insertItem(finished(QStringLiteral("Archive footage, 1998"), QStringLiteral("1.2 GB"),
                                 true, QStringLiteral("MPEG2VIDEO + MP2")));
    shell.window->resize(1024, 700);
    settle();
    QQuickItem *open = shell.find(QStringLiteral("openButton"));
    if (!open) {
        std::fprintf(stderr, "no finished row found\n");
        return false;
    }
    QTest::mouseMove(shell.window, open->mapToScene(QPointF(14, 14)).toPoint());
    bool ok = save(*shell.window, QStringLiteral("main-finished-rows"));
    QMetaObject::invokeMethod(shell.find(QStringLiteral("deleteFileButton")), "clicked");
    ok &= save(*shell.window, QStringLiteral("main-delete-question"));
    if (QQuickItem *keep =
            ViewProbe::find(shell.window->contentItem(), QStringLiteral("keepFileButton")))
        QMetaObject::invokeMethod(keep, "clicked");
    QObject *quit = shell.window->findChild<QObject *>(QStringLiteral("quitQuestion"));
    if (quit)
        quit->setProperty("running", 2);
    ok &= popupShot(shell, QStringLiteral("quitQuestion"), QStringLiteral("main-quit-question"));
    // After the start-up check, which would set them again.
    DependencyChecker &checker = *shell.app.checker();
    checker.ytdlp()->setStatus(DepStatus::upToDate(QStringLiteral("2025.10.22")));
    checker.ffmpeg()->setSystemTool(
        {QStringLiteral("/usr/bin/ffmpeg"), QStringLiteral("5.1.7-0+deb12u1"), false});
    checker.node()->setStatus(DepStatus::upToDate(QStringLiteral("v22.21.0")));
    ok &= popupShot(shell, QStringLiteral("aboutDialog"), QStringLiteral("main-about"));
    ok &= popupShot(shell, QStringLiteral("shortcutsDialog"), QStringLiteral("main-shortcuts"));
    ok &= popupShot(shell, QStringLiteral("helpMenu"), QStringLiteral("main-help-menu-open"));
    return ok;
}

} // namespace Shots
