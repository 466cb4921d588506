#pragma once
// A real full disk: a 64 KiB tmpfs mounted on a temporary folder for as long as the object lives.
// The test puts its old files there, then fills the rest, so every later write of new data fails
// with "No space left on device" as it would on the user's disk. Mounting needs root, as the
// tests have in CI; where it is refused, problem() says why and the test must fail with it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

class FullFileSystem {
public:
    FullFileSystem() {
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=64k") ==
            0)
            mounted_ = true;
        else
            problem_ = QStringLiteral("cannot mount a tmpfs for the full-disk test (%1); the "
                                      "tests need root, as CI runs them")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~FullFileSystem() {
        // Detached, so a file a failed test left open cannot keep the folder from going.
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    // Empty when the file system is there.
    QString problem() const { return problem_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Writes a filler file until the file system refuses more; true when it ended full.
    bool fill() {
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        return filler.error() == QFileDevice::ResourceError ||
               filler.error() == QFileDevice::WriteError;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString problem_;
};
