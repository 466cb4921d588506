#include "PtyLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace varko::sim {

PtyLink::~PtyLink() {
    close();
}

QString PtyLink::open(const QString& linkPath) {
    close();
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink())
        return QStringLiteral("%1 exists and is not a link; not replacing it").arg(linkPath);
    QDir().mkpath(existing.absolutePath());
    if (const QString error = lock_.acquire(linkPath); !error.isEmpty())
        return error;

    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        const QString reason = QString::fromLocal8Bit(strerror(errno));
        close();
        return QStringLiteral("cannot open a pseudo-terminal: %1").arg(reason);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    slaveName_ = QString::fromLocal8Bit(name);

    QFile::remove(linkPath);
    if (!QFile::link(slaveName_, linkPath)) {
        close();
        return QStringLiteral("cannot create the link %1").arg(linkPath);
    }
    linkPath_ = linkPath;
    return {};
}

QString PtyLink::lineSettingsFault() const {
    termios t{};
    if (slave_ < 0 || tcgetattr(slave_, &t) != 0)
        return QStringLiteral("line settings unreadable");
    QStringList wrong;
    if (cfgetispeed(&t) != B57600 || cfgetospeed(&t) != B57600)
        wrong << QStringLiteral("speed not 57600");
    if ((t.c_cflag & CSIZE) != CS8)
        wrong << QStringLiteral("not 8 data bits");
    if (t.c_cflag & PARENB)
        wrong << QStringLiteral("parity");
    if (t.c_cflag & CSTOPB)
        wrong << QStringLiteral("2 stop bits");
    if (t.c_cflag & CRTSCTS)
        wrong << QStringLiteral("hardware flow control");
    if (t.c_iflag & (IXON | IXOFF))
        wrong << QStringLiteral("software flow control");
    if (t.c_lflag & ICANON)
        wrong << QStringLiteral("line editing");
    if (t.c_lflag & (ECHO | ECHONL))
        wrong << QStringLiteral("echo");
    if (t.c_lflag & (ISIG | IEXTEN))
        wrong << QStringLiteral("control characters");
    if (t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | PARMRK))
        wrong << QStringLiteral("input translation");
    if (t.c_oflag & OPOST)
        wrong << QStringLiteral("output processing");
    return wrong.join(QStringLiteral(", "));
}

bool PtyLink::releaseAbandonedLine() {
    int exclusive = 0;
    if (slave_ < 0 || ioctl(slave_, TIOCGEXCL, &exclusive) != 0 || exclusive == 0)
        return false;
    // A living client holds the lock on the line; only a line nobody holds is released.
    if (flock(slave_, LOCK_EX | LOCK_NB) != 0)
        return false;
    ioctl(slave_, TIOCNXCL);
    flock(slave_, LOCK_UN);
    return true;
}

void PtyLink::close() {
    // Remove the link only while it still names this terminal: a newer simulator may own it.
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == slaveName_)
        QFile::remove(linkPath_);
    linkPath_.clear();
    lock_.release();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

} // namespace varko::sim
