// reelix-screens OUTDIR: renders every screen state of the app offscreen with
// real QML and real models filled here, one PNG per state, for review.
#include "LogViewer.h"
#include "ReelixApp.h"
#include "Registration.h"
#include "StagedChecker.h"
#include "ViewProbe.h"

#include "engine/DownloadManager.h"
#include "i18n/Localization.h"
#include "log/Logger.h"
#include "platform/PrivateHome.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickView>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

QString g_out;

void settle(int ms = 900)
{
    QTest::qWait(ms); // entrance animations and transitions finish
}

bool save(QQuickWindow &window, const QString &name)
{
    settle();
    const QImage image = window.grabWindow();
    const QString path = g_out + QLatin1Char('/') + name + QStringLiteral(".png");
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

// The main view: empty, filled with every row state, banner, picker, focus, menu.
bool mainViewShots(QQmlEngine &engine)
{
    bool ok = true;
    DependencyChecker checker;
    const auto view =
        ViewProbe::load(engine, QStringLiteral("ContentView"),
                        {{QStringLiteral("checker"), QVariant::fromValue(&checker)}}, {900, 640});
    if (!view)
        return false;
    QObject *root = view->rootObject();
    auto *manager = root->property("manager").value<DownloadManager *>();
    ok &= save(*view, QStringLiteral("main-empty"));
    fillList(manager);
    view->resize(900, 960);
    ok &= save(*view, QStringLiteral("main-list"));

    checker.ytdlp()->setStatus(
        DepStatus::updateAvailable(QStringLiteral("2025.01.15"), QStringLiteral("2025.02.01")));
    checker.node()->setStatus(
        DepStatus::updateAvailable(QStringLiteral("v22.20.0"), QStringLiteral("v22.21.0")));
    root->setProperty("updateSummary", ReelixApp::updateSummary(checker));
    ok &= save(*view, QStringLiteral("main-list-banner"));
    checker.ytdlp()->setStatus(DepStatus::upToDate(QStringLiteral("2025.02.01")));
    checker.node()->setStatus(DepStatus::upToDate(QStringLiteral("v22.21.0")));

    root->setProperty("formatMode", int(DownloadFormat::Audio));
    ok &= save(*view, QStringLiteral("main-mp3-selected"));
    root->setProperty("formatMode", int(DownloadFormat::Video));

    auto *editor = ViewProbe::find(view->rootObject(), QStringLiteral("addressEditor"));
    editor->forceActiveFocus();
    root->setProperty("urlText", QStringLiteral("https://videos.example.org/watch/aurora\nhttps://"
                                                "videos.example.org/watch/keynote"));
    ok &= save(*view, QStringLiteral("main-input-focused"));
    root->setProperty("urlText", QString());
    qobject_cast<QQuickItem *>(root)->forceActiveFocus();

    // Hover the ready row, then open its format menu.
    QQuickItem *menu = ViewProbe::find(view->rootObject(), QStringLiteral("formatMenu"));
    if (menu) {
        const QPointF centre = menu->mapToScene(QPointF(menu->width() / 2, menu->height() / 2));
        QTest::mouseMove(view.get(), QPoint(int(centre.x()) - 300, int(centre.y())));
        ok &= save(*view, QStringLiteral("main-row-hovered"));
        QMetaObject::invokeMethod(menu->property("popup").value<QObject *>(), "open");
        ok &= save(*view, QStringLiteral("main-format-menu-open"));
    } else {
        std::fprintf(stderr, "no format menu found\n");
        ok = false;
    }
    return ok;
}

// One state of the setup view, staged by `prepare`.
bool setupShot(QQmlEngine &engine, const QString &name,
               const std::function<void(StagedChecker &)> &prepare)
{
    StagedChecker checker;
    for (Dependency *tool : checker.tools())
        tool->setStatus(DepStatus::unknown());
    prepare(checker);
    const auto view = ViewProbe::load(engine, QStringLiteral("SetupView"),
                                      {{QStringLiteral("checker"), QVariant::fromValue(&checker)},
                                       {QStringLiteral("version"), QStringLiteral(REELIX_VERSION)}},
                                      {420, 500});
    if (!view)
        return false;
    settle(200);
    prepare(checker); // after the view's own installed check
    view->resize(420, int(view->rootObject()->implicitHeight()));
    return save(*view, name);
}

// The setup and updates view in each of its states.
bool setupShots(QQmlEngine &engine)
{
    bool ok = true;
    const auto setup = [&](const QString &name,
                           const std::function<void(StagedChecker &)> &prepare) {
        return setupShot(engine, name, prepare);
    };
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

// The log window, off and on, empty and with text.
bool logShots(QQmlEngine &engine)
{
    bool ok = true;
    const auto logs = [&](const QString &name, bool enabled, const QString &text, bool copy) {
        Logger::shared().clear();
        Logger::shared().waitUntilWritten();
        UserDefaults::setValue(QStringLiteral("debugLogging"), enabled);
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            Logger::shared().log(line, LogLevel::Debug);
        Logger::shared().waitUntilWritten();
        LogViewer viewer;
        viewer.setActive(true);
        const auto view =
            ViewProbe::load(engine, QStringLiteral("LogView"),
                            {{QStringLiteral("viewer"), QVariant::fromValue(&viewer)}}, {720, 440});
        if (!view)
            return false;
        if (copy)
            viewer.copyLog();
        return save(*view, name);
    };
    ok &= logs(QStringLiteral("logs-off-empty"), false, QString(), false);
    ok &= logs(QStringLiteral("logs-on-empty"), true, QString(), false);
    const QString sample = QStringLiteral(
        "▶ yt-dlp [videos.example.org] args: --no-playlist -j --socket-timeout 15 "
        "--compat-options no-certifi -- https://videos.example.org/watch/aurora\n"
        "  stderr: WARNING: [generic] Falling back on generic information extractor\n"
        "✓ [videos.example.org] success\n"
        "  probe: codec=hevc tag=hev1 audio=aac\n"
        "  hev1 detected — auto-retagging to hvc1 (no re-encode)\n"
        "  retagHvc1 success → /home/user/Videos/Reelix/aurora.mp4\n");
    ok &= logs(QStringLiteral("logs-with-text"), true, sample, false);
    ok &= logs(QStringLiteral("logs-copied"), true, sample, true);
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
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication::setFont(QFont(QStringLiteral("Inter"), 10));
    Localization::install(QLocale(QLocale::English));
    QQmlEngine engine;
    prepareEngine(engine);

    const bool ok = mainViewShots(engine) & setupShots(engine) & logShots(engine);
    return ok ? 0 : 1;
}
