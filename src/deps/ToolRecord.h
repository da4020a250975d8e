#pragma once

#include <QString>
#include <QStringList>

// What Reelix remembers about each tool beside it in the tool folder, so that
// it survives a restart: how the installed download was checked, and the
// previous version an update replaced (in the folder's "previous" subfolder).
namespace ToolRecord {

enum class Verification
{
    NotVerified,  // placed before checks existed, by hand, or replaced since
    Sha256,       // matched the distributor's SHA-256 sums
    Md5,          // matched the distributor's MD5 sum (weaker)
    NotVerifiable // the source publishes nothing to check against
};
// "sha256", "md5", "not verifiable" or "not verified", as scripts read it.
QString verificationName(Verification verification);

struct State
{
    Verification verification = Verification::NotVerified;
    bool hasPrevious = false;
};

// The files that make up a tool: ffmpeg comes with ffprobe.
QStringList filesOf(const QString &fileName);
QString previousFolder();
State read(const QString &fileName);
// Recorded against the tool file's size and time: a file replaced by hand
// reads as not verified.
void writeVerification(const QString &fileName, Verification verification);

// An update first keeps the current files aside, then makes them the
// previous version once the new one is in place, or drops them on failure.
void keepCurrent(const QString &fileName);
void promoteKept(const QString &fileName);
void discardKept(const QString &fileName);
// Links to (or copies of) the previous version's files in a hidden folder
// of their own, empty when they cannot be made: a rollback places these, so
// that one whose staged copy does not run leaves the previous version as it
// was. The caller removes the folder.
QString linkPrevious(const QString &fileName);
// After the previous files were placed: their record becomes the tool's and
// nothing of the previous version stays behind.
void finishRollback(const QString &fileName);

} // namespace ToolRecord
