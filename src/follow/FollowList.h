#pragma once

#include "Follow.h"

#include "platform/Failure.h"

#include <QList>

#include <functional>

// The follows kept on disk, one JSON file in Reelix's data folder shared by
// the window and reelix-cli (a check from a timer may run beside the window).
// Every change reads, changes and rewrites the file under a lock, so that
// two processes never undo each other's changes.
namespace FollowList {

QString path();
QList<Follow> load();
// Runs `change` on the list as it is on disk and writes the result.
Outcome modify(const std::function<void(QList<Follow> &)> &change);

// The follow of `address` in `follows`, or null.
Follow *find(QList<Follow> &follows, const QString &address);
// Adds a follow, or replaces the choices of the one with that address
// (its history stays).
void put(QList<Follow> &follows, const Follow &follow);

} // namespace FollowList
