#include "DownloadCommand.h"

#include "CliJson.h"

#include "engine/MediaPresets.h"
#include "engine/WorkFolder.h"
#include "platform/ProcessWait.h"
#include "platform/Secrets.h"

#include <QMap>
#include <QTimer>

#include <cstdio>

namespace {

QString statusText(DownloadStatus status)
{
    return qtTrId(("status." + statusName(status)).toLatin1().constData());
}

bool isRunning(DownloadStatus s)
{
    return s == DownloadStatus::Waiting || s == DownloadStatus::Fetching ||
           s == DownloadStatus::Downloading || s == DownloadStatus::Converting;
}

} // namespace

DownloadCommand::DownloadCommand(const CliOptions &options, QObject *parent)
    : QObject(parent), m_options(options), m_terminal(stderr)
{
    connect(&m_manager, &DownloadManager::itemSettled, this, &DownloadCommand::onSettled);
}

void DownloadCommand::start(const QStringList &addresses)
{
    m_manager.useSettings(runSettings());
    const DownloadFormat format = m_options.audio ? DownloadFormat::Audio : DownloadFormat::Video;
    // One batch: repeats are found in a set, however long the list read.
    const qsizetype before = m_manager.downloads().size();
    m_manager.addDownloads(addresses, format);
    // What changed while the batch went in shows in the redraw below.
    for (DownloadItem *item : m_manager.downloads().mid(before)) {
        connect(item, &DownloadItem::changed, this, &DownloadCommand::scheduleRedraw);
    }
    redraw();
    checkFinished();
}

// Several --section ranges are several files, each an item of its own.
void DownloadCommand::startClips(DownloadItem *item)
{
    const MediaChoices choices = item->choices();
    if (choices.sections.size() < 2)
        return;
    const qsizetype before = m_manager.downloads().size();
    m_manager.addClips(item, choices.sections, choices.preciseCuts);
    for (DownloadItem *clip : m_manager.downloads().mid(before))
        connect(clip, &DownloadItem::changed, this, &DownloadCommand::scheduleRedraw);
}

RunSettings DownloadCommand::runSettings() const
{
    RunSettings settings;
    settings.folder = m_options.folder;
    settings.fragments = m_options.fragments;
    settings.cookies = m_options.cookies;
    settings.items = m_options.items;
    settings.archive = m_options.archive;
    settings.choices = m_options.fileChoices();
    settings.startAtOnce =
        m_options.command == CliOptions::Command::Download && m_options.format.isEmpty();
    return settings;
}

void DownloadCommand::interrupt()
{
    if (m_interrupted) {
        stopAtOnce();
        return;
    }
    m_interrupted = true;
    for (DownloadItem *item : m_manager.allItems()) {
        if (item->isGroupHeader())
            item->group()->clearQueue();
        if (isRunning(item->status()))
            item->cancelRun();
        else if (!isFinal(item))
            item->setStatus(DownloadStatus::Cancelled);
    }
    checkFinished();
}

// A second stop: no grace for tools still ending, and no waiting for runs.
void DownloadCommand::stopAtOnce()
{
    for (DownloadItem *item : m_manager.allItems()) {
        if (const ItemRun *run = item->run(); run && run->process())
            killChild(*run->process());
        if (!isFinal(item))
            item->setStatus(DownloadStatus::Cancelled);
    }
    m_converting.clear();
    // A killed tool ends within moments; its run unwinds before the summary,
    // and a run that does not is not waited for past a second.
    m_stoppedAtOnce = true;
    QTimer::singleShot(std::chrono::seconds(1), this, [this] {
        m_waitedForRuns = true;
        checkFinished();
    });
    checkFinished();
}

void DownloadCommand::onSettled(DownloadItem *item)
{
    const bool info = m_options.command == CliOptions::Command::Info;
    if (item->isGroupHeader()) {
        for (DownloadItem *entry : item->group()->entries())
            connect(entry, &DownloadItem::changed, this, &DownloadCommand::scheduleRedraw);
        if (!m_interrupted && !info)
            m_manager.downloadAll(item);
        scheduleRedraw();
        checkFinished();
        return;
    }
    if (!m_interrupted && !info && !item->isGroupEntry()) {
        if (item->status() == DownloadStatus::Ready) {
            if (!m_options.format.isEmpty()) {
                std::optional<VideoFormat> chosen;
                for (const VideoFormat &f : item->formats()) {
                    if (f.id == m_options.format || f.label == m_options.format) {
                        chosen = f;
                        break;
                    }
                }
                if (!chosen) {
                    //% "No format matches \"%1\""
                    item->setErrorMessage(qtTrId("cli.no_format").arg(m_options.format));
                    item->setStatus(DownloadStatus::Error);
                    checkFinished();
                    return;
                }
                item->setSelectedFormatID(chosen->id);
            }
            startClips(item);
            m_manager.start(item);
            return;
        }
        if (item->status() == DownloadStatus::Done && m_options.convert &&
            !m_converting.contains(item) && item->file().needsConversion && item->filePath()) {
            m_converting.insert(item);
            m_manager.convert(item);
            return;
        }
    }
    m_converting.remove(item);
    checkFinished();
}

