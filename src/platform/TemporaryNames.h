#pragma once

#include <QString>

// Names for the files and folders Reelix makes for a moment: a prefix that
// says who made it, then a fresh UUID in upper case ("reelix_dl_5F0C…").
namespace TemporaryNames {

QString uuid();
// `prefix` + a fresh UUID, in the system's temporary folder.
QString inTemp(const QString &prefix);

} // namespace TemporaryNames
