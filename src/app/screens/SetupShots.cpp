#include "Shots.h"

#include <QDir>

#include <cstdio>

namespace Shots {

namespace {

QString notFound()
{
    //% "The server answered HTTP %1 (%2)"
    return qtTrId("tools.http_status_reason").arg(404).arg(QStringLiteral("Not Found"));
}

} // namespace

void settle(int ms)
{
    QTest::qWait(ms);
}

bool save(QQuickWindow &window, const QString &name)
{
    settle();
    const QImage image = window.grabWindow();
    const QString path = out + QLatin1Char('/') + name + scheme + QLatin1Char('-') + language +
                         QStringLiteral(".png");
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// One state of the setup view, staged by `prepare`.
static bool setupShot(const QString &name, const std::function<void(StagedChecker &)> &prepare)
{
    Shell shell;
    for (Dependency *tool : shell.checker().tools())
        tool->setStatus(DepStatus::unknown());
    prepare(shell.checker());
    if (!shell.started())
        return false;
    settle(200);
    prepare(shell.checker()); // after the view's own installed check
    return save(*shell.window, name);
}

// The setup and updates view in each of its states.
// A failed update, and a first start that cannot reach the distributors.
static bool failureShots()
{
    bool ok = setupShot(QStringLiteral("setup-update-failed"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(DepStatus::failed(notFound()));
        c.ffmpeg()->setStatus(DepStatus::upToDate(QStringLiteral("7.1")));
        c.node()->setStatus(
            DepStatus::updateAvailable(QStringLiteral("v22.20.0"), QStringLiteral("v22.21.0")));
        c.setUpdateFailed(true);
        //% "Updating yt-dlp"
        c.setLogOutput(QStringLiteral("▶ ") + qtTrId("update.step.ytdlp") +
                       QStringLiteral("…\n✗ ") + notFound() + QLatin1Char('\n'));
    });
    ok &= setupShot(QStringLiteral("setup-offline"), [](StagedChecker &c) {
        const QString refused = QStringLiteral("Connection refused");
        c.ytdlp()->setStatus(DepStatus::failed(refused));
        c.setNetworkProblem(refused);
        //% "Downloading yt-dlp"
        c.setLogOutput(QStringLiteral("▶ ") + qtTrId("setup.step.ytdlp") + QStringLiteral("…\n✗ ") +
                       refused + QLatin1Char('\n'));
    });
    return ok;
}

// Tools found in the system folders: recent ones, then an old yt-dlp.
static bool systemToolShots()
{
    const auto found = [](StagedChecker &c, const QString &ytdlpVersion, bool old) {
        c.ytdlp()->setSystemTool({QStringLiteral("/usr/bin/yt-dlp"), ytdlpVersion, old});
        c.ffmpeg()->setSystemTool(
            {QStringLiteral("/usr/bin/ffmpeg"), QStringLiteral("5.1.7-0+deb12u1"), false});
        c.node()->setSystemTool(
            {QStringLiteral("/usr/bin/node"), QStringLiteral("v18.20.4"), false});
    };
    bool ok = setupShot(QStringLiteral("setup-system-tools"),
                        [&](StagedChecker &c) { found(c, QStringLiteral("2025.10.22"), false); });
    ok &= setupShot(QStringLiteral("setup-system-old-ytdlp"),
                    [&](StagedChecker &c) { found(c, QStringLiteral("2023.03.04"), true); });
    // Our ffmpeg failed to install; the system's tools are there to go on with.
    ok &= setupShot(QStringLiteral("setup-failed-system-tools"), [&](StagedChecker &c) {
        found(c, QStringLiteral("2025.10.22"), false);
        c.ytdlp()->setStatus(DepStatus::installedStatus());
        c.ffmpeg()->setStatus(DepStatus::failed(notFound()));
        c.setLogOutput(QStringLiteral("▶ ") + qtTrId("setup.step.ytdlp") + QStringLiteral("…\n✓ ") +
                       qtTrId("update.tool_ready").arg(QStringLiteral("yt-dlp")) +
                       QStringLiteral("\n▶ ") + qtTrId("setup.step.ffmpeg") +
                       QStringLiteral("…\n✗ ") + notFound() + QLatin1Char('\n'));
    });
    return ok;
}

bool setupShots()
{
    bool ok = true;
    const auto &setup = setupShot;
    ok &= setup(QStringLiteral("setup-first-start"), [](StagedChecker &) {});
    ok &= setup(QStringLiteral("setup-installing"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(DepStatus::installedStatus());
        c.ffmpeg()->setStatus(DepStatus::downloading(0.4));
        c.node()->setStatus(DepStatus::unknown());
        c.setRun(StagedChecker::Run::Install);
        c.setCurrentStep(qtTrId("setup.step.ffmpeg"));
        c.setLogOutput(QStringLiteral("▶ ") + qtTrId("setup.step.ytdlp") + QStringLiteral("…\n✓ ") +
                       qtTrId("update.tool_ready").arg(QStringLiteral("yt-dlp")) +
                       QStringLiteral("\n▶ ") + qtTrId("setup.step.ffmpeg") +
                       QStringLiteral("…\n"));
    });
    ok &= setup(QStringLiteral("setup-failed"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(DepStatus::installedStatus());
        c.ffmpeg()->setStatus(DepStatus::failed(notFound()));
        c.node()->setStatus(DepStatus::unknown());
        c.setLogOutput(QStringLiteral("▶ ") + qtTrId("setup.step.ytdlp") + QStringLiteral("…\n✓ ") +
                       qtTrId("update.tool_ready").arg(QStringLiteral("yt-dlp")) +
                       QStringLiteral("\n▶ ") + qtTrId("setup.step.ffmpeg") +
                       QStringLiteral("…\n✗ ") + notFound() + QLatin1Char('\n'));
    });
    ok &= setup(QStringLiteral("setup-all-ready"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(DepStatus::upToDate(QStringLiteral("2025.01.15")));
        c.ffmpeg()->setStatus(
            DepStatus::upToDate(QStringLiteral("7.1-static-with-a-rather-long-build-name")));
        c.node()->setStatus(DepStatus::upToDate(QStringLiteral("v22.20.0")));
        // As on a Mac: the ffmpeg source publishes no checksum.
        c.ytdlp()->setRecord({ToolRecord::Verification::Sha256, true});
        c.ffmpeg()->setRecord({ToolRecord::Verification::NotVerifiable, false});
        c.node()->setRecord({ToolRecord::Verification::Sha256, false});
    });
    ok &= setup(QStringLiteral("setup-updates-available"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(
            DepStatus::updateAvailable(QStringLiteral("2025.01.15"), QStringLiteral("2025.02.01")));
        c.ffmpeg()->setStatus(DepStatus::upToDate(QStringLiteral("7.1")));
        c.node()->setStatus(
            DepStatus::updateAvailable(QStringLiteral("v22.20.0"), QStringLiteral("v22.21.0")));
    });
    ok &= setup(QStringLiteral("setup-could-not-check"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(
            DepStatus::unchecked(QStringLiteral("2025.01.15"), QStringLiteral("HTTP 403")));
        c.ffmpeg()->setStatus(DepStatus::upToDate(QStringLiteral("7.1")));
        c.node()->setStatus(DepStatus::upToDate(QStringLiteral("v22.21.0")));
    });
    ok &= setup(QStringLiteral("setup-checking-updates"), [](StagedChecker &c) {
        for (Dependency *tool : c.tools())
            tool->setStatus(DepStatus::checking());
        c.ytdlp()->setStatus(DepStatus::upToDate(QStringLiteral("2025.01.15")));
        c.setCheckingUpdates(true);
    });
    ok &= failureShots();
    ok &= systemToolShots();
    return ok;
}

// The chooser over the main view: a few folders, then a new one being named,
// then a name that is taken.
bool folderPickerShots()
{
    const QString home = QDir::homePath();
    for (const char *name :
         {"Videos/Reelix", "Videos/Concerts", "Videos/Lectures", "Videos/Travel"})
        QDir(home).mkpath(QString::fromLatin1(name));
    Shell shell;
    if (!shell.showMain())
        return false;
    QObject *picker = shell.view()->findChild<QObject *>(QStringLiteral("folderPicker"));
    if (!picker)
        return false;
    picker->setProperty("currentFolder", QUrl::fromLocalFile(home + QStringLiteral("/Videos")));
    QMetaObject::invokeMethod(picker, "open");
    bool ok = save(*shell.window, QStringLiteral("folder-picker"));
    QMetaObject::invokeMethod(picker, "startNaming");
    QObject *field = picker->findChild<QObject *>(QStringLiteral("newFolderName"));
    if (field)
        field->setProperty("text", QStringLiteral("Holiday clips"));
    ok &= save(*shell.window, QStringLiteral("folder-picker-new-folder"));
    if (field)
        field->setProperty("text", QStringLiteral("Travel"));
    QMetaObject::invokeMethod(picker, "createFolder");
    ok &= save(*shell.window, QStringLiteral("folder-picker-name-taken"));
    QMetaObject::invokeMethod(picker, "close");
    return ok;
}

} // namespace Shots
