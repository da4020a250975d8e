#include "Shots.h"

#include "engine/DownloadManager.h"

namespace Shots {

namespace {

DownloadItem *readyClipSource(const QString &title, const QList<Chapter> &chapters)
{
    auto *item = new DownloadItem(QStringLiteral("https://videos.example.org/watch/") +
                                      QString(title).replace(QLatin1Char(' '), QLatin1Char('-')),
                                  DownloadFormat::Video);
    item->setTitle(title);
    item->setDuration(chapters.isEmpty() ? 1834 : 3725);
    item->setFormats({{QStringLiteral("137"), QStringLiteral("1080p"), 1080, 412'000'000}});
    item->setChapters(chapters);
    item->setStatus(DownloadStatus::Ready);
    return item;
}

// Opens the row's trim dialog, types into its fields, picks chapters, saves.
bool trimShot(Shell &shell, const QString &shot, const QString &end, const QList<int> &chapters)
{
    QQuickItem *button = shell.find(QStringLiteral("trimButton"));
    if (!button)
        return false;
    QMetaObject::invokeMethod(button, "clicked");
    settle(400);
    QQuickItem *root = shell.window->contentItem();
    QQuickItem *field = ViewProbe::find(root, QStringLiteral("trimEnd"));
    if (!field)
        return false;
    if (!end.isEmpty())
        field->setProperty("text", end);
    QObject *dialog = field;
    while (dialog && dialog->objectName() != QStringLiteral("trimDialog"))
        dialog = dialog->parent();
    if (dialog && !chapters.isEmpty())
        dialog->setProperty("picked", QVariant::fromValue(chapters));
    settle(300);
    const bool ok = save(*shell.window, shot);
    if (dialog)
        QMetaObject::invokeMethod(dialog, "close");
    settle(300);
    return ok;
}

} // namespace

// The trim dialog of a video with chapters (two of them picked), of one
// without, and with an end it refuses.
bool trimShots()
{
    bool ok = true;
    {
        Shell shell;
        if (!shell.showMain())
            return false;
        shell.window->resize(1024, 768);
        shell.manager()->insertItem(
            readyClipSource(QStringLiteral("A long interview, in parts"),
                            {{QStringLiteral("Welcome"), 0, 95},
                             {QStringLiteral("Early years"), 95, 840},
                             {QStringLiteral("The first film"), 840, 1960},
                             {QStringLiteral("Questions from the audience"), 1960, 3600},
                             {QStringLiteral("Goodbye"), 3600, 3725}}));
        settle();
        ok &= trimShot(shell, QStringLiteral("main-trim-chapters"), {}, {1, 2});
    }
    Shell shell;
    if (!shell.showMain())
        return false;
    shell.window->resize(1024, 768);
    shell.manager()->insertItem(readyClipSource(QStringLiteral("A conference talk"), {}));
    settle();
    ok &= save(*shell.window, QStringLiteral("main-trim-button"));
    ok &= trimShot(shell, QStringLiteral("main-trim"), QStringLiteral("12:30"), {});
    ok &= trimShot(shell, QStringLiteral("main-trim-invalid"), QStringLiteral("12:75"), {});
    return ok;
}

} // namespace Shots
