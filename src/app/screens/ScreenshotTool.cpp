// reelix-screens OUTDIR: renders every screen state of the app offscreen
// through the real window (Main.qml, its menu bar, the app's font) with models
// filled here, one PNG per state and language (name-en.png, name-fr.png).
// Dark unless REELIX_COLOR_SCHEME=light, whose shots are name-light-en.png.
#include "Appearance.h"
#include "ReelixApp.h"
#include "Shots.h"
#include "StagedChecker.h"
#include "StagedGroup.h"
#include "ViewProbe.h"

#include "engine/DownloadManager.h"
#include "engine/DownloadRun.h"
#include "engine/SizeText.h"
#include "engine/YtDlpErrors.h"
#include "i18n/Localization.h"
#include "log/Logger.h"
#include "platform/PrivateHome.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(ReelixPlugin)

namespace {

using namespace Shots;

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
    ready->setFormats({{QStringLiteral("137"), QStringLiteral("1080p"), 1080, 241'300'000},
                       {QStringLiteral("136"), QStringLiteral("720p"), 720, 118'700'000},
                       {QStringLiteral("135"), QStringLiteral("480p"), 480, 61'200'000}});
    ready->setDuration(754);
    manager->insertItem(ready);
    DownloadItem *downloading =
        item(QStringLiteral("Conference keynote, full session"), DownloadStatus::Downloading);
    DownloadRun::handleProgressLine(
        QStringLiteral("[download]  42.0% of  774.40MiB at   10.97MiB/s ETA 00:41"), *downloading);
    manager->insertItem(downloading);
    DownloadItem *converting = item(QStringLiteral("Rooftop concert"), DownloadStatus::Converting);
    converting->setProgress(0.63);
    //% "Making playable everywhere — %1%"
    converting->setStatusMessage(qtTrId("status.converting_playable").arg(63));
    manager->insertItem(converting);
    DownloadItem *done =
        item(QStringLiteral("Podcast episode 12"), DownloadStatus::Done, DownloadFormat::Audio);
    done->setFile(
        {QStringLiteral("/home/user/Videos/Reelix/Podcast episode 12.mp3"), sizeText(48'200'000)});
    done->setProgress(1);
    done->setMissingSubtitles({QStringLiteral("fr")}); // the site refused them
    manager->insertItem(done);
    DownloadItem *needs = item(QStringLiteral("Trail running in the Alps"), DownloadStatus::Done);
    needs->setFile({QStringLiteral("/home/user/Videos/Reelix/Trail running in the Alps.webm"),
                    sizeText(210'700'000), true, QStringLiteral("VP9 + Opus")});
    needs->setProgress(1);
    manager->insertItem(needs);
    manager->insertItem(item(QStringLiteral("Cooking class"), DownloadStatus::Cancelled));
    // yt-dlp's line as the engine reads it: the row shows the sentence.
    DownloadItem *failed = item(QStringLiteral("Concert recording"), DownloadStatus::Error);
    failed->setFailure(YtDlpErrors::failure(
        {QStringLiteral("ERROR: [generic] None: Unable to download webpage: HTTP Error 404: Not "
                        "Found (caused by <HTTPError 404: 'Not Found'>); please report this "
                        "issue on  https://github.com/yt-dlp/yt-dlp/issues?q= , filling out the "
                        "appropriate issue template. Confirm you are on the latest version "
                        "using  yt-dlp -U")},
        false, true, CookieSource{}));
    manager->insertItem(failed);
    DownloadItem *signIn = item(QStringLiteral("Age-restricted trailer"), DownloadStatus::Error);
    //% "This page wants you signed in. Sign in to the site in your web browser, then let Reelix"
    //% " use that browser's cookies: what you download with them is tied to your account."
    signIn->setErrorMessage(qtTrId("error.sign_in_required"), Failure::Kind::NeedsSignIn);
    manager->insertItem(signIn);
}

