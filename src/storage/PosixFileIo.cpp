#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/PlatformFileIo.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varko {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

RenameResult renameFailure() {
    return errno == EEXIST ? RenameResult::NameTaken : RenameResult::Failed;
}

} // namespace

bool openRegularFile(const QString& path, qint64 maxSize, QFile& file, ReadRefusal& refusal) {
    refusal = {};
    // Without O_NONBLOCK, opening a named pipe waits for a writer, and a terminal for its
    // carrier, for ever.
    const int fd = ::open(encodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        refusal.missing = errno == ENOENT || errno == ENOTDIR;
        refusal.reason = systemReason(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        refusal.reason = systemReason(errno);
    } else if (!S_ISREG(status.st_mode)) {
        refusal.reason = QString::fromLatin1(kNotARegularFile);
    } else if (status.st_size > maxSize) {
        refusal.tooLarge = true;
        refusal.reason = systemReason(EFBIG);
    } else if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return true;
    } else {
        refusal.reason = file.errorString();
    }
    ::close(fd);
    return false;
}

bool isRegularFile(const QString& path) {
    struct stat status {};
    return ::stat(encodeFileName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

// fsync is the file system's last word on what was written; one without fsync says EINVAL.
bool writtenToTheFileSystem(QFileDevice& file, QString& reason) {
    if (::fsync(file.handle()) == 0 || errno == EINVAL)
        return true;
    reason = systemReason(errno);
    return false;
}

// Where the file system cannot promise not to replace, the check before the rename leaves only
// a moment in which another program could take the name.
RenameResult renameWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = encodeFileName(from);
    const QByteArray target = encodeFileName(to);
    const int renamed =
        ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (renamed == 0)
        return RenameResult::Renamed;
    if (errno != EINVAL && errno != ENOSYS)
        return renameFailure();
    struct stat status {};
    if (::lstat(target.constData(), &status) == 0)
        return RenameResult::NameTaken;
    return ::rename(source.constData(), target.constData()) == 0 ? RenameResult::Renamed
                                                                 : renameFailure();
}

QString currentFolder() {
    QByteArray folder(256, Qt::Uninitialized);
    while (::getcwd(folder.data(), std::size_t(folder.size())) == nullptr) {
        if (errno != ERANGE)
            return QDir::currentPath(); // as Qt has it, then
        folder.resize(folder.size() * 2);
    }
    return decodeFileName(folder.constData());
}

QString saveObstacle(const QString& path) {
    // replaceFile leaves the file to Qt, which would write a name that is not UTF-8 as another.
    if (!qtReaches(path))
        return systemReason(EILSEQ);
    struct stat status {};
    if (::stat(encodeFileName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode))
        return systemReason(EISDIR);
    const QByteArray folder = encodeFileName(QFileInfo(absoluteFileName(path)).absolutePath());
    if (::stat(folder.constData(), &status) != 0)
        return systemReason(errno);
    if (!S_ISDIR(status.st_mode))
        return systemReason(ENOTDIR);
    // access() asks the kernel, so a read-only file system counts and root's rights too.
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return systemReason(errno);
    return {};
}

} // namespace varko