bool DownloadCommand::isFinal(const DownloadItem *item) const
{
    // A listed list's header stands for its entries, which are counted.
    if (item->isGroupHeader())
        return true;
    switch (item->status()) {
    case DownloadStatus::Error:
    case DownloadStatus::Cancelled:
        return true;
    case DownloadStatus::Ready:
        return m_options.command == CliOptions::Command::Info;
    case DownloadStatus::Done:
        return !m_converting.contains(item);
    default:
        return false;
    }
}

QString DownloadCommand::lineFor(const DownloadItem *item) const
{
    if (item->isGroupHeader()) {
        const DownloadGroup *g = item->group();
        return QStringLiteral("%1  %2 %3: %4 done, %5 failed, %6 left")
            .arg(item->title().left(50))
            .arg(g->count())
            .arg(g->count() == 1 ? QStringLiteral("entry") : QStringLiteral("entries"))
            .arg(g->done())
            .arg(g->failed())
            .arg(g->remaining());
    }
    const QString name =
        item->title().isEmpty() ? Secrets::maskPassword(item->url()) : item->title();
    QString message =
        item->status() == DownloadStatus::Error ? item->errorMessage() : item->statusMessage();
    if (item->status() == DownloadStatus::Error &&
        item->errorKind() == Failure::Kind::NeedsSignIn && runSettings().cookieSource().isNone())
        message += QStringLiteral(" (--cookies-from-browser BROWSER or --cookies FILE)");
    if (item->status() == DownloadStatus::Done && item->filePath())
        message =
            *item->filePath() +
            (item->file().codecInfo.isEmpty() ? QString()
                                              : QStringLiteral("  ") + item->file().codecInfo) +
            (item->statusMessage().isEmpty() ? QString()
                                             : QStringLiteral("  ") + item->statusMessage());
    if (item->status() == DownloadStatus::Done && !item->errorMessage().isEmpty())
        message = item->errorMessage(); // a conversion that failed
    return QStringLiteral("%1  %2  %3 %4%  %5")
        .arg(name.left(50), statusText(item->status()), Terminal::progressBar(item->progress()))
        .arg(int(item->progress() * 100), 3)
        .arg(Secrets::maskPasswordsInText(message));
}

QString DownloadCommand::keyFor(const DownloadItem *item) const
{
    return statusName(item->status()) + QLatin1Char('/') +
           QString::number(int(item->progress() * 10)) + QLatin1Char('/') + item->errorMessage();
}

// An engine step sets several fields one after another; drawing once after
// them shows a consistent line and keeps the terminal quiet.
void DownloadCommand::scheduleRedraw()
{
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_redrawPending = false;
            redraw();
        },
        Qt::QueuedConnection);
}

void DownloadCommand::redraw()
{
    if (m_done)
        return;
    QStringList lines, keys;
    for (const DownloadItem *item : m_manager.allItems()) {
        lines << lineFor(item);
        keys << keyFor(item);
        // The tool's own text, indented under the sentence.
        if ((item->status() == DownloadStatus::Error || item->status() == DownloadStatus::Done) &&
            !item->errorMessage().isEmpty() && !item->errorDetail().isEmpty()) {
            lines << QStringLiteral("    ") + Secrets::maskPasswordsInText(item->errorDetail());
            keys << keys.last() + QStringLiteral("/detail");
        }
    }
    m_terminal.show(lines, keys);
}

void DownloadCommand::checkFinished()
{
    if (m_done)
        return;
    const QList<DownloadItem *> all = m_manager.allItems();
    for (const DownloadItem *item : all) {
        if (!isFinal(item) || (m_stoppedAtOnce && !m_waitedForRuns && item->isRunning()))
            return;
    }
    redraw();
    m_done = true;
    // No saved list follows this run: a stopped download's part is never resumed.
    for (const DownloadItem *item : all) {
        if (!item->isRunning() && !item->resumeFolder().isEmpty())
            WorkFolder::discard(item->resumeFolder(), item->idText());
    }
    const bool info = m_options.command == CliOptions::Command::Info;
    const DownloadStatus success = info ? DownloadStatus::Ready : DownloadStatus::Done;
    QMap<QString, int> counts;
    QList<DownloadItem *> items;
    for (DownloadItem *item : all) {
        if (!item->isGroupHeader())
            items << item;
    }
    bool allGood = !items.isEmpty();
    for (const DownloadItem *item : std::as_const(items)) {
        counts[statusName(item->status())] += 1;
        // A download whose conversion failed is not what --convert asked for.
        const bool unconverted = !info && m_options.convert && item->file().needsConversion;
        allGood = allGood && item->status() == success && !unconverted;
    }
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
    //% "%n item(s): %1"
    const QString summary =
        qtTrId("cli.items_summary", int(items.size())).arg(parts.join(QStringLiteral(", ")));
    //% "No address was accepted."
    m_terminal.print(all.isEmpty() ? qtTrId("cli.no_address") : summary);
    if (m_options.json) {
        std::fputs(CliJson::line(CliJson::items(items)).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    emit finished(m_interrupted ? 130 : (allGood ? 0 : 1));
}