// Browsers as they lie in a home folder, for the cookie setting to find:
// Firefox with two profiles, and Chromium.
void stageBrowsers(const QString &home)
{
    const QString firefox = home + QStringLiteral("/.mozilla/firefox");
    for (const QString &path : {firefox + QStringLiteral("/k2x7.default-release/cookies.sqlite"),
                                firefox + QStringLiteral("/p9q1.work/cookies.sqlite"),
                                home + QStringLiteral("/.config/chromium/Default/Cookies")}) {
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
    }
    QFile ini(firefox + QStringLiteral("/profiles.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[Profile0]\nName=default-release\nIsRelative=1\nPath=k2x7.default-release\n\n"
                  "[Profile1]\nName=work\nIsRelative=1\nPath=p9q1.work\n");
}

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

// The sign-in row's browser chooser, and the cookie setting's dialog.
bool cookieShots(Shell &shell)
{
    bool ok = true;
    if (QQuickItem *chooser = shell.find(QStringLiteral("signInChooser"))) {
        QMetaObject::invokeMethod(chooser, "clicked");
        ok &= save(*shell.window, QStringLiteral("main-sign-in-chooser"));
        QTest::keyClick(shell.window, Qt::Key_Escape);
    } else {
        std::fprintf(stderr, "no sign-in chooser found\n");
        ok = false;
    }
    QObject *dialog = shell.window->findChild<QObject *>(QStringLiteral("cookieDialog"));
    QMetaObject::invokeMethod(dialog, "open");
    ok &= save(*shell.window, QStringLiteral("cookies-dialog"));
    QMetaObject::invokeMethod(dialog, "close");
    return ok;
}

// A failed row's details opened, and the notice of pasted lines that were
// not addresses.
bool errorShots(Shell &shell)
{
    QQuickItem *details = shell.find(QStringLiteral("errorDetailsButton"));
    QQuickItem *notice = shell.find(QStringLiteral("addressNotice"));
    if (!details || !notice) {
        std::fprintf(stderr, "no error details or address notice found\n");
        return false;
    }
    QMetaObject::invokeMethod(details, "clicked");
    bool ok = save(*shell.window, QStringLiteral("main-error-details"));
    QTest::keyClick(shell.window, Qt::Key_Escape);
    notice->setProperty("count", 2);
    ok &= save(*shell.window, QStringLiteral("main-address-notice"));
    notice->setProperty("count", 0);
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
            text->property("text").toString() == qtTrId("error.page_not_found")) {
            const QPointF at = text->mapToScene(QPointF(40, text->height() / 2));
            QTest::mouseMove(shell.window, at.toPoint());
            ok &= save(*shell.window, QStringLiteral("main-error-tooltip"));
        }
    }
    QTest::mouseMove(shell.window, QPoint(5, 300));
    ok &= errorShots(shell);
    ok &= cookieShots(shell);
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
    stageBrowsers(home.path());
    // No system folders: the machine's own tools would turn every first-start
    // shot into the found-on-the-system one, which is staged by itself.
    qputenv("REELIX_TOOL_SEARCH_PATH", QByteArray());
    // The machine's desktop setting does not change the shots.
    if (qgetenv("REELIX_COLOR_SCHEME") != "light")
        qputenv("REELIX_COLOR_SCHEME", "dark");
    Shots::scheme =
        qgetenv("REELIX_COLOR_SCHEME") == "light" ? QStringLiteral("-light") : QString();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // English and French unless --language names one (a table's code,
    // "pseudo", or a locale such as ar_EG that has no table yet).
    QStringList languages{QStringLiteral("en"), QStringLiteral("fr")};
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype option = arguments.indexOf(QStringLiteral("--language"));
    if (option > 0 && option + 1 < arguments.size())
        languages = {arguments.at(option + 1)};
    const QString outDir = arguments.size() > 1 ? arguments.last() : QString();
    if (arguments.size() < 2 || (option > 0 && arguments.size() != 4)) {
        std::fprintf(stderr, "usage: reelix-screens [--language CODE] OUTDIR\n");
        return 2;
    }
    Shots::out = outDir;
    QDir().mkpath(Shots::out);
    Appearance::apply();
    bool ok = true;
    for (const QString &language : languages) {
        const bool pseudo = language == Localization::kPseudo;
        const QLocale locale = pseudo ? QLocale(QLocale::English) : QLocale(language);
        if (pseudo)
            Localization::installChosen(language);
        else
            Localization::install(locale);
        QLocale::setDefault(locale);
        QGuiApplication::setLayoutDirection(locale.textDirection());
        Shots::language = language;
        // Every set is taken even after one failed; a braced list runs them in order.
        for (const bool made : {mainViewShots(), groupShots(), setupShots(), folderPickerShots(),
                                logShots(), storeShots(), desktopShots(), mediaShots(),
                                doctorShots(), followShots(), trimShots()})
            ok = ok && made;
    }
    return ok ? 0 : 1;
}
