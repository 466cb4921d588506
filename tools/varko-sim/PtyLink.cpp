#include "PtyLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace varko::sim {

PtyLink::~PtyLink() {
    close();
}

QString PtyLink::open(const QString& linkPath) {
    close();
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B57600);
    cfsetospeed(&raw, B57600);
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0)
        return QStringLiteral("cannot open a pseudo-terminal: %1").arg(strerror(errno));
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    slaveName_ = QString::fromLocal8Bit(name);

    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        close();
        return QStringLiteral("%1 exists and is not a link; not replacing it").arg(linkPath);
    }
    QDir().mkpath(existing.absolutePath());
    QFile::remove(linkPath);
    if (!QFile::link(slaveName_, linkPath)) {
        close();
        return QStringLiteral("cannot create the link %1").arg(linkPath);
    }
    linkPath_ = linkPath;
    return {};
}

void PtyLink::close() {
    // Remove the link only while it still names this terminal: a newer simulator may own it.
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == slaveName_)
        QFile::remove(linkPath_);
    linkPath_.clear();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

} // namespace varko::sim
