#include "storage/GrowingFile.h"

#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/PlatformFileIo.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varko {

namespace {

// Whether the descriptor writes at the end of a regular file that ends at offset: only there
// does cutting the file off at where a piece began remove nothing but that piece.
bool endsRegularFileAt(int descriptor, off_t offset) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size == offset;
}

} // namespace

bool GrowingFile::create(const QString& path) {
    close();
    // Without O_NONBLOCK, opening a named pipe waits for a reader for ever; without a reader it
    // now fails at once. Emptied only once it is known to be a regular file: a device is not.
    const int descriptor =
        ::open(encodeFileName(path).constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        error_ = systemReason(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        error_ = systemReason(errno);
    } else if (!S_ISREG(status.st_mode)) {
        error_ = QString::fromLatin1(kNotARegularFile);
    } else if (::ftruncate(descriptor, 0) != 0) {
        error_ = systemReason(errno);
    } else {
        descriptor_ = descriptor;
        owned_ = true;
        error_.clear();
        return true;
    }
    ::close(descriptor);
    return false;
}

void GrowingFile::attach(int descriptor) {
    close();
    descriptor_ = descriptor;
    owned_ = false;
    error_.clear();
}

bool GrowingFile::append(QByteArrayView bytes) {
    if (!isOpen()) {
        error_ = systemReason(EBADF);
        return false;
    }
    const off_t start = ::lseek(descriptor_, 0, SEEK_CUR); // -1 on a pipe or a terminal
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(descriptor_, bytes.data() + written, std::size_t(bytes.size() - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A descriptor another program made non-blocking: wait as a blocking write would.
            pollfd ready{descriptor_, POLLOUT, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        error_ = systemReason(n < 0 ? errno : EIO);
        if (written > 0 && start >= 0 && endsRegularFileAt(descriptor_, start + written) &&
            ::ftruncate(descriptor_, start) == 0)
            ::lseek(descriptor_, start, SEEK_SET);
        return false;
    }
    return true;
}

bool GrowingFile::isStillAt(const QString& path) const {
    struct stat open {};
    struct stat named {};
    return isOpen() && ::fstat(descriptor_, &open) == 0 && open.st_nlink > 0 &&
           ::stat(encodeFileName(path).constData(), &named) == 0 && named.st_dev == open.st_dev &&
           named.st_ino == open.st_ino;
}

void GrowingFile::close() {
    if (isOpen() && owned_)
        ::close(descriptor_);
    descriptor_ = -1;
    owned_ = false;
}

} // namespace varko
