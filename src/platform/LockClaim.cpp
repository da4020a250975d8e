#include "LockClaim.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The holder, line by line, in the order QLockFile writes it. Read once:
// none of it changes while the app runs, and claims come at every start.
QByteArray holderText()
{
    static const QByteArray text =
        QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
        QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() +
        '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n';
    return text;
}

// Whether the open file is still the one at `name`: the holder before may
// have removed it between the open and the lock.
bool stillNamed(int descriptor, const QByteArray &name)
{
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(descriptor, &opened) == 0 && ::lstat(name.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

std::unique_ptr<LockClaim> LockClaim::take(const QString &path, bool *heldElsewhere)
{
    const QByteArray name = QFile::encodeName(path);
    if (heldElsewhere)
        *heldElsewhere = false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int descriptor =
            ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (descriptor < 0)
            return nullptr;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            if (heldElsewhere)
                *heldElsewhere = errno == EWOULDBLOCK;
            ::close(descriptor);
            return nullptr;
        }
        if (stillNamed(descriptor, name)) {
            // The holder's text is for people and QLockFile; the kernel lock
            // is the claim, so a failed write changes nothing.
            const QByteArray holder = holderText();
            [[maybe_unused]] const int emptied = ::ftruncate(descriptor, 0);
            [[maybe_unused]] const ssize_t written =
                ::write(descriptor, holder.constData(), size_t(holder.size()));
            return std::unique_ptr<LockClaim>(new LockClaim(descriptor, path));
        }
        ::close(descriptor);
    }
    return nullptr;
}

LockClaim::LockClaim(int descriptor, const QString &path) : m_descriptor(descriptor), m_path(path)
{}

LockClaim::~LockClaim()
{
    release();
}

void LockClaim::release()
{
    if (m_descriptor < 0)
        return;
    // Removed while still held, so that nobody locks a file about to go.
    QFile::remove(m_path);
    ::close(m_descriptor);
    m_descriptor = -1;
}
