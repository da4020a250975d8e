// reelix-screens OUTDIR: renders every screen state of the app offscreen
// through the real window (Main.qml, its menu bar, the app's font) with models
// filled here, one PNG per state and language (name-en.png, name-fr.png).
#include "Appearance.h"
#include "ReelixApp.h"
#include "StagedChecker.h"
#include "StagedGroup.h"
#include "ViewProbe.h"

#include "engine/DownloadManager.h"
#include "i18n/Localization.h"
#include "log/Logger.h"
#include "platform/PrivateHome.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

QString g_out;
QString g_language; // "en" or "fr", the suffix of every file

void settle(int ms = 900)
{
    QTest::qWait(ms); // entrance animations and transitions finish
}

bool save(QQuickWindow &window, const QString &name)
{
    settle();
    const QImage image = window.grabWindow();
    const QString path =
        g_out + QLatin1Char('/') + name + QLatin1Char('-') + g_language + QStringLiteral(".png");
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

DownloadItem *item(const QString &title, DownloadStatus status,
                   DownloadFormat format = DownloadFormat::Video)
{
    auto *i =
        new DownloadItem(QStringLiteral("https://videos.example.org/watch/") +
                             QString(title).replace(QLatin1Char(' '), QLatin1Char('-')).toLower(),
                         format);
    if (!title.isEmpty() && status != DownloadStatus::Waiting && status != DownloadStatus::Fetching)
        i->setTitle(title);
    i->setStatus(status);
    return i;
}

void fillList(DownloadManager *manager)
{
    manager->insertItem(item(QStringLiteral("Waiting clip"), DownloadStatus::Waiting));
    manager->insertItem(item(QStringLiteral("Fetching clip"), DownloadStatus::Fetching));
    DownloadItem *ready =
        item(QStringLiteral("Northern lights over the fjord"), DownloadStatus::Ready);
    ready->setFormats({{QStringLiteral("137"), QStringLiteral("1080p"), 1080},
                       {QStringLiteral("136"), QStringLiteral("720p"), 720},
                       {QStringLiteral("135"), QStringLiteral("480p"), 480}});
    manager->insertItem(ready);
    DownloadItem *downloading =
        item(QStringLiteral("Conference keynote, full session"), DownloadStatus::Downloading);
    downloading->setProgress(0.42);
    downloading->setStatusMessage(
        QStringLiteral("[download]  42.0% of 812.40MiB at 11.52MiB/s ETA 00:41"));
    manager->insertItem(downloading);
    DownloadItem *converting = item(QStringLiteral("Rooftop concert"), DownloadStatus::Converting);
    converting->setProgress(0.63);
    converting->setStatusMessage(QStringLiteral("Conversion QuickTime — 63%"));
    manager->insertItem(converting);
    DownloadItem *done =
        item(QStringLiteral("Podcast episode 12"), DownloadStatus::Done, DownloadFormat::Audio);
    done->setFilePath(QStringLiteral("/home/user/Videos/Reelix/Podcast episode 12.mp3"));
    done->setFileSize(QStringLiteral("48.2 MB"));
    done->setProgress(1);
    manager->insertItem(done);
    DownloadItem *needs = item(QStringLiteral("Trail running in the Alps"), DownloadStatus::Done);
    needs->setFilePath(QStringLiteral("/home/user/Videos/Reelix/Trail running in the Alps.webm"));
    needs->setFileSize(QStringLiteral("210.7 MB"));
    needs->setCodecInfo(QStringLiteral("VP9 + Opus"));
    needs->setNeedsConversion(true);
    needs->setProgress(1);
    manager->insertItem(needs);
    manager->insertItem(item(QStringLiteral("Cooking class"), DownloadStatus::Cancelled));
    DownloadItem *failed = item(QStringLiteral("Members-only stream"), DownloadStatus::Error);
    failed->setErrorMessage(
        QStringLiteral("ERROR: [generic] Unable to download webpage: HTTP Error 403: Forbidden "
                       "(caused by <HTTPError 403>); "
                       "please report this issue if you think it is a mistake"));
    manager->insertItem(failed);
}

// The real window over a shell whose checker is staged here, as the app
// shows it after its start-up check (tools missing: setup).
struct Shell
{
    ReelixApp app{std::make_unique<StagedChecker>()};
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
        app.checker()->onComplete();
        return QTest::qWaitFor([&] { return app.view() == ReelixApp::View::Main && view(); });
    }
    DownloadManager *manager() const
    {
        return view()->property("manager").value<DownloadManager *>();
    }
};

