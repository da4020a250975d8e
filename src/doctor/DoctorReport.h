#pragma once

#include "CheckResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the setup check hands out: the JSON scripts read, and a report a
// user can paste into a bug report without giving away who they are.
namespace DoctorReport {

// {"version": 1, "elapsedMs": …, "checks": [CheckResult::toJson(), …]}
QByteArray json(const CheckResults &results, qint64 elapsedMs);
// Each line's verdict, sentence, what to do and facts, then the log's last
// errors, cleaned by `clean`.
QString text(const CheckResults &results, qint64 elapsedMs);
// One line per check, for a terminal.
QString summary(const CheckResults &results);
// The home folder becomes "~", passwords and cookie values "***", and an
// address keeps only its scheme and host.
QString clean(const QString &text);
// The log's last lines at the error level, at most `count`.
QStringList lastErrors(int count = 10);

} // namespace DoctorReport
