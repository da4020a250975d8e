// The saved list's screens: the history, searched and with nothing found,
// the preferences window at its top and end, and a saved list that could not be read.
#include "Shots.h"

#include "platform/UserDefaults.h"
#include "store/QueueStore.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace Shots {

namespace {

// A history of finished downloads; some of their files are still there.
void fillHistory(HistoryModel &history, const QString &folder)
{
    const QList<std::tuple<QString, QString, qint64, DownloadFormat>> entries{
        {QStringLiteral("Rooftop concert"), QStringLiteral("videos.example.org"), 734003200,
         DownloadFormat::Video},
        {QStringLiteral("Podcast episode 12"), QStringLiteral("podcasts.example.net"), 48200000,
         DownloadFormat::Audio},
        {QStringLiteral("Northern lights over the fjord, a long title that goes on and on"),
         QStringLiteral("videos.example.org"), 210700000, DownloadFormat::Video},
        {QStringLiteral("Jazz concert in the park"), QStringLiteral("stream.example.com"),
         1520000000, DownloadFormat::Video},
        {QStringLiteral("Cooking class"), QStringLiteral("videos.example.org"), 96000000,
         DownloadFormat::Video}};
    QDateTime when(QDate(2026, 3, 14), QTime(18, 30));
    for (int i = int(entries.size()) - 1; i >= 0; --i) {
        const auto &[title, site, bytes, format] = entries.at(i);
        HistoryRecord r;
        r.id = QString::number(i);
        r.title = title;
        r.site = site;
        r.url = QStringLiteral("https://") + site + QStringLiteral("/watch/") + r.id;
        r.format = format;
        r.fileBytes = bytes;
        r.filePath =
            folder + QLatin1Char('/') + title +
            (format == DownloadFormat::Audio ? QStringLiteral(".mp3") : QStringLiteral(".mp4"));
        if (i != 3) // one file was moved away since
            QFile(r.filePath).open(QIODevice::WriteOnly);
        r.finished = when.addDays(-i).addSecs(-3600 * i);
        history.record(r);
    }
}

// The preferences window at its top, and scrolled to its end.
bool preferencesShots(QQuickWindow &window)
{
    bool ok = save(window, QStringLiteral("preferences"));
    QQuickItem *scroller =
        ViewProbe::find(window.contentItem(), QStringLiteral("preferencesScroller"));
    if (!scroller)
        return false;
    const qreal end =
        scroller->property("contentHeight").toReal() - scroller->property("height").toReal();
    scroller->setProperty("contentY", qMax(0.0, end));
    return save(window, QStringLiteral("preferences-end")) && ok;
}

} // namespace

// The history view, searched, and the preferences window; a list that could
// not be read.
bool storeShots()
{
    QFile::remove(QueueStore::defaultPath());
    bool ok = true;
    {
        QueueStore store;
        fillHistory(*store.history(), QDir::homePath());
        Shell shell(&store);
        if (!shell.showMain())
            return false;
        shell.view()->setProperty("showingHistory", true);
        // The moved file shows as missing once the history has looked.
        if (!QTest::qWaitFor([&] { return !store.history()->checkingFiles(); }))
            return false;
        ok &= save(*shell.window, QStringLiteral("history"));
        QQuickItem *search = shell.find(QStringLiteral("historySearch"));
        if (!search)
            return false;
        search->setProperty("text", QStringLiteral("concert"));
        ok &= save(*shell.window, QStringLiteral("history-search"));
        search->setProperty("text", QStringLiteral("nothing like this"));
        ok &= save(*shell.window, QStringLiteral("history-no-match"));
        search->setProperty("text", QString());
        UserDefaults::setValue(QStringLiteral("autoStart"), true);
        UserDefaults::setValue(QStringLiteral("maxConcurrentDownloads"), 3);
        QMetaObject::invokeMethod(shell.window, "openPreferences");
        for (QWindow *w : QGuiApplication::topLevelWindows()) {
            if (w->objectName() == QStringLiteral("preferencesWindow") && w->isVisible()) {
                ok &= preferencesShots(*qobject_cast<QQuickWindow *>(w));
                w->close();
            }
        }
        UserDefaults::remove(QStringLiteral("autoStart"));
        UserDefaults::remove(QStringLiteral("maxConcurrentDownloads"));
    }
    QFile garbage(QueueStore::defaultPath());
    if (garbage.open(QIODevice::WriteOnly))
        garbage.write(QByteArray(4096, '#'));
    garbage.close();
    QueueStore unreadable;
    Shell shell(&unreadable);
    return ok && shell.showMain() && save(*shell.window, QStringLiteral("main-list-set-aside"));
}

} // namespace Shots
