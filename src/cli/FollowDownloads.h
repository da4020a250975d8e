#pragma once

#include <QCoro/QCoroTask>

#include <QStringList>

class StopSignals;

// `follow check`: reads every followed list once (or those named), says
// what each check found, and downloads the new entries as `download` would,
// with each follow's options. 1 when a list could not be read or a download
// failed, 130 when stopped.
namespace FollowDownloads {
QCoro::Task<int> check(QStringList only, StopSignals &stopSignals);
} // namespace FollowDownloads
