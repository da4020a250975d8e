#include "FollowList.h"

#include "platform/LockClaim.h"
#include "platform/PlatformProfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QThread>

namespace FollowList {

namespace {

// A change holds the lock for the time of a small file's rewrite; a writer
// that does not let go within seconds is stuck, and the change fails.
constexpr int lockTries = 250;

QList<Follow> parse(const QByteArray &data)
{
    QList<Follow> follows;
    for (const QJsonValue &value : QJsonDocument::fromJson(data).array()) {
        Follow f = Follow::fromJson(value.toObject());
        if (!f.address.isEmpty())
            follows << f;
    }
    return follows;
}

Outcome save(const QList<Follow> &follows)
{
    QJsonArray array;
    for (const Follow &f : follows)
        array << f.toJson();
    // Written beside, then renamed: a crash never leaves half a list.
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(array).toJson(QJsonDocument::Indented)) < 0 || !file.commit())
        //% "The list of follows could not be written."
        return Failure{Failure::Kind::FileSystem, qtTrId("follow.error.write"), file.errorString()};
    return std::nullopt;
}

} // namespace

QString path()
{
    return PlatformProfile::current().dataDirectory + QStringLiteral("/follows.json");
}

QList<Follow> load()
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

Outcome modify(const std::function<void(QList<Follow> &)> &change)
{
    QDir().mkpath(PlatformProfile::current().dataDirectory);
    std::unique_ptr<LockClaim> claim;
    for (int i = 0; i < lockTries && !claim; ++i) {
        claim = LockClaim::take(path() + QStringLiteral(".lock"));
        if (!claim)
            QThread::msleep(20);
    }
    if (!claim)
        //% "Another Reelix is changing the list of follows; try again."
        return Failure{Failure::Kind::FileSystem, qtTrId("follow.error.held")};
    QList<Follow> follows = load();
    change(follows);
    return save(follows);
}

Follow *find(QList<Follow> &follows, const QString &address)
{
    for (Follow &f : follows) {
        if (f.address == address)
            return &f;
    }
    return nullptr;
}

void put(QList<Follow> &follows, const Follow &follow)
{
    Follow *known = find(follows, follow.address);
    if (!known) {
        follows << follow;
        return;
    }
    known->options = follow.options;
    known->firstNewest = follow.firstNewest;
    known->paused = false;
}

} // namespace FollowList
