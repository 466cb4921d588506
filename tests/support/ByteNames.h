#pragma once
// Files whose names need not be UTF-8, made, read and listed with the system's own calls: Qt
// would reach another file for such a name, and leaves it out of a folder's listing.

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

// "café.ign" in Latin-1: é is the byte E9, which is no UTF-8.
inline const QByteArray kLatin1Name = QByteArray("caf\xE9.ign");

// A test cannot go on without its fixture, so a failure ends the run.
inline void writeFileAt(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, content.constData(), std::size_t(content.size())) != content.size())
        qFatal("cannot write %s", path.constData());
    ::close(fd);
}

// The content, or nothing when there is no such file.
inline QByteArray readFileAt(const QByteArray& path) {
    QByteArray content;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return content;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        content.append(buffer, n);
    ::close(fd);
    return content;
}

// Every name in the folder but "." and "..", sorted.
inline QByteArrayList folderEntries(const QString& folder) {
    QByteArrayList names;
    DIR* dir = ::opendir(folder.toUtf8().constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// A temporary folder for such names. It goes with everything in it: QTemporaryDir alone would
// leave behind the names it cannot list, and the folder with them.
class ByteNamedFolder {
public:
    ByteNamedFolder() = default;
    ~ByteNamedFolder() {
        for (const QByteArray& name : folderEntries(path())) {
            if (::unlink(pathOf(name).constData()) != 0)
                ::rmdir(pathOf(name).constData()); // an empty folder of the test's
        }
    }
    ByteNamedFolder(const ByteNamedFolder&) = delete;
    ByteNamedFolder& operator=(const ByteNamedFolder&) = delete;

    QString path() const { return dir_.path(); }
    QByteArray pathOf(const QByteArray& name) const {
        return QFile::encodeName(dir_.path()) + '/' + name;
    }

private:
    QTemporaryDir dir_;
};
