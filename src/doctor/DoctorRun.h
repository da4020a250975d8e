#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

#include <chrono>

// One tool run of the setup check: both outputs, or why it gave none.
struct ToolAnswer
{
    bool ran = false;      // started and ended by itself
    bool timedOut = false; // ended by the time limit
    int status = -1;
    QString out;
    QString err;
    QString reason; // why it did not run, for the sentence
};

namespace DoctorRun {

// Runs `path` with `arguments` in the tool folder, ended after `limit`.
QCoro::Task<ToolAnswer> tool(QString path, QStringList arguments, std::chrono::milliseconds limit);
// Replaces the home folder's path by "~" for what is shown.
QString tildePath(const QString &path);
// Milliseconds since `start` (QDateTime's clock).
qint64 elapsedSince(qint64 startMs);

} // namespace DoctorRun
