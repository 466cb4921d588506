#include "storage/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varko {

namespace {

// Enough for every start with a broken file that anybody would let pile up.
constexpr int kAsideNames = 1000;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file system's last word on what was written: fsync reports a write it could not keep after
// all (a full disk found late, a network file system). A file system without fsync says EINVAL.
bool writtenToTheFileSystem(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// Never replaces what is at to. Where the file system cannot promise that, the check before the
// rename leaves only a moment in which another program could take the name.
bool renameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    struct stat status {};
    if (::lstat(to.constData(), &status) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

} // namespace

std::optional<QByteArray> readSmallFile(const QString& path, bool* missing) {
    if (missing != nullptr)
        *missing = false;
    // Without O_NONBLOCK, opening a named pipe waits for a writer, and a terminal for its
    // carrier, for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (missing != nullptr)
            *missing = errno == ENOENT || errno == ENOTDIR;
        return std::nullopt;
    }
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kMaxFileSize ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    // The size may have changed since fstat: the limit holds for what is read.
    QByteArray content = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > kMaxFileSize)
        return std::nullopt;
    return content;
}

bool replaceFile(const QString& path, const QByteArray& bytes, MissingFolder missingFolder) {
    if (missingFolder == MissingFolder::Create && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    // Unbuffered, so a write the file system refuses (a full disk) fails here: a buffered one
    // would fail in the flush inside commit(), which does not report it and renames a truncated
    // file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || !writtenToTheFileSystem(file.handle())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString saveObstacle(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir())
        return systemReason(EISDIR);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    struct stat status {};
    if (::stat(folder.constData(), &status) != 0)
        return systemReason(errno);
    if (!S_ISDIR(status.st_mode))
        return systemReason(ENOTDIR);
    // access() asks the kernel, so a read-only file system counts and root's rights too.
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return systemReason(errno);
    return {};
}

std::optional<QString> moveAside(const QString& path) {
    const QByteArray from = QFile::encodeName(path);
    for (int n = 1; n <= kAsideNames; ++n) {
        const QString to = path + ".bad" + (n > 1 ? QString::number(n) : QString());
        if (renameWithoutReplacing(from, QFile::encodeName(to)))
            return to;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace varko