// The banner, the picker and the focused input over the filled list.
bool listShots(Shell &shell)
{
    bool ok = save(*shell.window, QStringLiteral("main-list"));
    DependencyChecker &checker = *shell.app.checker();
    checker.ytdlp()->setStatus(
        DepStatus::updateAvailable(QStringLiteral("2025.01.15"), QStringLiteral("2025.02.01")));
    checker.node()->setStatus(
        DepStatus::updateAvailable(QStringLiteral("v22.20.0"), QStringLiteral("v22.21.0")));
    ok &= save(*shell.window, QStringLiteral("main-list-banner"));
    checker.ytdlp()->setStatus(DepStatus::upToDate(QStringLiteral("2025.02.01")));
    checker.node()->setStatus(DepStatus::upToDate(QStringLiteral("v22.21.0")));

    QQuickItem *root = shell.view();
    root->setProperty("formatMode", int(DownloadFormat::Audio));
    ok &= save(*shell.window, QStringLiteral("main-mp3-selected"));
    root->setProperty("formatMode", int(DownloadFormat::Video));

    shell.find(QStringLiteral("addressEditor"))->forceActiveFocus();
    root->setProperty("urlText", QStringLiteral("https://videos.example.org/watch/aurora\nhttps://"
                                                "videos.example.org/watch/keynote"));
    ok &= save(*shell.window, QStringLiteral("main-input-focused"));
    root->setProperty("urlText", QString());
    root->forceActiveFocus();
    return ok;
}

// The ready row hovered, then its quality menu open; the Tools menu open.
bool menuShots(Shell &shell)
{
    QQuickItem *menu = shell.find(QStringLiteral("formatMenu"));
    if (!menu) {
        std::fprintf(stderr, "no format menu found\n");
        return false;
    }
    const QPointF centre = menu->mapToScene(QPointF(menu->width() / 2, menu->height() / 2));
    QTest::mouseMove(shell.window, QPoint(int(centre.x()) - 300, int(centre.y())));
    bool ok = save(*shell.window, QStringLiteral("main-row-hovered"));
    QObject *popup = menu->property("popup").value<QObject *>();
    QMetaObject::invokeMethod(popup, "open");
    ok &= save(*shell.window, QStringLiteral("main-format-menu-open"));
    QMetaObject::invokeMethod(popup, "close");
    QObject *tools = shell.window->findChild<QObject *>(QStringLiteral("toolsMenu"));
    if (tools) {
        QMetaObject::invokeMethod(tools, "open");
        ok &= save(*shell.window, QStringLiteral("main-tools-menu-open"));
        QMetaObject::invokeMethod(tools, "close");
    }
    return ok;
}

// Feedback over the filled list: keyboard focus, a repeated address, the
// whole error on hover, the question before updates.
bool feedbackShots(Shell &shell)
{
    shell.find(QStringLiteral("addressEditor"))->forceActiveFocus();
    QTest::keyClick(shell.window, Qt::Key_Tab);
    bool ok = save(*shell.window, QStringLiteral("main-keyboard-focus"));
    shell.view()->forceActiveFocus();
    shell.manager()->addDownload(shell.manager()->itemAt(5)->url(), DownloadFormat::Audio);
    ok &= save(*shell.window, QStringLiteral("main-repeated-address"));
    for (QQuickItem *text : ViewProbe::findAll(shell.view(), QStringLiteral("detailMessage"))) {
        if (text->isVisible() &&
            text->property("text").toString().contains(QStringLiteral("403"))) {
            const QPointF at = text->mapToScene(QPointF(40, text->height() / 2));
            QTest::mouseMove(shell.window, at.toPoint());
            ok &= save(*shell.window, QStringLiteral("main-error-tooltip"));
        }
    }
    QTest::mouseMove(shell.window, QPoint(5, 300));
    QObject *question = shell.window->findChild<QObject *>(QStringLiteral("stopQuestion"));
    question->setProperty("running", 2);
    QMetaObject::invokeMethod(question, "open");
    ok &= save(*shell.window, QStringLiteral("main-stop-question"));
    QMetaObject::invokeMethod(question, "close");
    return ok;
}

// The main view: empty, then filled with every row state.
bool mainViewShots()
{
    Shell shell;
    if (!shell.showMain())
        return false;
    bool ok = save(*shell.window, QStringLiteral("main-empty"));
    fillList(shell.manager());
    shell.window->resize(900, 960);
    ok &= listShots(shell);
    ok &= menuShots(shell);
    ok &= feedbackShots(shell);
    return ok;
}

