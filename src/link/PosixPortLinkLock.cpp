#include "link/PortLinkLock.h"

#include <QFileInfo>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace varko {
namespace {

// A program checking a stale lock holds it for a moment only.
constexpr int kAcquireTries = 100;
constexpr auto kAcquirePause = std::chrono::milliseconds(10);

bool sameFile(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat named {};
    return fstat(fd, &opened) == 0 && stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

bool removeOrphanedPortLink(const QString& linkPath) {
    if (!QFileInfo(linkPath).isSymLink())
        return false;
    const QByteArray lockPath = livenessLockPath(linkPath).toLocal8Bit();
    const int fd = ::open(lockPath.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false; // no lock: a link made by hand
    const bool orphaned = flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (orphaned) {
        // Removed while the lock is held, so a new creator waits and then makes a fresh one.
        ::unlink(linkPath.toLocal8Bit().constData());
        ::unlink(lockPath.constData());
    }
    ::close(fd);
    return orphaned;
}

PortLinkLock::~PortLinkLock() {
    release();
}

QString PortLinkLock::acquire(const QString& linkPath) {
    release();
    const QByteArray path = livenessLockPath(linkPath).toLocal8Bit();
    for (int attempt = 0; attempt < kAcquireTries; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            return QStringLiteral("cannot create the lock %1: %2")
                .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(strerror(errno)));
        // The file may have been removed (by a program clearing a stale link) between the open
        // and the lock: only a lock on the file the path still names counts.
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, path)) {
            fd_ = fd;
            path_ = QString::fromLocal8Bit(path);
            return {};
        }
        ::close(fd);
        std::this_thread::sleep_for(kAcquirePause);
    }
    return QStringLiteral("%1 is held by another running simulator").arg(linkPath);
}

void PortLinkLock::release() {
    if (fd_ < 0)
        return;
    ::unlink(path_.toLocal8Bit().constData());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}

} // namespace varko
