#pragma once

#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

// A tool's answer to its version option ("--version", "-version"): its
// standard output as text, or an empty string when the file cannot be run or
// does not print valid UTF-8. Standard error is never read.
QCoro::Task<QString> versionOutput(QString path, QStringList arguments);
