#include "app/InstanceLock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// flock: the lock belongs to the open file, which the system closes when the process ends.
// O_CLOEXEC keeps programs the window starts (a PDF viewer) from holding it after the window.
InstanceLock::Result InstanceLock::tryLock(const QString& path) {
    if (fd_ >= 0)
        return Result::Locked;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldElsewhere : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Locked;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}