// A list of videos over a single download, expanded and then collapsed.
bool groupShots()
{
    Shell shell;
    if (!shell.showMain())
        return false;
    shell.manager()->insertItem(item(QStringLiteral("Northern lights"), DownloadStatus::Ready));
    stageGroup(*shell.manager());
    shell.window->resize(900, 960);
    bool ok = save(*shell.window, QStringLiteral("main-group-expanded"));
    QMetaObject::invokeMethod(shell.find(QStringLiteral("downloadList")), "positionViewAtEnd");
    ok &= save(*shell.window, QStringLiteral("main-group-scrolled"));
    shell.manager()->setGroupExpanded(shell.manager()->itemAt(1), false);
    ok &= save(*shell.window, QStringLiteral("main-group-collapsed"));
    return ok;
}

// One state of the setup view, staged by `prepare`.
bool setupShot(const QString &name, const std::function<void(StagedChecker &)> &prepare)
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
bool setupShots()
{
    bool ok = true;
    const auto &setup = setupShot;
    ok &= setup(QStringLiteral("setup-first-start"), [](StagedChecker &) {});
    ok &= setup(QStringLiteral("setup-installing"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(DepStatus::installedStatus());
        c.ffmpeg()->setStatus(DepStatus::downloading(0.4));
        c.node()->setStatus(DepStatus::unknown());
        c.setIsInstalling(true);
        c.setCurrentStep(qtTrId("setup.step.ffmpeg"));
        c.setLogOutput(QStringLiteral("▶ ") + qtTrId("setup.step.ytdlp") +
                       QStringLiteral("…\n✓ yt-dlp ") + qtTrId("update.ready") +
                       QStringLiteral("\n▶ ") + qtTrId("setup.step.ffmpeg") +
                       QStringLiteral("…\n"));
    });
    ok &= setup(QStringLiteral("setup-failed"), [](StagedChecker &c) {
        c.ytdlp()->setStatus(DepStatus::installedStatus());
        c.ffmpeg()->setStatus(
            DepStatus::failed(QStringLiteral("Le serveur a répondu HTTP 404 (Not Found)")));
        c.node()->setStatus(DepStatus::unknown());
        c.setLogOutput(
            QStringLiteral("▶ Downloading yt-dlp…\n✓ yt-dlp ready\n▶ Downloading ffmpeg…\n✗ Le "
                           "serveur a répondu HTTP 404 (Not Found)\n"));
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
        c.setIsCheckingUpdates(true);
    });
    return ok;
}

// The log window, off and on, empty and with text, beside the real window.
bool logShot(const QString &name, bool enabled, const QString &text, bool copy)
{
    Logger::shared().clear();
    Logger::shared().waitUntilWritten();
    UserDefaults::setValue(QStringLiteral("debugLogging"), enabled);
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        Logger::shared().log(line, LogLevel::Debug);
    Logger::shared().waitUntilWritten();
    Shell shell;
    if (!shell.started())
        return false;
    shell.app.requestLogWindow();
    QQuickWindow *logs = nullptr;
    for (QWindow *w : QGuiApplication::topLevelWindows())
        if (w->objectName() == QStringLiteral("logWindow") && w->isVisible())
            logs = qobject_cast<QQuickWindow *>(w);
    if (!logs)
        return false;
    if (copy)
        QMetaObject::invokeMethod(
            ViewProbe::find(logs->contentItem(), QStringLiteral("copyButton")), "clicked");
    const bool ok = save(*logs, name);
    logs->close();
    return ok;
}

bool logShots()
{
    bool ok = logShot(QStringLiteral("logs-off-empty"), false, QString(), false);
    ok &= logShot(QStringLiteral("logs-on-empty"), true, QString(), false);
    const QString sample = QStringLiteral(
        "▶ yt-dlp [videos.example.org] args: --no-playlist -j --socket-timeout 15 "
        "--compat-options no-certifi -- https://videos.example.org/watch/aurora\n"
        "  stderr: WARNING: [generic] Falling back on generic information extractor\n"
        "✓ [videos.example.org] success\n"
        "  probe: codec=hevc tag=hev1 audio=aac\n"
        "  hev1 detected — auto-retagging to hvc1 (no re-encode)\n"
        "  retagHvc1 success → /home/user/Videos/Reelix/aurora.mp4\n");
    ok &= logShot(QStringLiteral("logs-with-text"), true, sample, false);
    ok &= logShot(QStringLiteral("logs-copied"), true, sample, true);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    const PrivateHome home(QStringLiteral("reelix-screens"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: reelix-screens OUTDIR\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);
    Appearance::apply();
    bool ok = true;
    for (const QLocale::Language language : {QLocale::English, QLocale::French}) {
        Localization::install(QLocale(language));
        g_language = language == QLocale::French ? QStringLiteral("fr") : QStringLiteral("en");
        ok &= mainViewShots() & groupShots() & setupShots() & logShots();
    }
    return ok ? 0 : 1;
}
