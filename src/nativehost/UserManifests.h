#pragma once

#include <QStringList>

// The manifests by which the user's own Chromium, Chrome and Firefox find
// this host, for an install the browsers do not look in (a prefix other
// than /usr, or Google Chrome with the Debian package).
namespace UserManifests {

// Writes them, naming this program's full path; the files written, or an
// empty list and a line on stderr when one could not be.
QStringList write();

} // namespace UserManifests
