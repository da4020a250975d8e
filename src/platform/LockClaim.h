#pragma once

#include <QString>

#include <memory>

// An exclusive claim on a lock file, held while this object lives or until
// its process ends: the kernel lock (flock) goes with the process, so a crash
// never leaves a claim behind. The file names its holder as QLockFile's do
// (process id, program, host), and a QLockFile taken by another copy of the
// app holds the same kernel lock, so either sees the other's claim.
//
// Unlike QLockFile, taking a claim never flushes the disk. A claim needs to
// last no longer than its process, and a flush for every download started
// held the window still for tens of milliseconds while files were written.
class LockClaim
{
public:
    // The claim, or null when another process holds the file or it cannot
    // be made; `heldElsewhere` tells the two apart.
    static std::unique_ptr<LockClaim> take(const QString &path, bool *heldElsewhere = nullptr);
    ~LockClaim();
    LockClaim(const LockClaim &) = delete;
    LockClaim &operator=(const LockClaim &) = delete;

    // Removes the file and ends the claim.
    void release();

private:
    LockClaim(int descriptor, const QString &path);

    int m_descriptor = -1;
    QString m_path;
};
