#include "ReelixApp.h"
#include "Desktop.h"
#include "Follows.h"
#include "YtDlpAgeSource.h"

#include "certs/CertificateStore.h"
#include "engine/AutoStart.h"
#include "platform/ToolPaths.h"
#include "platform/UserDefaults.h"

#include <QPointer>
#include <QtConcurrent>

#include <QCoro/QCoroFuture>

namespace {

bool allToolsExecutable(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!ToolPaths::isExecutableFile(path))
            return false;
    }
    return true;
}

} // namespace

ReelixApp::ReelixApp(std::unique_ptr<DependencyChecker> checker, QueueStore *store, QObject *parent)
    : QObject(parent),
      m_checker(checker ? std::move(checker) : std::make_unique<DependencyChecker>()),
      m_store(store)
{
    if (m_store)
        m_store->restoreInto(m_manager);
    m_manager.useSettings({.autoStart = true});
    // Followed lists' new entries join this list, where the user sees them.
    Follows::useDownloads(&m_manager);
    connect(m_checker.get(), &DependencyChecker::statusesChanged, this,
            &ReelixApp::updateSummaryChanged);
    // A page yt-dlp could not read names an old yt-dlp: the engine learns its age here.
    const auto learnAge = [this] {
        YtDlpAge::set(YtDlpAgeSource::fromDependency(*m_checker->ytdlp(), YtDlpAge::current()));
    };
    connect(m_checker->ytdlp(), &Dependency::statusChanged, this, learnAge);
    connect(m_checker->ytdlp(), &Dependency::systemToolChanged, this, learnAge);
    connect(&m_manager, &DownloadManager::itemSettled, this, &ReelixApp::tellIfEnded);
    connect(&m_notifier, &Notifier::openRequested, this,
            [](const QString &path) { Desktop().open(path); });
    connect(&m_notifier, &Notifier::revealRequested, this,
            [](const QString &path) { Desktop().reveal(path); });
}

ReelixApp::~ReelixApp()
{
    // Quitting stops the runs; the saved list keeps them as they were going.
    if (m_store)
        m_store->finish();
}

void ReelixApp::addAddresses(const QStringList &addresses, const QString &format)
{
    DownloadFormat chosen = AutoStart::formatFor(AutoStart::choice());
    if (format == QLatin1String("audio"))
        chosen = DownloadFormat::Audio;
    else if (format == QLatin1String("video"))
        chosen = DownloadFormat::Video;
    m_manager.addDownloads(Desktop().addresses(addresses.join(QLatin1Char('\n'))), chosen);
}

// A download or conversion that ended while the window was behind others is
// told on the desktop; information runs and stops are not.
void ReelixApp::tellIfEnded(DownloadItem *item)
{
    const bool done = item->status() == DownloadStatus::Done;
    if (m_windowActive || (!done && item->status() != DownloadStatus::Error))
        return;
    // A failed information run is not a download that ended.
    if (!done && item->title().isEmpty())
        return;
    m_notifier.itemEnded(item->title().isEmpty() ? item->url() : item->title(),
                         done ? item->filePath().value_or(QString()) : QString(),
                         done ? QString() : item->errorMessage());
}

void ReelixApp::setNotificationsEnabled(bool enabled)
{
    Notifier::setEnabled(enabled);
    emit notificationsEnabledChanged();
}

bool ReelixApp::clipboardOffers() const
{
    const QVariant value = UserDefaults::value(QStringLiteral("clipboardOffers"));
    return value.isNull() || value.toBool();
}

void ReelixApp::setClipboardOffers(bool enabled)
{
    UserDefaults::setValue(QStringLiteral("clipboardOffers"), enabled);
    emit clipboardOffersChanged();
}

QString ReelixApp::version() const
{
    return QStringLiteral(REELIX_VERSION);
}

QString ReelixApp::updateSummary(const DependencyChecker &checker)
{
    QStringList entries;
    for (const Dependency *tool : checker.tools()) {
        const DepStatus s = tool->status();
        if (s.kind() == DepStatus::Kind::UpdateAvailable)
            entries << tool->name() + QLatin1Char(' ') + s.installed() + QStringLiteral(" → ") +
                           s.latest();
    }
    return entries.join(QStringLiteral("   ·   "));
}

void ReelixApp::performStartupCheck()
{
    if (m_startupChecked)
        return;
    m_startupChecked = true;
    startupCheck();
}

QCoro::Task<> ReelixApp::startupCheck()
{
    QPointer<ReelixApp> self(this);
    CertificateStore::bundlePath(false); // not awaited: only prepares the file
    QStringList paths;
    for (const Dependency *tool : m_checker->tools())
        paths << DependencyChecker::startupPath(tool);
    auto testing = QtConcurrent::run(allToolsExecutable, paths);
    const bool allPresent = co_await testing;
    if (!self)
        co_return;
    if (!allPresent) {
        setView(View::Setup);
        co_return;
    }
    setView(View::Main);
    if (m_checker->phase() != DependencyChecker::Phase::CheckingUpdates)
        m_checker->checkForUpdates();
}

void ReelixApp::showUpdates()
{
    setView(View::Setup);
}

int ReelixApp::runningDownloads() const
{
    const QList<DownloadItem *> items = m_manager.allItems();
    return int(std::count_if(items.cbegin(), items.cend(),
                             [](const DownloadItem *item) { return item->isRunning(); }));
}

void ReelixApp::stopDownloads()
{
    for (DownloadItem *item : m_manager.allItems()) {
        if (item->isRunning())
            item->cancelRun();
    }
}

void ReelixApp::leaveSetup()
{
    setView(View::Main);
}

void ReelixApp::setView(View view)
{
    if (m_view == view)
        return;
    m_view = view;
    emit viewChanged();
}
