#pragma once

#include "platform/Failure.h"

#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

class StopSwitch;

// A tool's answer to its version option ("--version", "-version"): its
// standard output as text (empty when it is not valid UTF-8), or why the
// tool does not count as working: it cannot start, gives no answer within
// the version time limit, fails or prints nothing. A stop ends the run (and
// what the tool started) at once. Standard error is never read.
QCoro::Task<Result<QString>> versionOutput(QString path, QStringList arguments,
                                           const StopSwitch *stop = nullptr);
