#include "storage/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace varko {

namespace {

// The file system's last word on what was written: fsync reports a write it could not keep after
// all (a full disk found late, a network file system). A file system without fsync says EINVAL.
bool writtenToTheFileSystem(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

} // namespace

std::optional<QByteArray> readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
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

} // namespace varko
