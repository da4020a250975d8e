#pragma once

#include "CliOptions.h"

#include <QCoro/QCoroTask>

class StopSignals;

// `follow`: follows a list (a channel, a playlist, a feed) with the
// download options given, lists, pauses and removes follows, checks them
// and downloads what is new, reads and writes OPML, and turns the user
// timer that checks them on or off.
namespace FollowCommand {
QCoro::Task<int> run(CliOptions options, StopSignals &stopSignals);
} // namespace FollowCommand
