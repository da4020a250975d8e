#include "Follows.h"

#include "follow/FollowList.h"
#include "log/Logger.h"
#include "platform/UserDefaults.h"

#include <QLocale>
#include <QUrl>

namespace {

const QString hoursKey = QStringLiteral("followCheckHours");
const QString pauseKey = QStringLiteral("followPauseSeconds");

int setting(const QString &key, int fallback, int highest)
{
    const QVariant value = UserDefaults::value(key);
    return qBound(0, value.isValid() ? value.toInt() : fallback, highest);
}

} // namespace

Follows::Follows(QObject *parent) : QAbstractListModel(parent)
{
    m_follows = FollowList::load();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { checkNow(); });
    scheduleChecks();
}

int Follows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_follows.size());
}

QVariant Follows::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_follows.size())
        return {};
    const Follow &f = m_follows.at(index.row());
    switch (role) {
    case AddressRole:
        return f.address;
    case TitleRole:
        return f.title.isEmpty() ? f.address : f.title;
    case LastCheckRole:
        return f.lastCheck.isValid()
                   ? QLocale().toString(f.lastCheck.toLocalTime(), QLocale::ShortFormat)
                   : QString();
    case NewCountRole:
        return f.newCount;
    case LastErrorRole:
        return f.lastError;
    case PausedRole:
        return f.paused;
    case MediaServerRole:
        return f.mediaServer;
    case LastErrorDetailRole:
        return f.lastErrorDetail;
    default:
        return {};
    }
}

QHash<int, QByteArray> Follows::roleNames() const
{
    return {{AddressRole, "address"},         {TitleRole, "title"},
            {LastCheckRole, "lastCheck"},     {NewCountRole, "newCount"},
            {LastErrorRole, "lastError"},     {PausedRole, "paused"},
            {MediaServerRole, "mediaServer"}, {LastErrorDetailRole, "lastErrorDetail"}};
}

int Follows::checkHours() const
{
    return setting(hoursKey, 4, 168);
}

void Follows::setCheckHours(int hours)
{
    if (hours == checkHours())
        return;
    UserDefaults::setValue(hoursKey, qBound(0, hours, 168));
    scheduleChecks();
    emit settingsChanged();
}

int Follows::pauseSeconds() const
{
    return setting(pauseKey, 2, 600);
}

void Follows::setPauseSeconds(int seconds)
{
    if (seconds == pauseSeconds())
        return;
    UserDefaults::setValue(pauseKey, qBound(0, seconds, 600));
    emit settingsChanged();
}

bool Follows::follow(const QString &address, const QString &title, const QUrl &folder, bool audio,
                     int newest)
{
    Follow follow;
    follow.address = address;
    follow.title = title;
    follow.firstNewest = qMax(0, newest);
    follow.options = {QStringLiteral("--folder"), folder.toLocalFile()};
    if (audio)
        follow.options << QStringLiteral("--audio");
    change([&](QList<Follow> &follows) { FollowList::put(follows, follow); });
    return isFollowed(address);
}

bool Follows::isFollowed(const QString &address) const
{
    return std::any_of(m_follows.cbegin(), m_follows.cend(),
                       [&](const Follow &f) { return f.address == address; });
}

void Follows::setPaused(int row, bool paused)
{
    const QString address = m_follows.value(row).address;
    change([&](QList<Follow> &follows) {
        if (Follow *f = FollowList::find(follows, address))
            f->paused = paused;
    });
}

void Follows::setMediaServer(int row, bool on)
{
    const QString address = m_follows.value(row).address;
    change([&](QList<Follow> &follows) {
        if (Follow *f = FollowList::find(follows, address))
            f->mediaServer = on;
    });
}

void Follows::remove(int row)
{
    const QString address = m_follows.value(row).address;
    change([&](QList<Follow> &follows) {
        follows.removeIf([&](const Follow &f) { return f.address == address; });
    });
}

void Follows::reload()
{
    const qsizetype before = m_follows.size();
    beginResetModel();
    m_follows = FollowList::load();
    endResetModel();
    if (before != m_follows.size())
        emit countChanged();
}

void Follows::change(const std::function<void(QList<Follow> &)> &edit)
{
    if (const Outcome failed = FollowList::modify(edit))
        Logger::shared().log(failed->message + QLatin1Char(' ') + failed->detail,
                             LogLevel::Warning);
    reload();
}
